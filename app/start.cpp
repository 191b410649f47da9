// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "app/start.h"

#include "app/mainwindow.h"
#include "runtime/runtime.h"

#include <QApplication>

namespace sivane {

void placeMainWindow(MainWindow *window)
{
    const QPoint clientOnScreen(27, 41);
    window->ensurePolished();
    window->adjustSize();
    const QPoint clientInWindow = window->centralWidget()->mapTo(window, QPoint(0, 0));
    // setGeometry places the window's inside, without its frame, whatever the frame's size.
    window->setGeometry(QRect(clientOnScreen - clientInWindow, window->size()));
}

int start(int argc, char *argv[])
{
    QApplication app(argc, argv);
    runtime::initialise(app);
    auto *window = new MainWindow;
    placeMainWindow(window);
    window->show();
    return runtime::exec(app);
}

} // namespace sivane

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QWidget>

// The least a Qt Widgets program of the main window's shape costs to start: a fixed
// 626 x 446 client area under a menu bar of three menus, and nothing else. Start-up
// figures of the real program are compared with this one.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Start-up floor"));
    auto *client = new QWidget;
    client->setFixedSize(626, 446);
    window.setCentralWidget(client);
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    window.menuBar()->addMenu(QStringLiteral("&Tools"))->addAction(QStringLiteral("&Change"));
    window.menuBar()->addMenu(QStringLiteral("&About"))->addAction(QStringLiteral("About &Me"));
    window.show();
    return app.exec();
}

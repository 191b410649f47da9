// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#pragma once

#include <QPointer>
#include <QShortcut>
#include <QWidget>

namespace runtime {

// The one object of a secondary window class. show() builds the window from its description
// whenever it is not loaded. Closing the window unloads it (its controls are discarded), so
// the next show() gives the window in its initial state. The object never makes a second
// copy of its window. Esc closes the window as its close button does, while the window is
// the active one.
template <typename Window> class Form
{
public:
    // Shows the window modeless and without an owner, and brings it to the front.
    void show()
    {
        // A window the user has closed is already on its way out: Qt clears the attribute
        // when it schedules the deletion. Build a fresh one rather than revive it.
        if (m_window && !m_window->testAttribute(Qt::WA_DeleteOnClose))
            m_window = nullptr;
        if (!m_window) {
            m_window = new Window;
            m_window->setAttribute(Qt::WA_DeleteOnClose);
            auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), m_window);
            QObject::connect(escape, &QShortcut::activated, m_window.data(), &QWidget::close);
        }
        m_window->show();
        m_window->raise();
        m_window->activateWindow();
    }

    // The loaded window, or null while it is not loaded.
    Window *window() const { return m_window; }

private:
    QPointer<Window> m_window;
};

} // namespace runtime

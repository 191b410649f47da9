// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#pragma once

#include "runtime/runtime.h"

#include <QApplication>
#include <QList>
#include <QMessageBox>
#include <QTimer>

#include <functional>

// Gives a test's application what the program's start gives it: name, fonts, icon.
inline void initialiseRuntimeForTests()
{
    runtime::initialise(*static_cast<QApplication *>(QCoreApplication::instance()));
}

// Whether a family that a font resolved to is the bundled face `bundled` ("PT Sans [PARA]"):
// Qt adds the foundry to the name only where another foundry has faces of that family too.
inline bool isBundledFace(const QString &resolved, const QString &bundled)
{
    return resolved == bundled || bundled.startsWith(resolved + QStringLiteral(" ["));
}

// Stands in for the message box and the end of the program while it lives, so that no modal
// box waits for a user and no test ends the test process; it records what was asked of them.
// Its end restores the real ones and forgets that the program was ending.
class RuntimeRecorder
{
public:
    // Real: the real, modal message box is shown (a test plays the user); only the end of the
    // program is recorded.
    enum class MessageBox { Recorded, Real };

    explicit RuntimeRecorder(MessageBox messageBox = MessageBox::Recorded)
    {
        runtime::Hooks hooks;
        if (messageBox == MessageBox::Recorded) {
            hooks.messageBox = [this](const runtime::MessageBoxRequest &request) {
                if (onEvent)
                    onEvent("box");
                boxes << request;
                return runtime::Answer::Ok;
            };
        }
        hooks.quit = [this](int exitCode) {
            if (onEvent)
                onEvent("end");
            exitCodes << exitCode;
        };
        runtime::setHooks(std::move(hooks));
    }
    ~RuntimeRecorder() { runtime::resetHooks(); }
    RuntimeRecorder(const RuntimeRecorder &) = delete;
    RuntimeRecorder &operator=(const RuntimeRecorder &) = delete;

    QList<runtime::MessageBoxRequest> boxes;
    QList<int> exitCodes;
    // Runs with "box" or "end" as either is requested, before it is recorded: a test can note
    // there what the screen shows at that moment.
    std::function<void(const char *what)> onEvent;
};

// Plays the user at the real message box, which is modal: while the code under test waits in
// the box's own event loop, `act` runs once on the box as soon as it is shown. A box still
// open ten seconds on is closed, so that a test fails instead of hanging; stuck() says so.
class MessageBoxUser
{
public:
    explicit MessageBoxUser(std::function<void(QMessageBox *)> act)
    {
        QObject::connect(&m_poll, &QTimer::timeout, [this, act = std::move(act)] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible() || m_seen)
                return;
            m_seen = true;
            act(box);
        });
        QObject::connect(&m_watchdog, &QTimer::timeout, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                m_stuck = true;
                box->done(0);
            }
        });
        m_poll.start(20);
        m_watchdog.setSingleShot(true);
        m_watchdog.start(10000);
    }
    MessageBoxUser(const MessageBoxUser &) = delete;
    MessageBoxUser &operator=(const MessageBoxUser &) = delete;

    bool seen() const { return m_seen; }
    bool stuck() const { return m_stuck; }

private:
    QTimer m_poll;
    QTimer m_watchdog;
    bool m_seen = false;
    bool m_stuck = false;
};

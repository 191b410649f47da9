// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#pragma once

#include "runtime/runtime.h"

#include <QApplication>
#include <QList>

#include <functional>

// Gives a test's application what the program's start gives it: name, fonts, icon.
inline void initialiseRuntimeForTests()
{
    runtime::initialise(*static_cast<QApplication *>(QCoreApplication::instance()));
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
                return runtime::answerOk;
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

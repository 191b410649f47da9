// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#pragma once

#include <QString>

#include <functional>
#include <utility>

class QApplication;
class QLabel;
class QWidget;

// The thin layer every window stands on: the message box, the end of the program and the
// single path by which an unexpected error is reported. It owns no window; the windows call
// it, never the other way round.
namespace runtime {

// Sets a label's caption. A label marked "autoSize" in its window description fits its box
// to the new text in its font, keeping its top-left corner. A missing label is a broken
// build: it is asserted, and reported through fatal() in every build.
void setCaption(QLabel *label, const QString &text);

// Fits every auto-sized label of a freshly built window to its caption, fixes the window's
// size, gives it a title bar with a close button only, and colours its controls so that the
// design's texts stay readable and the boxes' edges visible in any colour scheme.
void load(QWidget *window);

struct MessageBoxRequest
{
    QString prompt;
    QString title; // already defaulted to the application title
    QWidget *parent = nullptr; // the window the box opens over, if any
};

// Application-modal message box with an OK button; an empty title means the application
// title. With a parent it opens over that window.
void msgBox(const QString &prompt, const QString &title = {}, QWidget *parent = nullptr);

// Tells screen readers `message`, as a change they should speak although it happens away
// from the focus. Needs Qt 6.8; on older Qt it does nothing.
void announce(QWidget *source, const QString &message);

// Ends the program: every window closes at once, no further handler runs, exit code 0.
void end();

// Reports an error that escaped a handler, or a failure only a broken build can cause, and
// ends the program with a non-zero exit code.
void fatal(const QString &message);

// True once end() or fatal() has begun: from then on no handler runs.
bool isEnding();

// Runs one handler so that nothing it throws reaches the event loop.
void invoke(const std::function<void()> &body);

// Wraps a handler for connect(): the slot runs it through invoke() and drops the signal's
// arguments, since no handler of this program takes any.
template <typename Handler> auto handler(Handler h)
{
    return [h = std::move(h)](auto &&...) { invoke(h); };
}

// Sets the application's identity, fonts and accessibility for its controls.
void initialise(QApplication &app);

// Runs the event loop and returns the program's exit code; afterwards every remaining window
// is destroyed, while the application object still exists.
int exec(QApplication &app);

// Replaceable parts, so that tests can watch the message box, the announcements and the end
// of the program without a modal box blocking them or the test process ending.
struct Hooks
{
    std::function<void(const MessageBoxRequest &)> messageBox;
    std::function<void(int exitCode)> quit;
    std::function<void(const QString &message)> announce;
};
void setHooks(Hooks hooks);
// Restores the real message box and quit, and forgets a previous end().
void resetHooks();

} // namespace runtime

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#pragma once

#include "about/aboutwindow.h"
#include "app/mainwindow.h"
#include "runtime/runtime.h"
#include "weight/weightwindow.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QMessageBox>
#include <QPalette>
#include <QStyle>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

// clang-format off
// A dark scheme in the manner of the common desktops' dark themes, and a high-contrast one:
// black background, white text, yellow highlight.
inline QPalette darkPalette()
{
    QPalette p(QColor(252, 252, 252), QColor(41, 44, 48), QColor(64, 69, 75), QColor(20, 22, 24),
               QColor(49, 54, 59), QColor(252, 252, 252), Qt::white, QColor(20, 22, 24),
               QColor(32, 35, 38));
    p.setColor(QPalette::Highlight, QColor(61, 174, 233));
    p.setColor(QPalette::HighlightedText, QColor(252, 252, 252));
    return p;
}

inline QPalette highContrastPalette()
{
    QPalette p(Qt::white, Qt::black, Qt::white, QColor(128, 128, 128), QColor(160, 160, 160),
               Qt::white, Qt::yellow, Qt::black, Qt::black);
    p.setColor(QPalette::Highlight, Qt::yellow);
    p.setColor(QPalette::HighlightedText, Qt::black);
    return p;
}
// clang-format on

// The palette of a colour scheme by its name: "light" (the style's own), "dark", "high
// contrast" or "black on white".
inline QPalette colourScheme(const QString &name)
{
    if (name == QLatin1String("dark"))
        return darkPalette();
    if (name == QLatin1String("high contrast"))
        return highContrastPalette();
    if (name == QLatin1String("black on white")) // high contrast the other way, the rest derived
        return QPalette(Qt::black, Qt::white);
    return QApplication::style()->standardPalette();
}

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

// A window of the program, built as the program builds it and shown. Each test or data row
// builds its own, so that nothing one of them does to a window reaches the next.
template <typename Window> class Shown : public Window
{
public:
    Shown() { this->show(); }
    // Whether the window came up on the screen; a test checks it before it acts.
    [[nodiscard]] bool exposed() { return QTest::qWaitForWindowExposed(this); }
    template <typename Control = QWidget> Control *child(const QString &name) const
    {
        return this->template findChild<Control *>(name);
    }
};

// The weight window with its input box, Text1, and its result boxes, Text2 (Mercury) to
// Text9 (Pluto).
class ShownWeightWindow : public Shown<WeightWindow>
{
public:
    QLineEdit *box(int number) const
    {
        return child<QLineEdit>(QStringLiteral("Text") + QString::number(number));
    }
    QLineEdit *input() const { return box(1); }
    QString mercury() const { return box(2)->text(); }
    QStringList results() const
    {
        QStringList texts;
        for (int number = 2; number <= 9; ++number)
            texts << box(number)->text();
        return texts;
    }
};

// Clicks a picture of the main window as the user does and returns the name the window then
// shows; a missing picture or name label gives a text saying so, which matches no planet.
inline QString clickPicture(QWidget *main, const QString &picture)
{
    auto *target = main->findChild<QWidget *>(picture);
    if (!target)
        return QStringLiteral("no picture ") + picture;
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(20, 20));
    const auto *name = main->findChild<QLabel *>(QStringLiteral("lblName"));
    return name ? name->text() : QStringLiteral("no lblName");
}

// Pastes the text into the box with Ctrl+V, as the user pastes it.
inline void paste(QWidget *box, const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

// One of the three windows by its form name, MAIN, frmChange or frmAbout, shown; null when it
// does not come up.
inline std::unique_ptr<QWidget> showForm(const QString &form)
{
    std::unique_ptr<QWidget> window;
    if (form == QLatin1String("MAIN"))
        window = std::make_unique<Shown<MainWindow>>();
    else if (form == QLatin1String("frmChange"))
        window = std::make_unique<ShownWeightWindow>();
    else
        window = std::make_unique<Shown<AboutWindow>>();
    if (!QTest::qWaitForWindowExposed(window.get()))
        window.reset();
    return window;
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
            };
        }
        hooks.quit = [this](int exitCode) {
            if (onEvent)
                onEvent("end");
            exitCodes << exitCode;
        };
        hooks.announce = [this](const QString &message) { announcements << message; };
        runtime::setHooks(std::move(hooks));
    }
    ~RuntimeRecorder() { runtime::resetHooks(); }
    RuntimeRecorder(const RuntimeRecorder &) = delete;
    RuntimeRecorder &operator=(const RuntimeRecorder &) = delete;

    QList<runtime::MessageBoxRequest> boxes;
    QList<int> exitCodes;
    QStringList announcements; // what screen readers were told
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

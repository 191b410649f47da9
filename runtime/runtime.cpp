// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "runtime/runtime.h"

#include "runtime/fonts.h"
#include "runtime/picturebox.h"
#include "runtime/textcolour.h"
#include "version.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

#include <cstdio>
#include <exception>
#include <optional>

namespace runtime {
namespace {

bool s_ending = false;
std::optional<int> s_exitCode;
Hooks s_hooks;

// The message box, or the recorder a test has put in its place.
void showMessageBox(const MessageBoxRequest &request, QMessageBox::Icon icon)
{
    if (s_hooks.messageBox) {
        s_hooks.messageBox(request);
        return;
    }
    QMessageBox box(request.parent);
    box.setWindowTitle(request.title);
    box.setText(request.prompt);
    box.setTextFormat(Qt::PlainText);
    box.setIcon(icon);
    QPushButton *okButton = box.addButton(QMessageBox::Ok);
    box.setDefaultButton(okButton);
    box.setEscapeButton(static_cast<QAbstractButton *>(okButton));
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

// Closes every window at once and ends the event loop. Only windows whose form unloads on
// close are destroyed; the main window is hidden and destroyed with the rest when the event
// loop has ended.
void closeAllAndQuit(int exitCode)
{
    s_exitCode = exitCode;
    QGuiApplication::setQuitOnLastWindowClosed(false);
    const auto windows = QApplication::topLevelWidgets();
    QList<QPointer<QWidget>> guarded(windows.cbegin(), windows.cend());
    for (const QPointer<QWidget> &w : guarded) {
        if (w && w->isVisible())
            w->close();
    }
    if (s_hooks.quit)
        s_hooks.quit(exitCode);
    else
        QCoreApplication::exit(exitCode);
}

// Pictures act as buttons for assistive technology: their name is the planet, and
// pressing them does what a click does.
class PictureAccessible : public QAccessibleWidget
{
public:
    explicit PictureAccessible(QWidget *w)
        : QAccessibleWidget(w, QAccessible::Button)
    { }

    QStringList actionNames() const override { return { pressAction() }; }
    void doAction(const QString &action) override
    {
        if (action == pressAction())
            static_cast<PictureBox *>(widget())->click();
    }
};

QAccessibleInterface *accessibleFactory(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (className == QLatin1String("runtime::PictureBox"))
        return new PictureAccessible(widget);
    // A secondary window is a plain widget to Qt, which a screen reader would not list among
    // the windows: it is one, as the main window is.
    if (className == QLatin1String(object->metaObject()->className())
        && object->metaObject()->superClass() == &QWidget::staticMetaObject
        && widget->windowType() == Qt::Window)
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

void setCaption(QLabel *label, const QString &text)
{
    Q_ASSERT(label);
    if (!label) {
        fatal(QStringLiteral("A caption was set on a label the window does not have"));
        return;
    }
    label->setText(text);
    if (label->property("autoSize").toBool()) {
        // An empty caption keeps the box the description gives for it.
        if (!label->property("emptySize").isValid())
            label->setProperty("emptySize", label->size());
        if (text.isEmpty()) {
            label->resize(label->property("emptySize").toSize());
        } else {
            const QFontMetrics metrics(label->font());
            label->resize(metrics.horizontalAdvance(text), metrics.height());
        }
    }
}

void load(QWidget *window)
{
    window->ensurePolished();
    applyColours(window);
    const auto labels = window->findChildren<QLabel *>();
    for (QLabel *label : labels) {
        if (label->property("autoSize").toBool()) {
            label->ensurePolished();
            setCaption(label, label->text());
        }
    }
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    // A main window's size follows its fixed client area and its menu bar.
    if (auto *main = qobject_cast<QMainWindow *>(window))
        main->layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void msgBox(const QString &prompt, const QString &title, QWidget *parent)
{
    showMessageBox(
        { prompt, title.isEmpty() ? QCoreApplication::applicationName() : title, parent },
        QMessageBox::NoIcon);
}

void announce(QWidget *source, const QString &message)
{
    if (s_hooks.announce) {
        s_hooks.announce(message);
        return;
    }
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(source, message);
    QAccessible::updateAccessibility(&event);
#else
    Q_UNUSED(source);
    Q_UNUSED(message);
#endif
}

void end()
{
    if (s_ending)
        return;
    s_ending = true;
    closeAllAndQuit(0);
}

void fatal(const QString &message)
{
    if (s_ending)
        return;
    // Nothing runs behind the report: from here on every handler is skipped.
    s_ending = true;
    std::fprintf(stderr, "sivane: run-time error: %s\n", qPrintable(message));
    showMessageBox(
        { QStringLiteral("Run-time error:\n\n") + message, QCoreApplication::applicationName() },
        QMessageBox::Critical);
    closeAllAndQuit(1);
}

bool isEnding()
{
    return s_ending;
}

void invoke(const std::function<void()> &body)
{
    if (s_ending)
        return;
    try {
        body();
    } catch (const std::exception &e) {
        fatal(QString::fromUtf8(e.what()));
    } catch (...) {
        fatal(QStringLiteral("Unexpected error"));
    }
}

void initialise(QApplication &app)
{
    app.setApplicationName(QStringLiteral("Sivane"));
    app.setApplicationVersion(QString::fromLatin1(sivane::version));
    app.setDesktopFileName(QString::fromLatin1(sivane::appId));
    app.setWindowIcon(QIcon(QStringLiteral(":/icons/sivane.ico")));
    installFonts();
    // The window default font; the descriptions name only the fonts that differ from it.
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    // Glyphs hinted vertically only keep their designed widths, so labels sized to their text
    // measure the same whatever hinting the desktop asks for.
    font.setHintingPreference(QFont::PreferVerticalHinting);
    app.setFont(withStandIn(font));
    QAccessible::installFactory(accessibleFactory);
}

int exec(QApplication &app)
{
    int code = s_exitCode.value_or(0);
    if (!s_ending)
        code = app.exec();
    if (s_exitCode)
        code = *s_exitCode;
    const auto windows = QApplication::topLevelWidgets();
    QList<QPointer<QWidget>> guarded(windows.cbegin(), windows.cend());
    for (const QPointer<QWidget> &w : guarded) {
        // Menus and other popups belong to their window and go with it.
        if (w && !w->parentWidget())
            delete w.data();
    }
    return code;
}

void setHooks(Hooks hooks)
{
    s_hooks = std::move(hooks);
}

void resetHooks()
{
    s_hooks = {};
    s_ending = false;
    s_exitCode.reset();
    QGuiApplication::setQuitOnLastWindowClosed(true);
}

} // namespace runtime

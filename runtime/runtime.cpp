// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "runtime/runtime.h"

#include "runtime/background.h"
#include "runtime/fonts.h"
#include "runtime/picturebox.h"
#include "runtime/textcolour.h"
#include "version.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

#include <cstdio>
#if defined(__GLIBC__)
#include <malloc.h>
#endif
#include <exception>
#include <future>
#include <memory>
#include <optional>

namespace runtime {
namespace {

bool s_ending = false;
// The window icon, read on a background thread while the first window loads.
bool s_windowIconRequested = false;
std::shared_future<QIcon> s_windowIcon;
std::optional<int> s_exitCode;
Hooks s_hooks;

void startReadingWindowIcon()
{
    if (s_windowIconRequested)
        return;
    s_windowIconRequested = true;
    auto promise = std::make_shared<std::promise<QIcon>>();
    s_windowIcon = promise->get_future().share();
    runInBackground([promise] { promise->set_value(QIcon(QStringLiteral(":/icons/sivane.ico"))); });
}

// Called before a window can be shown: from then on every window has the icon.
void setWindowIconOnceRead()
{
    startReadingWindowIcon();
    if (!s_windowIcon.valid())
        return;
    QApplication::setWindowIcon(s_windowIcon.get());
    s_windowIcon = {};
}

// The message box, or the recorder a test has put in its place.
Answer showMessageBox(const MessageBoxRequest &request, QMessageBox::Icon icon)
{
    if (s_hooks.messageBox)
        return s_hooks.messageBox(request);
    setWindowIconOnceRead();
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
    return Answer::Ok;
}

void realQuit(int exitCode)
{
    QCoreApplication::exit(exitCode);
}

// Closes every window at once. Only windows whose form unloads on close are destroyed;
// the main window is hidden and destroyed with the rest when the event loop has ended.
void closeAllWindows()
{
    const auto windows = QApplication::topLevelWidgets();
    QList<QPointer<QWidget>> guarded(windows.cbegin(), windows.cend());
    for (const QPointer<QWidget> &w : guarded) {
        if (w && w->isVisible())
            w->close();
    }
}

void closeAllAndQuit(int exitCode)
{
    s_exitCode = exitCode;
    QGuiApplication::setQuitOnLastWindowClosed(false);
    closeAllWindows();
    (s_hooks.quit ? s_hooks.quit : realQuit)(exitCode);
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
    if (className == QLatin1String("runtime::PictureBox") && object && object->isWidgetType())
        return new PictureAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

// The windows name the fonts of their descriptions; free faces, carried inside the program,
// stand in for them so that text measures the same on every machine.
void substituteFonts()
{
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("PT Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    // The heavy face is the nearest free match to the width of the weight window's labels:
    // each within 3 px of its designed width. Only its bold oblique style is carried, so
    // every weight asked of it is drawn heavy, as the face it stands in for has no other.
    QFont::insertSubstitution(QStringLiteral("Arial Black"), QStringLiteral("Bitstream Vera Sans"));
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
    // The pictures and the icon are read beside the main thread from here, once the window
    // is built: building it loads Qt's image decoders (the menu bar's style icons), and
    // background threads reading pictures meanwhile would only keep the main thread waiting
    // for the plugin loader.
    startReadingWindowIcon();
    const auto pictures = window->findChildren<PictureBox *>();
    for (PictureBox *picture : pictures)
        picture->decodeAhead();
    window->ensurePolished();
    applyColours(window);
    const auto labels = window->findChildren<QLabel *>();
    for (QLabel *label : labels) {
        if (label->property("autoSize").toBool()) {
            label->ensurePolished();
            label->setProperty("emptySize", label->size());
            setCaption(label, label->text());
        }
    }
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    // A main window's size follows its fixed client area and its menu bar.
    if (auto *main = qobject_cast<QMainWindow *>(window))
        main->layout()->setSizeConstraint(QLayout::SetFixedSize);
    setWindowIconOnceRead();
}

Answer msgBox(const QString &prompt, Buttons buttons, const QString &title, QWidget *parent)
{
    const MessageBoxRequest request { prompt, buttons,
        title.isEmpty() ? QCoreApplication::applicationName() : title, parent };
    return showMessageBox(request, QMessageBox::NoIcon);
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
    showMessageBox({ QStringLiteral("Run-time error:\n\n") + message, Buttons::OkOnly,
                       QCoreApplication::applicationName() },
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
#if defined(__GLIBC__)
    // Blocks of 128 KiB and more (the layout of a long line of text, a decoded picture) are
    // mapped on their own and go back to the system when freed. The C library would raise
    // this threshold once such a block is freed, and the later ones would then stay in the
    // heap as resident memory: some 2 MB after a thousand long pastes.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
    app.setApplicationName(QStringLiteral("Sivane"));
    app.setApplicationVersion(QString::fromLatin1(sivane::version));
    app.setDesktopFileName(QString::fromLatin1(sivane::appId));
    substituteFonts();
    // The window default font; the descriptions name only the fonts that differ from it.
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    // Glyphs hinted vertically only keep their designed widths, so labels sized to their text
    // measure the same whatever hinting the desktop asks for.
    font.setHintingPreference(QFont::PreferVerticalHinting);
    installFonts(app, font);
    QAccessible::installFactory(accessibleFactory);
}

int exec(QApplication &app)
{
    setWindowIconOnceRead();
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

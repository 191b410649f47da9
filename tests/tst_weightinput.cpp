// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "runtime/runtime.h"
#include "runtime/textbox.h"
#include "testsupport.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

// What the weight box shows is what is converted: the user's decimal separator, the digits
// of every script, no invisible characters, a paste cut at a character boundary, the "too
// large" box once, and Undo within a bounded history.
namespace {

// Keys as typed: "\b" is Backspace, "\x1a" Ctrl+Z, "\x19" Ctrl+Y, every other character
// (a surrogate pair as one) a key that types it.
void typeKeys(QLineEdit *input, const QString &keys)
{
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const QChar c = keys[i];
        if (c == u'\b') {
            QTest::keyClick(input, Qt::Key_Backspace);
        } else if (c == u'\x1a') {
            QTest::keyClick(input, Qt::Key_Z, Qt::ControlModifier);
        } else if (c == u'\x19') {
            QTest::keyClick(input, Qt::Key_Y, Qt::ControlModifier);
        } else if (c.unicode() < 0x80) {
            QTest::keyClicks(input, QString(c));
        } else {
            const qsizetype n = c.isHighSurrogate() && i + 1 < keys.size() ? 2 : 1;
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, keys.sliced(i, n));
            QApplication::sendEvent(input, &press);
            QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, keys.sliced(i, n));
            QApplication::sendEvent(input, &release);
            i += n - 1;
        }
    }
}

bool hasUnpairedSurrogate(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            return true;
    }
    return false;
}

const QString tooLarge = QString(100'000, u'9');
const QStringList allEmpty(8, QString());

} // namespace

class tst_WeightInput : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initialiseRuntimeForTests(); }
    void init();
    void cleanup();

    void decimalSeparatorOfTheUser_data();
    void decimalSeparatorOfTheUser();
    void shownTextIsConverted_data();
    void shownTextIsConverted();
    void invisibleCharactersAreRemoved_data();
    void invisibleCharactersAreRemoved();
    void longPasteIsCutAtACharacter_data();
    void longPasteIsCutAtACharacter();
    void tooLargeBoxOnce_data();
    void tooLargeBoxOnce();
    void tooLargeBoxOpensOverTheWindow();
    void undoAndRedo_data();
    void undoAndRedo();
    void undoHistoryIsBounded_data();
    void undoHistoryIsBounded();
    void contextMenuUndoesLongPaste();
    void inputMethodSelectionKeepsItsDirection_data();
    void inputMethodSelectionKeepsItsDirection();

private:
    // Stands in for the message box, so that none blocks and each is counted.
    std::optional<RuntimeRecorder> m_runtime;
};

void tst_WeightInput::init()
{
    QLocale::setDefault(QLocale::c());
    m_runtime.emplace();
}

void tst_WeightInput::cleanup()
{
    m_runtime.reset();
    QLocale::setDefault(QLocale::c());
}

// The window reads and writes the user's decimal separator; that a comma ends the number where
// the full stop is the separator is the conversion's rule, tested in tst_numbertext.
void tst_WeightInput::decimalSeparatorOfTheUser_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("mercury");
    QTest::addColumn<QString>("jupiter");

    // clang-format off
    QTest::newRow("de_DE reads the comma")        << u"de_DE"_s << u"70,5"_s << u"26,085"_s << u"204,45"_s;
    QTest::newRow("ar_EG reads its separator")
        << u"ar_EG"_s << u"70\u066B5"_s << u"26\u066B085"_s << u"204\u066B45"_s;
    // clang-format on
}

void tst_WeightInput::decimalSeparatorOfTheUser()
{
    QFETCH(QString, locale);
    QFETCH(QString, typed);
    QFETCH(QString, mercury);
    QFETCH(QString, jupiter);

    QLocale::setDefault(QLocale(locale));
    ShownWeightWindow window;
    QVERIFY(window.exposed());
    typeKeys(window.input(), typed);

    QCOMPARE(window.input()->text(), typed);
    QCOMPARE(window.mercury(), mercury);
    QCOMPARE(window.box(5)->text(), jupiter);
}

// The box reads what it shows by the conversion's rule, whose own tests hold every script and
// every kind of space; these rows show that the window reads its box by that rule.
void tst_WeightInput::shownTextIsConverted_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("mercury");

    // clang-format off
    QTest::newRow("Arabic-Indic digits")                << u"\u0667\u0660"_s << u"25.9"_s;
    QTest::newRow("mathematical digits beyond 16 bits") << u"\U0001D7D5\U0001D7CE"_s << u"25.9"_s;
    QTest::newRow("no-break space")                     << u"1\u00A0000"_s << u"370"_s;
    QTest::newRow("line separator, shown as a space")   << u"1\u2028000"_s << u"370"_s;
    // clang-format on
}

void tst_WeightInput::shownTextIsConverted()
{
    QFETCH(QString, typed);
    QFETCH(QString, mercury);

    ShownWeightWindow window;
    QVERIFY(window.exposed());
    paste(window.input(), typed);

    QCOMPARE(window.input()->text(), typed);
    QCOMPARE(window.mercury(), mercury);
}

// Pasted or typed, a format, control or default-ignorable character never reaches the box,
// so the box shows the digits in the order they are converted.
void tst_WeightInput::invisibleCharactersAreRemoved_data()
{
    QTest::addColumn<QString>("invisible");

    // clang-format off
    QTest::newRow("zero-width space")                  << u"\u200B"_s;
    QTest::newRow("right-to-left override")            << u"\u202E"_s;
    QTest::newRow("byte-order mark")                   << u"\uFEFF"_s;
    QTest::newRow("language tag, beyond 16 bits")      << u"\U000E0001"_s;
    QTest::newRow("tab")                               << u"\t"_s;
    QTest::newRow("escape")                            << u"\u001B"_s;
    QTest::newRow("variation selector beyond 16 bits") << u"\U000E0100"_s;
    QTest::newRow("Hangul filler")                     << u"\u3164"_s;
    // clang-format on
}

void tst_WeightInput::invisibleCharactersAreRemoved()
{
    QFETCH(QString, invisible);

    ShownWeightWindow window;
    QVERIFY(window.exposed());
    QLineEdit *input = window.input();

    // Pasted before, between and after the digits: the cursor stays after the paste.
    paste(input, invisible + u"7"_s + invisible + invisible + u"0"_s + invisible);
    QCOMPARE(input->text(), u"70"_s);
    QCOMPARE(input->cursorPosition(), 2);
    QCOMPARE(window.mercury(), u"25.9"_s);

    // Typed in the middle: the cursor stays where it was, and the next key lands there.
    input->setCursorPosition(1);
    typeKeys(input, invisible);
    QCOMPARE(input->text(), u"70"_s);
    QCOMPARE(input->cursorPosition(), 1);
    QTest::keyClicks(input, u"5"_s);
    QCOMPARE(input->text(), u"750"_s);
}

void tst_WeightInput::longPasteIsCutAtACharacter_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("mercury");

    const QString emoji = u"\U0001F600"_s;
    const QString filler(32764, u'a');
    QTest::newRow("a pair across the limit is left out")
        << u"70"_s << 2 << filler + emoji << u"70"_s + filler << u"25.9"_s;
    QTest::newRow("a pair that ends at the limit is kept")
        << u"7"_s << 1 << u"0"_s + filler.chopped(1) + emoji << u"70"_s + filler.chopped(1) + emoji
        << u"25.9"_s;
    QTest::newRow("cut in the middle of the text")
        << u"70"_s << 1 << filler + emoji << u"7"_s + filler + u"0"_s << u"2.59"_s;
    QTest::newRow("pairs only, cut at the limit")
        << QString() << 0 << emoji.repeated(16384) << emoji.repeated(16383) << u"0"_s;
}

void tst_WeightInput::longPasteIsCutAtACharacter()
{
    QFETCH(QString, before);
    QFETCH(int, cursor);
    QFETCH(QString, pasted);
    QFETCH(QString, expected);
    QFETCH(QString, mercury);

    ShownWeightWindow window;
    QVERIFY(window.exposed());
    QLineEdit *input = window.input();
    typeKeys(input, before);
    input->setCursorPosition(cursor);
    paste(input, pasted);

    QVERIFY(!hasUnpairedSurrogate(input->text()));
    QCOMPARE(input->text().size(), expected.size());
    QCOMPARE(input->text(), expected);
    QCOMPARE(window.mercury(), mercury);
}

// The box comes when the weight becomes too large, not again while it stays too large; the
// boxes it cannot fill stay empty and every key reaches Text1.
void tst_WeightInput::tooLargeBoxOnce_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("boxes");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QStringList>("expected");

    const QString full(32767, u'9');
    QTest::newRow("100,000 nines, then Backspace five times")
        << tooLarge << u"\b\b\b\b\b"_s << 1 << QString(32762, u'9') << allEmpty;
    QTest::newRow("100,000 nines, then digits typed")
        << tooLarge << u"\b\b12"_s << 1 << QString(32765, u'9') + u"12"_s << allEmpty;
    QTest::newRow("from Jupiter's overflow to a weight out of range")
        << QString() << u"1e3080"_s << 1 << u"1e3080"_s << allEmpty;
    QTest::newRow("back in range converts at once")
        << QString() << u"1e309\b\b\b\b70"_s << 1 << u"170"_s
        << QStringList { u"62.9"_s, u"154.53"_s, u"62.9"_s, u"493"_s, u"178.5"_s, u"146.54"_s,
               u"193.8"_s, u"10.71"_s };
    QTest::newRow("too large a second time, a second box")
        << QString() << u"1e309\b9"_s << 2 << u"1e309"_s << allEmpty;
    QTest::newRow("Jupiter's overflow keeps the three before it")
        << QString() << u"1e308"_s << 1 << u"1e308"_s
        << QStringList { u"3.7E+307"_s, u"9.09E+307"_s, u"3.7E+307"_s, QString(), QString(),
               QString(), QString(), QString() };
    QTest::newRow("a negative product overflows like a positive one")
        << QString() << u"-1e308"_s << 1 << u"-1e308"_s
        << QStringList { u"-3.7E+307"_s, u"-9.09E+307"_s, u"-3.7E+307"_s, QString(), QString(),
               QString(), QString(), QString() };
    QTest::newRow("cleared with Ctrl+A and Backspace, then typed again")
        << tooLarge << u"\x01\b7"_s << 1 << u"7"_s
        << QStringList { u"2.59"_s, u"6.363"_s, u"2.59"_s, u"20.3"_s, u"7.35"_s, u"6.034"_s,
               u"7.98"_s, u"0.441"_s };
}

void tst_WeightInput::tooLargeBoxOnce()
{
    QFETCH(QString, pasted);
    QFETCH(QString, keys);
    QFETCH(int, boxes);
    QFETCH(QString, input);
    QFETCH(QStringList, expected);

    ShownWeightWindow window;
    QVERIFY(window.exposed());
    QLineEdit *text1 = window.input();
    if (!pasted.isEmpty())
        paste(text1, pasted);
    for (QChar c : keys) {
        if (c == u'\x01')
            QTest::keyClick(text1, Qt::Key_A, Qt::ControlModifier);
        else
            typeKeys(text1, QString(c));
    }

    QCOMPARE(m_runtime->boxes.size(), boxes);
    for (const runtime::MessageBoxRequest &request : std::as_const(m_runtime->boxes)) {
        QCOMPARE(request.title, u"Sivane"_s);
        QCOMPARE(request.parent, &window);
        QVERIFY2(request.prompt.contains(u"too large"_s), qPrintable(request.prompt));
    }
    QCOMPARE(text1->text(), input);
    QCOMPARE(window.results(), expected);
}

// The real box: application-modal, titled "Sivane", over the weight window.
void tst_WeightInput::tooLargeBoxOpensOverTheWindow()
{
    m_runtime.reset();
    ShownWeightWindow window;
    QVERIFY(window.exposed());

    // What the box was while it was open; it is gone by the time keyClicks returns.
    QWidget *parent = nullptr;
    Qt::WindowModality modality = Qt::NonModal;
    QString title;
    const MessageBoxUser user([&](QMessageBox *box) {
        parent = box->parentWidget();
        modality = box->windowModality();
        title = box->windowTitle();
        QTest::keyClick(box, Qt::Key_Escape);
    });
    QTest::keyClicks(window.input(), u"1e309"_s);

    QVERIFY(user.seen());
    QCOMPARE(parent, &window);
    QCOMPARE(modality, Qt::ApplicationModal);
    QCOMPARE(title, u"Sivane"_s);
    QCOMPARE(window.input()->text(), u"1e309"_s);
}

void tst_WeightInput::undoAndRedo_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("mercury");

    // clang-format off
    QTest::newRow("undo the last key")          << u"70\x1a"_s << u"7"_s << u"2.59"_s;
    QTest::newRow("undo every key")             << u"70\x1a\x1a"_s << QString() << u"0"_s;
    QTest::newRow("undo past the start")        << u"7\x1a\x1a\x1a"_s << QString() << u"0"_s;
    QTest::newRow("undo a Backspace")           << u"70\b\x1a"_s << u"70"_s << u"25.9"_s;
    QTest::newRow("redo what was undone")       << u"70\x1a\x1a\x19"_s << u"7"_s << u"2.59"_s;
    QTest::newRow("a new key drops the redo")   << u"70\x1a" "5\x19"_s << u"75"_s << u"27.75"_s;
    QTest::newRow("undo an invisible character's removal is nothing")
        << u"7\u200B\x1a"_s << QString() << u"0"_s;
    // clang-format on
}

void tst_WeightInput::undoAndRedo()
{
    QFETCH(QString, keys);
    QFETCH(QString, input);
    QFETCH(QString, mercury);

    ShownWeightWindow window;
    QVERIFY(window.exposed());
    typeKeys(window.input(), keys);

    QCOMPARE(window.input()->text(), input);
    QCOMPARE(window.mercury(), mercury);
}

// Undo goes back over the recent edits only, however edits, undos and redos came; the line
// edit's own history is emptied after every change.
void tst_WeightInput::undoHistoryIsBounded_data()
{
    // Keys as typeKeys() takes them, "P" for a paste of a new 32,767-character text over the
    // whole text, and "S" for a paste of the same text again.
    QTest::addColumn<QString>("actions");
    QTest::addColumn<int>("least");
    QTest::addColumn<int>("most");

    QTest::newRow("300 keys keep at most 100 steps") << u"0123456789"_s.repeated(30) << 20 << 100;
    QTest::newRow("20 long pastes keep at most four") << u"7"_s + u"P"_s.repeated(20) << 1 << 4;
    QTest::newRow("long pastes undone, redone and typed over keep at most four")
        << u"7"_s + u"P\x1akPP\x1a\x1a\x19P"_s.repeated(5) + u"P"_s.repeated(10) << 1 << 4;
    QTest::newRow("identical long pastes add no step") << u"7P"_s + u"S"_s.repeated(20) << 2 << 2;
}

void tst_WeightInput::undoHistoryIsBounded()
{
    QFETCH(QString, actions);
    QFETCH(int, least);
    QFETCH(int, most);

    ShownWeightWindow window;
    QVERIFY(window.exposed());
    auto *input = qobject_cast<runtime::TextBox *>(window.input());
    QVERIFY(input);
    int pastes = 0;
    for (QChar action : actions) {
        if (action == u'P' || action == u'S') {
            input->selectAll();
            pastes += action == u'P';
            paste(input, QString(32767, QChar(u'0' + pastes % 9)));
        } else {
            typeKeys(input, action);
        }
        QVERIFY(!input->isUndoAvailable());
    }
    int undone = 0;
    while (input->canUndo() && undone < 1000) {
        QTest::keyClick(input, Qt::Key_Z, Qt::ControlModifier);
        ++undone;
    }
    QVERIFY2(undone >= least && undone <= most, qPrintable(QString::number(undone)));
}

// The context menu's Undo and Redo go through the box's own history, which alone holds the
// paste.
void tst_WeightInput::contextMenuUndoesLongPaste()
{
    ShownWeightWindow window;
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QLineEdit *input = window.input();
    QTest::keyClicks(input, u"70"_s);
    paste(input, u"."_s + QString(32000, u'0'));

    for (const QString &command : { u"&Undo"_s, u"&Redo"_s }) {
        QContextMenuEvent event(
            QContextMenuEvent::Mouse, QPoint(5, 5), input->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(input, &event);
        QTRY_VERIFY(qobject_cast<QMenu *>(QApplication::activePopupWidget()));
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        const auto actions = menu->actions();
        const auto found = std::find_if(actions.begin(), actions.end(),
            [&](QAction *action) { return action->text().startsWith(command); });
        QVERIFY2(found != actions.end(), qPrintable(command));
        QVERIFY((*found)->isEnabled());
        (*found)->trigger();
        menu->close();
        QCOMPARE(input->text().size(), command == u"&Undo"_s ? 2 : 32003);
    }
    QCOMPARE(window.mercury(), u"25.9"_s);
}

// An input method may commit text and select it in one event, from either end; emptying the
// line edit's history afterwards keeps the cursor at the end the selection was made from.
void tst_WeightInput::inputMethodSelectionKeepsItsDirection_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("cursor");
    QTest::newRow("selected backwards, the cursor stays at the start") << 2 << -2 << 0;
    QTest::newRow("selected forwards, the cursor stays at the end") << 0 << 2 << 2;
}

void tst_WeightInput::inputMethodSelectionKeepsItsDirection()
{
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(int, cursor);
    ShownWeightWindow window;
    QVERIFY(window.exposed());
    QInputMethodEvent event(QString(), { { QInputMethodEvent::Selection, start, length } });
    event.setCommitString(u"70"_s);
    QApplication::sendEvent(window.input(), &event);
    QCOMPARE(window.input()->selectedText(), u"70"_s);
    QCOMPARE(window.input()->cursorPosition(), cursor);
}

QTEST_MAIN(tst_WeightInput)
#include "tst_weightinput.moc"

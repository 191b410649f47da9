// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "runtime/textbox.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QValidator>

#include <algorithm>
#include <utility>

namespace runtime {
namespace {

bool isHidden(char32_t c)
{
    const QChar::Category category = QChar::category(c);
    return category == QChar::Other_Format || category == QChar::Other_Control
        || isDefaultIgnorable(c);
}

// Keeps out of the box what it could not show as it is: format, control and default-ignorable
// characters, and the first half of a surrogate pair that the maximum length cut off.
class VisibleText : public QValidator
{
public:
    explicit VisibleText(QLineEdit *box)
        : QValidator(box)
        , m_box(box)
    { }

    State validate(QString &text, int &cursor) const override
    {
        // The line edit cuts an insertion that does not fit at the cursor, whatever is there.
        if (text.size() == m_box->maxLength() && cursor > 0 && text[cursor - 1].isHighSurrogate()
            && (cursor == text.size() || !text[cursor].isLowSurrogate())) {
            text.remove(cursor - 1, 1);
            --cursor;
        }

        qsizetype i = 0;
        while (i < text.size() && !isHidden(characterAt(text, i)))
            i += length(text, i);
        if (i == text.size())
            return Acceptable;
        QString kept = text.first(i);
        int keptCursor = cursor;
        while (i < text.size()) {
            const qsizetype n = length(text, i);
            if (isHidden(characterAt(text, i))) {
                if (i < cursor)
                    keptCursor -= int(std::min<qsizetype>(n, cursor - i));
            } else {
                kept += QStringView(text).sliced(i, n);
            }
            i += n;
        }
        text = kept;
        cursor = keptCursor;
        return Acceptable;
    }

private:
    static bool isPair(const QString &text, qsizetype i)
    {
        return text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
    }
    static qsizetype length(const QString &text, qsizetype i) { return isPair(text, i) ? 2 : 1; }
    static char32_t characterAt(const QString &text, qsizetype i)
    {
        return isPair(text, i) ? QChar::surrogateToUcs4(text[i], text[i + 1])
                               : char32_t(text[i].unicode());
    }

    QLineEdit *m_box;
};

int digitValue(char32_t c)
{
    return QChar::category(c) == QChar::Number_DecimalDigit ? QChar::digitValue(c) : -1;
}

bool isSpaceOrFormat(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Separator_Space:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
    case QChar::Other_Format:
        return true;
    default:
        return false;
    }
}

// How many characters an edit from before to after changed: what lies between their common
// start and their common end, on both sides.
qsizetype changedCharacters(QStringView before, QStringView after)
{
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype start = 0;
    while (start < shorter && before[start] == after[start])
        ++start;
    qsizetype end = 0;
    while (
        end < shorter - start && before[before.size() - 1 - end] == after[after.size() - 1 - end])
        ++end;
    return before.size() + after.size() - 2 * (start + end);
}

// The line edit's own history takes some 30 bytes per changed character; past this many
// entries it is emptied.
constexpr qsizetype lineEditHistoryLimit = 4096;

} // namespace

const UnicodeProperties &unicodeProperties()
{
    static const UnicodeProperties properties { digitValue, isSpaceOrFormat };
    return properties;
}

TextBox::TextBox(QWidget *parent)
    : QLineEdit(parent)
{
    setValidator(new VisibleText(this));
    connect(this, &QLineEdit::textChanged, this, &TextBox::textHasChanged);
}

void TextBox::textHasChanged(const QString &text)
{
    m_lineEditHistory += changedCharacters(m_current.text, text) + 1;
    // A removed invisible character is reported as a change that changed nothing.
    if (!m_restoring && text != m_current.text) {
        m_savedCharacters += m_current.text.size();
        m_undo.push_back(std::move(m_current));
        for (const State &state : m_redo)
            m_savedCharacters -= state.text.size();
        m_redo.clear();
        trimHistory();
    }
    m_current = { text, cursorPosition() };
    if (m_lineEditHistory > lineEditHistoryLimit)
        forgetLineEditHistory();
}

void TextBox::trimHistory()
{
    while (m_undo.size() > 1 && (m_undo.size() > undoSteps || m_savedCharacters > undoCharacters)) {
        m_savedCharacters -= m_undo.front().text.size();
        m_undo.pop_front();
    }
}

// Setting the same text empties the line edit's history without a change of the text; the
// cursor and the selection are put back.
void TextBox::forgetLineEditHistory()
{
    const int cursor = cursorPosition();
    const int selectionStart = this->selectionStart();
    const int selectionLength = this->selectionLength();
    const bool restoring = std::exchange(m_restoring, true);
    setText(text());
    m_restoring = restoring;
    if (selectionLength > 0 && cursor == selectionStart)
        setSelection(selectionStart + selectionLength, -selectionLength);
    else if (selectionLength > 0)
        setSelection(selectionStart, selectionLength);
    else
        setCursorPosition(cursor);
    m_lineEditHistory = 0;
}

void TextBox::restore(const State &state)
{
    m_restoring = true;
    setText(state.text);
    m_restoring = false;
    // setText() has emptied the line edit's own history.
    m_lineEditHistory = 0;
    setCursorPosition(state.cursor);
    m_current.cursor = state.cursor;
}

// One step back (from m_undo to m_redo) or forward (the other way): the state on top of
// `from` is shown, and the one it replaces goes on top of `to`.
template <typename From, typename To> void TextBox::stepThroughHistory(From &from, To &to)
{
    if (from.empty() || isReadOnly())
        return;
    State target = std::move(from.back());
    from.pop_back();
    m_savedCharacters += m_current.text.size() - target.text.size();
    to.push_back(m_current);
    restore(target);
}

void TextBox::undoEdit()
{
    stepThroughHistory(m_undo, m_redo);
}

void TextBox::redoEdit()
{
    stepThroughHistory(m_redo, m_undo);
}

void TextBox::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Undo)) {
        undoEdit();
        event->accept();
    } else if (event->matches(QKeySequence::Redo)) {
        redoEdit();
        event->accept();
    } else {
        QLineEdit::keyPressEvent(event);
    }
}

// The standard menu, with its Undo and Redo turned to this box's own history.
void TextBox::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu();
    const QString undoText = QLineEdit::tr("&Undo");
    const QString redoText = QLineEdit::tr("&Redo");
    const auto actions = menu->actions();
    for (QAction *action : actions) {
        const bool undo = action->text().startsWith(undoText);
        const bool redo = action->text().startsWith(redoText);
        if (!undo && !redo)
            continue;
        disconnect(action, &QAction::triggered, this, nullptr);
        connect(action, &QAction::triggered, this, undo ? &TextBox::undoEdit : &TextBox::redoEdit);
        action->setEnabled(!isReadOnly() && (undo ? canUndo() : canRedo()));
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

} // namespace runtime

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
    // A removed invisible character is reported as a change that changed nothing, and so is
    // the text that undoEdit() and redoEdit() put back.
    if (text != m_current.text) {
        m_undo.push_back(std::move(m_current));
        m_redo.clear();
        qsizetype saved = 0;
        for (const State &state : m_undo)
            saved += state.text.size();
        while (m_undo.size() > undoSteps || saved > undoCharacters) {
            saved -= m_undo.front().text.size();
            m_undo.pop_front();
        }
        m_current = { text, cursorPosition() };
    }
    forgetLineEditHistory();
}

// Setting the same text empties the line edit's history without a change of the text; the
// cursor and the selection are put back.
void TextBox::forgetLineEditHistory()
{
    const int cursor = cursorPosition();
    const int selectionStart = this->selectionStart();
    const int selectionLength = this->selectionLength();
    setText(text());
    if (selectionLength > 0 && cursor == selectionStart)
        setSelection(selectionStart + selectionLength, -selectionLength);
    else if (selectionLength > 0)
        setSelection(selectionStart, selectionLength);
    else
        setCursorPosition(cursor);
}

// One step back (from m_undo to m_redo) or forward (the other way): the state on top of
// `from` is shown, and the one it replaces goes on top of `to`.
template <typename From, typename To> void TextBox::stepThroughHistory(From &from, To &to)
{
    if (from.empty() || isReadOnly())
        return;
    to.push_back(std::exchange(m_current, std::move(from.back())));
    from.pop_back();
    setText(m_current.text);
    setCursorPosition(m_current.cursor);
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

// The standard menu, with its Undo and Redo turned to this box's own history. They are the
// first two actions of an editable box's menu in Qt 6.4 and 6.8 alike; their texts are
// translated, and Qt 6.4 gives them no object names. They still run the line edit's own Undo
// and Redo too, which do nothing: that history is emptied after every change.
void TextBox::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu();
    const auto actions = menu->actions();
    if (!isReadOnly() && actions.size() >= 2) {
        QAction *undo = actions[0];
        QAction *redo = actions[1];
        connect(undo, &QAction::triggered, this, &TextBox::undoEdit);
        connect(redo, &QAction::triggered, this, &TextBox::redoEdit);
        undo->setEnabled(canUndo());
        redo->setEnabled(canRedo());
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

} // namespace runtime

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#pragma once

#include "runtime/numbertext.h"

#include <QLineEdit>
#include <QString>

#include <deque>
#include <vector>

namespace runtime {

// The Unicode properties of the text-to-number rule, from Qt's tables.
const UnicodeProperties &unicodeProperties();

// An editable text box whose text is what it shows. Format, control and default-ignorable
// characters are removed as they are typed or pasted, so no direction override can reorder
// what is shown, and a paste cut at the maximum length never keeps half of a surrogate pair.
//
// Its undo history is its own and bounded: the last undoSteps edits, holding at most
// undoCharacters characters of saved text. Undo and Redo (keys and context menu) use it; the
// line edit's own history, which keeps every edit until the box is destroyed, is emptied
// whenever it has grown.
class TextBox : public QLineEdit
{
    Q_OBJECT

public:
    static constexpr std::size_t undoSteps = 100;
    static constexpr qsizetype undoCharacters = 128 * 1024;

    explicit TextBox(QWidget *parent = nullptr);

    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }

public slots:
    // Go back to the text before the last edit, and forward again.
    void undoEdit();
    void redoEdit();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    struct State
    {
        QString text;
        int cursor = 0;
    };

    void textHasChanged(const QString &text);
    void restore(const State &state);
    template <typename From, typename To> void stepThroughHistory(From &from, To &to);
    void forgetLineEditHistory();
    void trimHistory();

    std::deque<State> m_undo;
    std::vector<State> m_redo;
    // The text now shown, and the characters that m_undo and m_redo hold in all.
    State m_current;
    qsizetype m_savedCharacters = 0;
    // An estimate of the entries in the line edit's own history: characters changed plus one
    // per edit.
    qsizetype m_lineEditHistory = 0;
    bool m_restoring = false;
};

} // namespace runtime

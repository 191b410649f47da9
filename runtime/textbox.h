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
// Its undo history is its own and bounded: each edit keeps at most undoSteps earlier texts,
// of at most undoCharacters characters in all. Undo and Redo (keys and context menu) use it;
// the line edit's own history, which would keep every edit until the box is destroyed, is
// emptied after every change.
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
    void forgetLineEditHistory();
    template <typename From, typename To> void stepThroughHistory(From &from, To &to);

    std::deque<State> m_undo;
    std::vector<State> m_redo;
    // The text now shown.
    State m_current;
};

} // namespace runtime

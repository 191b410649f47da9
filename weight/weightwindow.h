// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#pragma once

#include "weight/weightconversion.h"

#include <QWidget>

#include <array>
#include <memory>

class QLineEdit;

namespace Ui {
class frmChange;
}

// The weight conversion window frmChange: the user types a weight on Earth into Text1 and
// the window shows the weights on eight bodies in the read-only boxes Text2 to Text9. Apart
// from the texts of its boxes it keeps one thing: whether the last weight was too large.
//
// The nine "kg" unit labels are one numbered group, Label10; the label with index n has the
// object name Label10_n. Their indexes follow no row order: Label10_8 is the Earth row.
// Label1 to Label9 are the buddies of Text1 to Text9, so assistive technology names each box
// after the label beside it.
//
// Text1's font prefers no text shaping: a weight is digits and signs, which need none, and
// without shaping a pasted line of 32,767 characters is laid out again on every keystroke
// well inside one frame.
class WeightWindow : public QWidget
{
    Q_OBJECT

public:
    explicit WeightWindow(QWidget *parent = nullptr);
    ~WeightWindow() override;

public slots:
    // Recomputes the eight results from Text1, Mercury first and Pluto last.
    void Text1_Change();

private:
    std::unique_ptr<Ui::frmChange> m_ui;
    // The result boxes in the order of weight::factors.
    std::array<QLineEdit *, weight::bodyCount> m_resultBoxes {};
    // The last weight could not be converted and the user has been told so.
    bool m_tooLarge = false;
};

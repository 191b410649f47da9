// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#pragma once

#include "ui_weightwindow.h"
#include "weight/weightconversion.h"

#include <QWidget>

#include <array>

class QLineEdit;

// The weight conversion window frmChange: the user types a weight on Earth into Text1 and
// the window shows the weights on eight bodies in the read-only boxes Text2 to Text9. Apart
// from the texts of its boxes it keeps one thing: whether the last weight was too large.
//
// The nine "kg" unit labels are one numbered group, Label10; the label with index n has the
// object name Label10_n (Label10_8 is the Earth row).
class WeightWindow : public QWidget
{
    Q_OBJECT

public:
    explicit WeightWindow(QWidget *parent = nullptr);

public slots:
    // Recomputes the eight results from Text1, Mercury first and Pluto last.
    void Text1_Change();

private:
    Ui::frmChange m_ui;
    // The result boxes in the order of weight::factors.
    std::array<QLineEdit *, weight::bodyCount> m_resultBoxes {};
    // The last weight could not be converted and the user has been told so.
    bool m_tooLarge = false;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#pragma once

#include "ui_aboutwindow.h"

#include <QWidget>

// The About window frmAbout: the program's name, the author's name, picture and e-mail
// address, and the author's school. It is entirely static: nothing in it takes the focus,
// reacts to a click or changes while it is open.
class AboutWindow : public QWidget
{
    Q_OBJECT

public:
    explicit AboutWindow(QWidget *parent = nullptr);

private:
    Ui::frmAbout m_ui;
};

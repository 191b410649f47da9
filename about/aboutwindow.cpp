// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "about/aboutwindow.h"

#include "about/author.h"
#include "about/ui_aboutwindow.h"
#include "runtime/runtime.h"

AboutWindow::AboutWindow(QWidget *parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::frmAbout>())
{
    m_ui->setupUi(this);
    // The address lives in one constant shared with the goodbye message; it is set before
    // the window is loaded so that the label is sized to it like every other caption.
    m_ui->Label5->setText(author::email.toString());
    runtime::load(this);
}

AboutWindow::~AboutWindow() = default;

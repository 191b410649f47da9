// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class frmAbout;
}

// The About window frmAbout: the program's name, the author's name, picture and e-mail
// address, and the author's school. It is entirely static: nothing in it takes the focus,
// reacts to a click or changes while it is open.
//
// Its description, aboutwindow.ui, lists the controls inside Frame1 from back to front: a
// later one paints over an earlier one. Label1's opaque box covers the left part of
// Label2's, so Label2 must come after it or the author's name would be hidden. Label5's
// caption, the author's e-mail address, is not in the description: the constructor sets it
// from the constant the window shares with the goodbye message. The school line names the
// school alone, so that, sized to its text from its design place at x 216, it stays inside
// the frame.
class AboutWindow : public QWidget
{
    Q_OBJECT

public:
    explicit AboutWindow(QWidget *parent = nullptr);
    ~AboutWindow() override;

private:
    std::unique_ptr<Ui::frmAbout> m_ui;
};

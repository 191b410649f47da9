// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#pragma once

#include <QWidget>

#include <memory>

class FactModel;

namespace Ui {
class frmCompare;
}

// The Compare Planets window frmCompare: every fact of every planet in one table, tblFacts,
// and the fact of the table's current row drawn as bars in chtFacts. Both views show the one
// FactModel and share the table's selection model; the window keeps no state beyond what its
// controls hold. It is resizable and scrolls what does not fit. Ctrl+C and the table's
// context menu copy the selected cells as tab-separated text.
class CompareWindow : public QWidget
{
    Q_OBJECT

public:
    explicit CompareWindow(QWidget *parent = nullptr);
    ~CompareWindow() override;

    // Makes fact 1 to 22 the current row of the table, and so the fact the chart shows.
    void chooseFact(int fact);

public slots:
    void copySelection();

private:
    void factChosen(int fact);

    std::unique_ptr<Ui::frmCompare> m_ui;
    FactModel *m_model;
};

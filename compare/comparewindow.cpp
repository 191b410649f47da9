// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "compare/comparewindow.h"

#include "catalogue/catalogue.h"
#include "compare/factmodel.h"
#include "compare/ui_comparewindow.h"
#include "runtime/runtime.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>

#include <algorithm>

CompareWindow::CompareWindow(QWidget *parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::frmCompare>())
    , m_model(new FactModel(this))
{
    m_ui->setupUi(this);
    QTableView *table = m_ui->tblFacts;
    table->setModel(m_model);
    // Rows as tall as a line of text, without measuring every cell for it.
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->horizontalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    table->verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    // The table's own Ctrl+C copies one cell; this copies the selection as a table.
    auto *copy = new QAction(QStringLiteral("&Copy"), table);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(copy, &QAction::triggered, this, runtime::handler([this] { copySelection(); }));
    auto *selectAll = new QAction(QStringLiteral("Select &All"), table);
    selectAll->setShortcut(QKeySequence::SelectAll);
    selectAll->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(selectAll, &QAction::triggered, table, &QTableView::selectAll);
    table->addActions({ copy, selectAll });

    BarChart *chart = m_ui->chtFacts;
    connect(chart, &BarChart::factChanged, this,
        runtime::handler([this, chart] { factChosen(chart->fact() + 1); }));
    connect(chart, &BarChart::scaleChanged, this, runtime::handler([this, chart] {
        const QSignalBlocker blocker(m_ui->chkLogarithmic);
        m_ui->chkLogarithmic->setChecked(chart->isLogarithmic());
    }));
    chart->setModel(m_model, table->selectionModel());
    connect(m_ui->chkLogarithmic, &QCheckBox::toggled, this, runtime::handler([this, chart] {
        chart->setLogarithmic(m_ui->chkLogarithmic->isChecked());
    }));
    connect(m_ui->cboOrder, &QComboBox::currentIndexChanged, this, runtime::handler([this, chart] {
        chart->setOrder(BarChart::Order(m_ui->cboOrder->currentIndex()));
    }));

    // The texts never change, so the columns are measured once; a header that resized to its
    // contents would measure all 198 cells again at every change of the current cell.
    table->resizeColumnsToContents();
    chooseFact(1);

    // The chart keeps the height its nine bars need; the table, which scrolls, takes what is
    // left, and the chart scrolls sideways in a window narrower than its labels.
    m_ui->splitter->setStretchFactor(0, 1);
    m_ui->splitter->setStretchFactor(1, 0);
    m_ui->scrChart->setMinimumHeight(chart->sizeHint().height() + 2 * m_ui->scrChart->frameWidth());
    table->setFocus();
}

CompareWindow::~CompareWindow() = default;

void CompareWindow::chooseFact(int fact)
{
    Q_ASSERT(fact >= 1 && fact <= catalogue::factCount);
    if (fact < 1 || fact > catalogue::factCount) {
        runtime::fatal(QStringLiteral("There is no fact %1 to compare").arg(fact));
        return;
    }
    QTableView *table = m_ui->tblFacts;
    const int column = std::max(0, table->currentIndex().column());
    const QModelIndex cell = m_model->index(fact - 1, column);
    table->selectionModel()->setCurrentIndex(
        cell, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    table->scrollTo(cell);
}

void CompareWindow::copySelection()
{
    const QString text
        = tabSeparated(*m_model, m_ui->tblFacts->selectionModel()->selectedIndexes());
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

// The chart's title, its scale box and the announcement follow the fact it shows.
void CompareWindow::factChosen(int fact)
{
    BarChart *chart = m_ui->chtFacts;
    const QString caption = chart->factCaption();
    m_ui->lblFact->setText(caption);
    m_ui->chkLogarithmic->setEnabled(chart->canBeLogarithmic());
    m_ui->chkLogarithmic->setToolTip(chart->canBeLogarithmic()
            ? QString()
            : QStringLiteral("A logarithmic scale cannot show zero or negative values"));
    // Said once the window is up: the fact it opens with is said by its title and table.
    if (fact >= 1 && isVisible())
        runtime::announce(this, caption + QStringLiteral(", ") + chart->scaleName());
}

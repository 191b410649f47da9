// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#pragma once

#include "catalogue/factvalue.h"

#include <QPointer>
#include <QWidget>

#include <vector>

class QAbstractItemModel;
class QItemSelectionModel;

// One row of a table model drawn as horizontal bars, a bar for each column: the fact that
// is current in the selection model it follows, over the planets. It reads the model as it
// paints (the display role for each bar's label, FactModel::ValueRole for its length) and
// keeps none of it. It draws with the palette only.
//
// A range is drawn from its low end to its high end as an open box; a negative rotational
// period as a hatched bar of the period's length, which the legend calls retrograde. The
// scale is logarithmic where every value is positive and the largest is at least 100 times
// the smallest, linear (from a zero line) otherwise, and the user may switch it where every
// length is positive. Assistive technology sees the chart, named after its fact and scale,
// with a child for each bar (barchartaccessible.h).
class BarChart : public QWidget
{
    Q_OBJECT

public:
    enum class Order { Catalogue, Ascending, Descending };

    struct Bar
    {
        int column = 0;
        QString name; // the column's header: the planet
        QString text; // the cell's text, exactly
        catalogue::FactValue value;
        bool retrograde = false; // drawn as its length, marked
        double measure = 0; // what the bar's length shows, for the order
    };

    explicit BarChart(QWidget *parent = nullptr);

    void setModel(QAbstractItemModel *model, QItemSelectionModel *selection);

    // The model row shown; -1 before the selection model has a current row.
    int fact() const { return m_fact; }
    QString factCaption() const;

    Order order() const { return m_order; }
    void setOrder(Order order);

    bool isLogarithmic() const { return m_logarithmic; }
    // Whether a logarithmic scale can show every bar: every length is positive.
    bool canBeLogarithmic() const;
    // The scale a fact opens with.
    bool prefersLogarithmic() const;
    void setLogarithmic(bool logarithmic);
    QString scaleName() const;

    // The bars in the order drawn.
    std::vector<Bar> bars() const;
    // A bar's row in the chart's coordinates, and what a screen reader says of it.
    QRect barRow(int position) const;
    QString barName(int position) const;
    QString barDescription(int position) const;
    // The bar that has the keyboard focus within the chart.
    int currentBar() const { return m_currentBar; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // A new fact is shown, with the scale it opens with.
    void factChanged(int fact);
    void scaleChanged(bool logarithmic);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    struct Geometry;
    Geometry geometry() const;
    QColor barColour() const;
    void showFact(int fact);
    void shownChanged();
    void setCurrentBar(int position);

    QPointer<QAbstractItemModel> m_model;
    int m_fact = -1;
    Order m_order = Order::Catalogue;
    bool m_logarithmic = false;
    int m_currentBar = 0;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "compare/barchart.h"

#include "catalogue/catalogue.h"
#include "compare/barchartaccessible.h"
#include "compare/factmodel.h"
#include "runtime/textcolour.h"

#include <QAbstractItemModel>
#include <QEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr int margin = 8;
constexpr int gap = 12; // between a bar's name, its bar and its text
// The ratio of the largest value to the smallest from which a fact opens logarithmic.
constexpr double logarithmicRatio = 100;

QString legendRetrograde()
{
    return QStringLiteral("Retrograde rotation (negative in the table): drawn as its length");
}
QString legendRange()
{
    return QStringLiteral("Range: from its low end to its high end");
}

int rowHeight(const QFontMetrics &metrics)
{
    return metrics.height() + 6;
}

// The chart's height for `rows` bars: the rows, the axis with its values and its scale's
// name, and the legend.
int chartHeight(const QFontMetrics &metrics, int rows)
{
    return margin + rows * rowHeight(metrics) + 4 + 6 + 2 * metrics.height() + 6 + metrics.height()
        + margin;
}

} // namespace

// Where everything is drawn, in the chart's coordinates, and the scale's mapping.
struct BarChart::Geometry
{
    int rowHeight = 0;
    int nameLeft = 0;
    int nameWidth = 0;
    int plotLeft = 0;
    int plotRight = 0;
    int rowsTop = margin;
    int axisTop = 0;
    int legendTop = 0;
    double low = 0; // the domain, in the scale's units (log10 on a logarithmic scale)
    double high = 1;
    bool logarithmic = false;
    std::vector<double> ticks; // in values

    double x(double value) const
    {
        const double v = logarithmic ? std::log10(value) : value;
        return plotLeft + (v - low) / (high - low) * (plotRight - plotLeft);
    }
};

BarChart::BarChart(QWidget *parent)
    : QWidget(parent)
{
    installBarChartAccessibility();
    setBackgroundRole(QPalette::Base);
    setForegroundRole(QPalette::Text);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
}

void BarChart::setModel(QAbstractItemModel *model, QItemSelectionModel *selection)
{
    m_model = model;
    connect(selection, &QItemSelectionModel::currentRowChanged, this,
        [this](const QModelIndex &current) { showFact(current.row()); });
    connect(model, &QAbstractItemModel::dataChanged, this, [this] { shownChanged(); });
    showFact(selection->currentIndex().row());
}

QString BarChart::factCaption() const
{
    if (!m_model || m_fact < 0)
        return {};
    return m_model->headerData(m_fact, Qt::Vertical, Qt::DisplayRole).toString();
}

void BarChart::showFact(int fact)
{
    if (fact == m_fact)
        return;
    m_fact = fact;
    m_logarithmic = prefersLogarithmic();
    m_currentBar = 0;
    shownChanged();
    emit factChanged(fact);
    emit scaleChanged(m_logarithmic);
}

void BarChart::setOrder(Order order)
{
    if (order == m_order)
        return;
    m_order = order;
    shownChanged();
}

void BarChart::setLogarithmic(bool logarithmic)
{
    logarithmic = logarithmic && canBeLogarithmic();
    if (logarithmic == m_logarithmic)
        return;
    m_logarithmic = logarithmic;
    shownChanged();
    emit scaleChanged(m_logarithmic);
}

QString BarChart::scaleName() const
{
    return m_logarithmic ? QStringLiteral("logarithmic scale") : QStringLiteral("linear scale");
}

bool BarChart::canBeLogarithmic() const
{
    const auto shown = bars();
    return std::any_of(shown.cbegin(), shown.cend(), [](const Bar &bar) {
        return bar.value.kind != catalogue::FactValue::Kind::None;
    }) && std::all_of(shown.cbegin(), shown.cend(), [](const Bar &bar) {
        return bar.value.kind == catalogue::FactValue::Kind::None
            || (bar.retrograde ? -bar.value.high : bar.value.low) > 0;
    });
}

// Decided on the values as the table shows them: a negative one, even a retrograde period,
// keeps the fact linear.
bool BarChart::prefersLogarithmic() const
{
    double smallest = INFINITY;
    double largest = 0;
    for (const Bar &bar : bars()) {
        if (bar.value.kind == catalogue::FactValue::Kind::None)
            continue;
        if (bar.value.low <= 0)
            return false;
        smallest = std::min(smallest, bar.value.low);
        largest = std::max(largest, bar.value.high);
    }
    return largest > 0 && largest >= logarithmicRatio * smallest;
}

std::vector<BarChart::Bar> BarChart::bars() const
{
    std::vector<Bar> shown;
    if (!m_model || m_fact < 0)
        return shown;
    const bool rotation = catalogue::isRotationPeriod(m_fact + 1);
    for (int column = 0; column < m_model->columnCount(); ++column) {
        const QModelIndex cell = m_model->index(m_fact, column);
        Bar bar;
        bar.column = column;
        bar.name = m_model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        bar.text = cell.data(Qt::DisplayRole).toString();
        bar.value = cell.data(FactModel::ValueRole).value<catalogue::FactValue>();
        bar.retrograde = rotation && bar.value.high < 0;
        bar.measure = bar.retrograde ? -bar.value.low : (bar.value.low + bar.value.high) / 2;
        shown.push_back(bar);
    }
    if (m_order != Order::Catalogue) {
        // Planets without a value stay at the end either way.
        const bool ascending = m_order == Order::Ascending;
        std::stable_sort(shown.begin(), shown.end(), [ascending](const Bar &a, const Bar &b) {
            const bool aNone = a.value.kind == catalogue::FactValue::Kind::None;
            const bool bNone = b.value.kind == catalogue::FactValue::Kind::None;
            if (aNone || bNone)
                return !aNone && bNone;
            return ascending ? a.measure < b.measure : a.measure > b.measure;
        });
    }
    return shown;
}

BarChart::Geometry BarChart::geometry() const
{
    Geometry g;
    const QFontMetrics metrics = fontMetrics();
    const auto shown = bars();
    g.rowHeight = rowHeight(metrics);
    g.nameLeft = margin;
    int valueWidth = metrics.horizontalAdvance(QString::fromUtf16(noValue));
    for (const Bar &bar : shown) {
        g.nameWidth = std::max(g.nameWidth, metrics.horizontalAdvance(bar.name));
        valueWidth = std::max(valueWidth, metrics.horizontalAdvance(bar.text));
    }
    // Each bar's text stands just beyond its end, so the plot leaves room for the longest.
    g.plotLeft = g.nameLeft + g.nameWidth + gap;
    g.plotRight = std::max(g.plotLeft + 60, width() - margin - gap / 2 - valueWidth);
    g.axisTop = g.rowsTop + int(shown.size()) * g.rowHeight + 4;
    g.legendTop = g.axisTop + 6 + 2 * metrics.height() + 6;
    g.logarithmic = m_logarithmic;

    double low = INFINITY;
    double high = -INFINITY;
    for (const Bar &bar : shown) {
        if (bar.value.kind == catalogue::FactValue::Kind::None)
            continue;
        low = std::min(low, bar.retrograde ? -bar.value.high : bar.value.low);
        high = std::max(high, bar.retrograde ? -bar.value.low : bar.value.high);
    }
    if (!std::isfinite(low)) {
        low = 0;
        high = 1;
    }
    if (g.logarithmic) {
        g.low = std::floor(std::log10(low));
        g.high = std::max(g.low + 1, std::ceil(std::log10(high)));
        for (double decade = g.low; decade <= g.high; ++decade)
            g.ticks.push_back(std::pow(10.0, decade));
    } else {
        low = std::min(low, 0.0);
        high = std::max(high, 0.0);
        if (high == low)
            high = low + 1;
        // Ticks at 1, 2 or 5 times a power of ten, as many as fit with room for their labels.
        const int room = metrics.horizontalAdvance(QStringLiteral("-0000.00")) + gap;
        const int most = std::max(2, (g.plotRight - g.plotLeft) / room);
        const double rough = (high - low) / most;
        const double power = std::pow(10.0, std::floor(std::log10(rough)));
        double step = power;
        for (double factor : { 1.0, 2.0, 5.0, 10.0 }) {
            step = factor * power;
            if (step >= rough)
                break;
        }
        g.low = std::floor(low / step) * step;
        g.high = std::ceil(high / step) * step;
        for (double tick = g.low; tick <= g.high + step / 2; tick += step)
            g.ticks.push_back(std::abs(tick) < step / 2 ? 0 : tick);
    }
    return g;
}

QRect BarChart::barRow(int position) const
{
    const Geometry g = geometry();
    return QRect(0, g.rowsTop + position * g.rowHeight, width(), g.rowHeight);
}

QString BarChart::barName(int position) const
{
    const auto shown = bars();
    if (position < 0 || position >= int(shown.size()))
        return {};
    const Bar &bar = shown[position];
    const bool none = bar.value.kind == catalogue::FactValue::Kind::None;
    return bar.name + QStringLiteral(": ") + (none ? QString::fromUtf16(noValue) : bar.text);
}

QString BarChart::barDescription(int position) const
{
    const auto shown = bars();
    if (position < 0 || position >= int(shown.size()))
        return {};
    if (shown[position].retrograde)
        return QStringLiteral("retrograde rotation");
    if (shown[position].value.kind == catalogue::FactValue::Kind::Range)
        return QStringLiteral("range");
    return {};
}

// Highlight, the scheme's colour for what stands out, wherever it stands out from the
// chart's background; the text colour where a scheme's highlight is too faint for that.
QColor BarChart::barColour() const
{
    const QColor background = palette().color(QPalette::Base);
    const QColor highlight = palette().color(QPalette::Highlight);
    if (runtime::contrastRatio(highlight, background) >= 3.0)
        return highlight;
    return palette().color(QPalette::Text);
}

QSize BarChart::sizeHint() const
{
    return QSize(60 * fontMetrics().averageCharWidth(),
        chartHeight(fontMetrics(), m_model ? m_model->columnCount() : 0));
}

QSize BarChart::minimumSizeHint() const
{
    return QSize(40 * fontMetrics().averageCharWidth(), sizeHint().height());
}

void BarChart::paintEvent(QPaintEvent *)
{
    const Geometry g = geometry();
    const auto shown = bars();
    QPainter painter(this);
    const QColor text = palette().color(QPalette::Text);
    const QColor bar = barColour();
    const QColor base = palette().color(QPalette::Base);
    const QFontMetrics metrics = fontMetrics();
    const int barHeight = metrics.height() - 2;
    bool anyRetrograde = false;
    bool anyRange = false;

    // The zero line, from which a linear scale's bars run either way.
    const double origin = g.logarithmic ? g.plotLeft : g.x(0);
    painter.setPen(QPen(text, 1));
    painter.drawLine(QPointF(origin + 0.5, g.rowsTop), QPointF(origin + 0.5, g.axisTop));

    for (int position = 0; position < int(shown.size()); ++position) {
        const Bar &b = shown[position];
        const int top = g.rowsTop + position * g.rowHeight;
        const QRect row(0, top, width(), g.rowHeight);
        painter.setPen(text);
        painter.drawText(QRect(g.nameLeft, top, g.nameWidth, g.rowHeight),
            Qt::AlignRight | Qt::AlignVCenter, b.name);
        const bool none = b.value.kind == catalogue::FactValue::Kind::None;
        auto label = [&](double after) {
            painter.setPen(text);
            painter.drawText(QRectF(after + gap / 2.0, top, width(), g.rowHeight),
                Qt::AlignLeft | Qt::AlignVCenter, none ? QString::fromUtf16(noValue) : b.text);
        };
        if (hasFocus() && position == m_currentBar) {
            QPen focus(text, 1, Qt::DotLine);
            painter.setPen(focus);
            painter.drawRect(QRectF(row).adjusted(1.5, 0.5, -1.5, -0.5));
        }
        if (none) {
            label(origin);
            continue;
        }
        const double from = b.retrograde ? -b.value.high : b.value.low;
        const double to = b.retrograde ? -b.value.low : b.value.high;
        const double y = top + (g.rowHeight - barHeight) / 2.0;
        QRectF shape;
        if (b.value.kind == catalogue::FactValue::Kind::Range) {
            anyRange = true;
            shape = QRectF(QPointF(g.x(from), y), QPointF(g.x(to), y + barHeight));
            // An open box with end marks: a span, not a quantity measured from the axis.
            painter.setPen(QPen(bar, 2));
            painter.setBrush(base);
            painter.drawRect(shape.adjusted(1, 3, -1, -3));
            painter.drawLine(
                QPointF(shape.left() + 1, y), QPointF(shape.left() + 1, y + barHeight));
            painter.drawLine(
                QPointF(shape.right() - 1, y), QPointF(shape.right() - 1, y + barHeight));
            label(shape.right());
            continue;
        }
        shape = QRectF(QPointF(std::min(origin, g.x(to)), y),
            QPointF(std::max(origin, g.x(to)), y + barHeight));
        if (b.retrograde) {
            anyRetrograde = true;
            painter.setPen(QPen(bar, 2));
            painter.setBrush(QBrush(bar, Qt::BDiagPattern));
            painter.drawRect(shape.adjusted(1, 1, -1, -1));
        } else {
            painter.fillRect(shape, bar);
        }
        label(std::max(origin, shape.right()));
    }

    // The axis: its line, its ticks and their values, and which scale it is.
    painter.setPen(QPen(text, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(QPointF(g.plotLeft, g.axisTop + 0.5), QPointF(g.plotRight, g.axisTop + 0.5));
    const QLocale locale;
    double lastRight = -INFINITY;
    for (double tick : g.ticks) {
        const double x = g.x(tick);
        painter.drawLine(QPointF(x + 0.5, g.axisTop), QPointF(x + 0.5, g.axisTop + 4));
        const QString label = locale.toString(tick, 'g', 6);
        const int labelWidth = metrics.horizontalAdvance(label);
        const double left = x - labelWidth / 2.0;
        if (left < lastRight + gap / 2.0)
            continue;
        painter.drawText(
            QRectF(left, g.axisTop + 6, labelWidth, metrics.height()), Qt::AlignCenter, label);
        lastRight = left + labelWidth;
    }
    QString scale
        = m_logarithmic ? QStringLiteral("Logarithmic scale") : QStringLiteral("Linear scale");
    painter.drawText(QRect(g.plotLeft, g.axisTop + 6 + metrics.height(), g.plotRight - g.plotLeft,
                         metrics.height() + 4),
        Qt::AlignHCenter | Qt::AlignVCenter, scale);

    // The legend names the marks the fact has.
    int x = g.plotLeft;
    const int swatch = metrics.height() - 4;
    const int legendY = g.legendTop + 2;
    auto legend = [&](const QString &label, auto &&drawSwatch) {
        drawSwatch(QRectF(x + 0.5, legendY + 0.5, 2 * swatch, swatch));
        painter.setPen(text);
        x += 2 * swatch + 6;
        painter.drawText(
            QRect(x, g.legendTop, metrics.horizontalAdvance(label) + 2, metrics.height()),
            Qt::AlignLeft | Qt::AlignVCenter, label);
        x += metrics.horizontalAdvance(label) + 2 * gap;
    };
    if (catalogue::isRotationPeriod(m_fact + 1) || anyRetrograde) {
        legend(legendRetrograde(), [&](const QRectF &r) {
            painter.setPen(QPen(bar, 2));
            painter.setBrush(QBrush(bar, Qt::BDiagPattern));
            painter.drawRect(r);
        });
    }
    if (anyRange) {
        legend(legendRange(), [&](const QRectF &r) {
            painter.setPen(QPen(bar, 2));
            painter.setBrush(base);
            painter.drawRect(r);
        });
    }
}

void BarChart::keyPressEvent(QKeyEvent *event)
{
    const int count = m_model ? m_model->columnCount() : 0;
    switch (event->key()) {
    case Qt::Key_Up:
        setCurrentBar(std::max(0, m_currentBar - 1));
        break;
    case Qt::Key_Down:
        setCurrentBar(std::min(count - 1, m_currentBar + 1));
        break;
    case Qt::Key_Home:
        setCurrentBar(0);
        break;
    case Qt::Key_End:
        setCurrentBar(count - 1);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void BarChart::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
    barChartFocusMoved(this, m_currentBar);
}

void BarChart::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange) {
        updateGeometry();
        update();
    }
}

void BarChart::setCurrentBar(int position)
{
    if (position == m_currentBar || position < 0)
        return;
    m_currentBar = position;
    update();
    barChartFocusMoved(this, position);
}

void BarChart::shownChanged()
{
    updateGeometry();
    update();
    barChartChanged(this);
}

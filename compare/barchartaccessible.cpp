// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "compare/barchartaccessible.h"

#include "compare/barchart.h"

#include <QAccessibleWidget>
#include <QPointer>

#include <map>

namespace {

// One painted bar. It holds no data of its own: what it says is read from the chart each time.
class BarAccessible : public QAccessibleInterface
{
public:
    BarAccessible(BarChart *chart, int position)
        : m_chart(chart)
        , m_position(position)
    { }

    bool isValid() const override { return m_chart && m_position < int(m_chart->bars().size()); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override
    {
        return m_chart ? m_chart->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_chart);
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *focusChild() const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        if (!m_chart)
            return {};
        if (t == QAccessible::Name)
            return m_chart->barName(m_position);
        if (t == QAccessible::Description)
            return m_chart->barDescription(m_position);
        return {};
    }
    void setText(QAccessible::Text, const QString &) override { }
    QRect rect() const override
    {
        if (!m_chart)
            return {};
        const QRect row = m_chart->barRow(m_position);
        return QRect(m_chart->mapToGlobal(row.topLeft()), row.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.readOnly = true;
        s.focusable = true;
        s.focused = m_chart && m_chart->hasFocus() && m_chart->currentBar() == m_position;
        s.invisible = !m_chart || !m_chart->isVisible();
        return s;
    }

private:
    QPointer<BarChart> m_chart;
    int m_position;
};

class BarChartAccessible : public QAccessibleWidget
{
public:
    explicit BarChartAccessible(QWidget *w)
        : QAccessibleWidget(w, QAccessible::Chart)
    { }
    ~BarChartAccessible() override
    {
        for (const auto &[position, id] : m_bars)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return int(chart()->bars().size()); }
    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        auto found = m_bars.find(index);
        if (found == m_bars.end()) {
            auto *bar = new BarAccessible(chart(), index);
            found = m_bars.emplace(index, QAccessible::registerAccessibleInterface(bar)).first;
        }
        return QAccessible::accessibleInterface(found->second);
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (const auto &[position, id] : m_bars) {
            if (QAccessible::accessibleInterface(id) == child)
                return position;
        }
        return -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        const QPoint at = chart()->mapFromGlobal(QPoint(x, y));
        for (int position = 0; position < childCount(); ++position) {
            if (chart()->barRow(position).contains(at))
                return child(position);
        }
        return nullptr;
    }
    QAccessibleInterface *focusChild() const override
    {
        return chart()->hasFocus() ? child(chart()->currentBar()) : nullptr;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && chart()->fact() >= 0)
            return chart()->factCaption() + QStringLiteral(", ") + chart()->scaleName();
        return QAccessibleWidget::text(t);
    }

private:
    BarChart *chart() const { return static_cast<BarChart *>(widget()); }

    mutable std::map<int, QAccessible::Id> m_bars;
};

QAccessibleInterface *barChartFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("BarChart") && object && object->isWidgetType())
        return new BarChartAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

void installBarChartAccessibility()
{
    QAccessible::installFactory(barChartFactory);
}

void barChartChanged(BarChart *chart)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent name(chart, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&name);
    const int count = int(chart->bars().size());
    for (int position = 0; position < count; ++position) {
        QAccessibleEvent bar(chart, QAccessible::NameChanged);
        bar.setChild(position);
        QAccessible::updateAccessibility(&bar);
    }
}

void barChartFocusMoved(BarChart *chart, int position)
{
    if (!QAccessible::isActive() || !chart->hasFocus())
        return;
    QAccessibleEvent focus(chart, QAccessible::Focus);
    focus.setChild(position);
    QAccessible::updateAccessibility(&focus);
}

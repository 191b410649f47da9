// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "compare/factmodel.h"

#include "catalogue/catalogue.h"
#include "runtime/runtime.h"

#include <set>

FactModel::FactModel(QObject *parent)
    : QAbstractTableModel(parent)
{
    // Every text of the catalogue is in one of the forms readFact() knows; one that is not
    // comes from a broken build, and would otherwise be drawn as if it had no value.
    for (int fact = 1; fact <= catalogue::factCount; ++fact) {
        for (int record = 1; record <= catalogue::planetCount; ++record) {
            const QStringView text = catalogue::planet(record).facts[fact - 1];
            Q_ASSERT(catalogue::readFact(text));
            if (!catalogue::readFact(text))
                runtime::fatal(QStringLiteral("The catalogue text \"%1\" is not a value")
                                   .arg(text.toString()));
        }
    }
}

int FactModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : catalogue::factCount;
}

int FactModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : catalogue::planetCount;
}

QVariant FactModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const QStringView text = catalogue::planet(index.column() + 1).facts[index.row()];
    const bool missing = text == u"-";
    switch (role) {
    case Qt::DisplayRole:
        return text.toString();
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        if (missing)
            return QString::fromUtf16(noValue);
        return {};
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    case ValueRole:
        return QVariant::fromValue(catalogue::readFact(text).value_or(catalogue::FactValue {}));
    default:
        return {};
    }
}

QVariant FactModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || section < 0)
        return {};
    if (orientation == Qt::Horizontal && section < catalogue::planetCount)
        return catalogue::planet(section + 1).name.toString();
    if (orientation == Qt::Vertical && section < catalogue::factCount)
        return catalogue::factCaption(section + 1).toString();
    return {};
}

Qt::ItemFlags FactModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

QString tabSeparated(const QAbstractItemModel &model, const QModelIndexList &cells)
{
    std::set<int> rows;
    std::set<int> columns;
    std::set<std::pair<int, int>> selected;
    for (const QModelIndex &cell : cells) {
        rows.insert(cell.row());
        columns.insert(cell.column());
        selected.insert({ cell.row(), cell.column() });
    }
    QString text;
    for (int column : columns)
        text += u'\t' + model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    text += u'\n';
    for (int row : rows) {
        text += model.headerData(row, Qt::Vertical, Qt::DisplayRole).toString();
        for (int column : columns) {
            text += u'\t';
            if (selected.count({ row, column }))
                text += model.data(model.index(row, column), Qt::DisplayRole).toString();
        }
        text += u'\n';
    }
    return rows.empty() ? QString() : text;
}

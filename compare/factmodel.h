// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#pragma once

#include "catalogue/factvalue.h"

#include <QAbstractTableModel>

#include <array>

// Every fact of every planet as one table: a row per fact, headed by its caption, and a
// column per planet, headed by its name, in the catalogue's order. The display role is the
// catalogue's text exactly; ValueRole holds what that text says as a catalogue::FactValue,
// for the views that order or measure. The model reads the catalogue as it is asked and keeps
// no copy of it; it is read-only.
class FactModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Role { ValueRole = Qt::UserRole };

    explicit FactModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
};

// The cells as tab-separated text that pastes into a spreadsheet as a table: a first line of
// the planets' names, then a line per fact with its caption and its cells, each text exactly
// as shown. Only the rows and columns that hold a selected cell are written; a cell of them
// that is not selected is left empty.
QString tabSeparated(const QAbstractItemModel &model, const QModelIndexList &cells);

// Said of a cell whose text is "-", to a screen reader and in its tooltip.
inline constexpr char16_t noValue[] = u"no value";

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#pragma once

#include <QMetaType>
#include <QStringView>

#include <optional>

// What a fact's text says as a number, for the views that order or measure the facts. The
// reader knows the catalogue's own forms and nothing else: thousands separators ("2,439.7"),
// a leading point (".81476"), exponents ("5.976e+24"), blanks around the text, the unit
// "°C", the two kinds of range ("-193 to -153°C", "1-3") and "-" for no value. It does not
// read the user's locale: the catalogue's texts are written one way on every machine.
namespace catalogue {

struct FactValue
{
    enum class Kind { None, Number, Range };

    Kind kind = Kind::None;
    // A number has low == high; a range runs from low to high.
    double low = 0;
    double high = 0;

    friend bool operator==(const FactValue &, const FactValue &) = default;
};

// The value of a fact's text, FactValue::Kind::None for "-"; no value at all for a text in
// none of the catalogue's forms.
std::optional<FactValue> readFact(QStringView text);

} // namespace catalogue

Q_DECLARE_METATYPE(catalogue::FactValue)

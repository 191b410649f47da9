// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "catalogue/factvalue.h"

#include <charconv>
#include <string>

namespace catalogue {
namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Reads one number at the start of `text` and moves past it: an optional sign, digits in
// groups of three between commas or without commas, a fraction that may stand alone
// (".81476") and an exponent. Returns nothing, and moves nowhere, unless all of that holds.
std::optional<double> readNumber(QStringView &text)
{
    std::string plain; // the number without its commas, for from_chars
    qsizetype i = 0;
    auto digits = [&] {
        const qsizetype start = i;
        while (i < text.size() && isDigit(text[i]))
            plain += char(text[i++].unicode());
        return i - start;
    };
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        plain += char(text[i++].unicode());
    const qsizetype whole = digits();
    if (whole > 0 && whole <= 3) {
        while (i + 3 < text.size() && text[i] == u',' && isDigit(text[i + 1])) {
            ++i;
            if (digits() != 3)
                return std::nullopt;
        }
    }
    qsizetype fraction = 0;
    if (i < text.size() && text[i] == u'.') {
        plain += '.';
        ++i;
        fraction = digits();
        if (fraction == 0)
            return std::nullopt;
    }
    if (whole == 0 && fraction == 0)
        return std::nullopt;
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        plain += 'e';
        ++i;
        if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
            plain += char(text[i++].unicode());
        if (digits() == 0)
            return std::nullopt;
    }
    double value = 0;
    const char *first = plain.data();
    if (*first == '+')
        ++first;
    const auto [end, error] = std::from_chars(first, plain.data() + plain.size(), value);
    if (error != std::errc() || end != plain.data() + plain.size())
        return std::nullopt;
    text = text.sliced(i);
    return value;
}

} // namespace

std::optional<FactValue> readFact(QStringView text)
{
    text = text.trimmed();
    if (text == u"-")
        return FactValue {};
    if (text.endsWith(u"°C"))
        text.chop(2);
    const std::optional<double> low = readNumber(text);
    if (!low)
        return std::nullopt;
    if (text.isEmpty())
        return FactValue { FactValue::Kind::Number, *low, *low };
    if (text.startsWith(u" to "))
        text = text.sliced(4);
    else if (text.startsWith(u'-'))
        text = text.sliced(1);
    else
        return std::nullopt;
    const std::optional<double> high = readNumber(text);
    if (!high || !text.isEmpty() || *high < *low)
        return std::nullopt;
    return FactValue { FactValue::Kind::Range, *low, *high };
}

} // namespace catalogue

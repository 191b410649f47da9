// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "runtime/numbertext.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>
#include <system_error>
#include <type_traits>

namespace runtime {
namespace {

// A halfway point between two doubles has at most 767 significant digits, so 800 digits
// decide the rounding; of the digits after them only "any of them nonzero" matters.
constexpr int keptDigits = 800;
// No text is 10^17 characters long, so an exponent this large decides the result whatever
// the digits are, and reading stops growing it before it could overflow.
constexpr long long exponentLimit = 100'000'000'000'000'000;

// The minus sign that typesetting uses; it reads as the hyphen-minus.
constexpr char32_t minusSign = 0x2212;

// The ranges of Default_Ignorable_Code_Point in DerivedCoreProperties.txt (the same from
// Unicode 14 to 16), adjacent ones joined.
constexpr char32_t defaultIgnorable[][2] = {
    { 0x00AD, 0x00AD },
    { 0x034F, 0x034F },
    { 0x061C, 0x061C },
    { 0x115F, 0x1160 },
    { 0x17B4, 0x17B5 },
    { 0x180B, 0x180F },
    { 0x200B, 0x200F },
    { 0x202A, 0x202E },
    { 0x2060, 0x206F },
    { 0x3164, 0x3164 },
    { 0xFE00, 0xFE0F },
    { 0xFEFF, 0xFEFF },
    { 0xFFA0, 0xFFA0 },
    { 0xFFF0, 0xFFF8 },
    { 0x1BCA0, 0x1BCA3 },
    { 0x1D173, 0x1D17A },
    { 0xE0000, 0xE0FFF },
};

double outOfRange(bool negative)
{
    const double infinity = std::numeric_limits<double>::infinity();
    return negative ? -infinity : infinity;
}

template <typename Char> class Scanner
{
public:
    Scanner(const Char *begin, const Char *end, std::u16string_view decimalSeparator,
        const UnicodeProperties &unicode)
        : m_p(begin)
        , m_end(end)
        , m_decimalSeparator(decimalSeparator == u"." ? std::u16string_view() : decimalSeparator)
        , m_unicode(unicode)
    { }

    // Blanks are not part of the text as far as the number is concerned, so every look at
    // the next character skips them first.
    bool at(char c)
    {
        skipBlanks();
        return m_p != m_end && (m_c == char32_t(c) || (c == '-' && m_c == minusSign));
    }
    bool atEither(char lower, char upper) { return at(lower) || at(upper); }
    bool atDecimalPoint()
    {
        if (at('.'))
            return true;
        if (m_p == m_end || m_decimalSeparator.empty()
            || std::size_t(m_end - m_p) < m_decimalSeparator.size())
            return false;
        for (std::size_t i = 0; i < m_decimalSeparator.size(); ++i) {
            if (char16_t(std::make_unsigned_t<Char>(m_p[i])) != m_decimalSeparator[i])
                return false;
        }
        m_length = int(m_decimalSeparator.size());
        return true;
    }
    // The value of the next character as a digit of the given radix, or -1.
    int digit(int radix)
    {
        skipBlanks();
        if (m_p == m_end)
            return -1;
        const char32_t c = m_c;
        int d = -1;
        if (c >= '0' && c <= '9')
            d = int(c - '0');
        else if (c >= 'a' && c <= 'f')
            d = int(c - 'a') + 10;
        else if (c >= 'A' && c <= 'F')
            d = int(c - 'A') + 10;
        else if (c >= 0x80 && m_unicode.digitValue)
            d = m_unicode.digitValue(c);
        return d < radix ? d : -1;
    }
    // Moves past what the last look found.
    void advance() { m_p += m_length; }

private:
    // Reads the character at m_p into m_c and m_length.
    void decode()
    {
        m_c = std::make_unsigned_t<Char>(*m_p);
        m_length = 1;
        if constexpr (sizeof(Char) == 2) {
            if (m_c >= 0xD800 && m_c <= 0xDBFF && m_end - m_p >= 2 && m_p[1] >= 0xDC00
                && m_p[1] <= 0xDFFF) {
                m_c = 0x10000 + ((m_c - 0xD800) << 10) + (char32_t(m_p[1]) - 0xDC00);
                m_length = 2;
            }
        }
    }
    bool isBlank(char32_t c) const
    {
        if (c <= 0x20 || (c >= 0x7F && c <= 0x9F))
            return true;
        return c > 0x9F
            && (isDefaultIgnorable(c)
                || (m_unicode.isSpaceOrFormat && m_unicode.isSpaceOrFormat(c)));
    }
    void skipBlanks()
    {
        for (; m_p != m_end; m_p += m_length) {
            decode();
            if (!isBlank(m_c))
                return;
        }
    }

    const Char *m_p;
    const Char *m_end;
    std::u16string_view m_decimalSeparator;
    const UnicodeProperties &m_unicode;
    // The character at m_p and its length in code units, once skipBlanks() has read it.
    char32_t m_c = 0;
    int m_length = 1;
};

template <typename Char> double parseRadixNumber(Scanner<Char> &in)
{
    int radix = 0;
    if (in.atEither('h', 'H'))
        radix = 16;
    else if (in.atEither('o', 'O'))
        radix = 8;
    else
        return 0;
    in.advance();

    std::uint64_t bits = 0;
    bool tooWide = false;
    for (int d = in.digit(radix); d >= 0; d = in.digit(radix)) {
        in.advance();
        if (!tooWide)
            bits = bits * radix + d;
        tooWide = tooWide || bits > 0xFFFF'FFFFu;
    }
    if (tooWide)
        return outOfRange(false);
    if (bits <= 0xFFFF)
        return double(std::int16_t(bits));
    return double(std::int32_t(bits));
}

template <typename Char>
double parseNumber(const Char *begin, const Char *end, std::u16string_view decimalSeparator,
    const UnicodeProperties &unicode)
{
    Scanner<Char> in(begin, end, decimalSeparator, unicode);
    if (in.at('&')) {
        in.advance();
        return parseRadixNumber(in);
    }

    bool negative = false;
    if (in.at('+') || in.at('-')) {
        negative = in.at('-');
        in.advance();
    }

    // The significant digits go to from_chars as one integer D with a power of ten, so the
    // blanks, the sign, leading zeros and the exponent letter never reach it.
    char buffer[keptDigits + 1 + 16];
    int count = 0;
    long long power = 0; // the number is D * 10^power
    bool sawDigit = false;
    bool droppedNonZero = false;
    const auto take = [&](int d, bool fractional) {
        sawDigit = true;
        if (count == 0 && d == 0) {
            power -= fractional;
        } else if (count < keptDigits) {
            buffer[count++] = char('0' + d);
            power -= fractional;
        } else {
            droppedNonZero = droppedNonZero || d != 0;
            power += !fractional;
        }
    };
    for (int d = in.digit(10); d >= 0; d = in.digit(10)) {
        in.advance();
        take(d, false);
    }
    if (in.atDecimalPoint()) {
        in.advance();
        for (int d = in.digit(10); d >= 0; d = in.digit(10)) {
            in.advance();
            take(d, true);
        }
    }
    if (!sawDigit)
        return 0;

    if (in.atEither('e', 'E') || in.atEither('d', 'D')) {
        in.advance();
        bool negativeExponent = false;
        if (in.at('+') || in.at('-')) {
            negativeExponent = in.at('-');
            in.advance();
        }
        long long exponent = 0;
        for (int d = in.digit(10); d >= 0; d = in.digit(10)) {
            in.advance();
            if (exponent < exponentLimit)
                exponent = exponent * 10 + d;
        }
        power += negativeExponent ? -exponent : exponent;
    }

    const double zero = negative ? -0.0 : 0.0;
    if (count == 0)
        return zero;
    if (droppedNonZero) {
        // A nonzero digit past the kept ones keeps the number off any halfway point.
        buffer[count++] = '1';
        --power;
    }
    // The number lies in [10^magnitude, 10^(magnitude + 1)).
    const long long magnitude = power + count - 1;
    if (magnitude > std::numeric_limits<double>::max_exponent10)
        return outOfRange(negative);
    // Below 10^-324 everything rounds to zero: the smallest subnormal is about 4.9E-324.
    if (magnitude < -324)
        return zero;

    char *last = buffer + count;
    *last++ = 'e';
    last = std::to_chars(last, std::end(buffer), power).ptr;
    double value = 0;
    const auto result = std::from_chars(buffer, last, value);
    if (result.ec == std::errc::result_out_of_range) {
        // from_chars reports both ends of the range alike; the magnitude tells them apart.
        if (magnitude > 0)
            return outOfRange(negative);
        return zero;
    }
    return negative ? -value : value;
}

} // namespace

bool isDefaultIgnorable(char32_t c)
{
    for (const auto &range : defaultIgnorable) {
        if (c < range[0])
            return false;
        if (c <= range[1])
            return true;
    }
    return false;
}

double textToNumber(std::u16string_view text, std::u16string_view decimalSeparator,
    const UnicodeProperties &unicode)
{
    return parseNumber(text.data(), text.data() + text.size(), decimalSeparator, unicode);
}

double textToNumber(
    std::string_view text, std::u16string_view decimalSeparator, const UnicodeProperties &unicode)
{
    return parseNumber(text.data(), text.data() + text.size(), decimalSeparator, unicode);
}

std::u16string numberToText(double value, std::u16string_view decimalSeparator)
{
    if (std::isnan(value))
        return u"NaN";
    if (std::isinf(value))
        return value < 0 ? u"-Infinity" : u"Infinity";
    // Also negative zero, which the general format would write as "-0".
    if (value == 0)
        return u"0";

    // to_chars' general format with precision 15 is printf's "%.15g" without its
    // dependence on the C locale, which the GUI sets from the environment.
    char buffer[32];
    const char *last
        = std::to_chars(std::begin(buffer), std::end(buffer), value, std::chars_format::general, 15)
              .ptr;
    std::u16string text;
    text.reserve(std::size(buffer));
    for (const char *c = buffer; c != last; ++c) {
        if (*c == '.')
            text += decimalSeparator;
        else if (*c == 'e')
            text += u'E';
        else
            text += char16_t(*c);
    }
    return text;
}

} // namespace runtime

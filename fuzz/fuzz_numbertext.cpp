// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "runtime/numbertext.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

// libFuzzer target for the text-to-number and number-to-text conversions. Every input is
// read three ways (as 8-bit text, each byte widened to UTF-16, and byte pairs as UTF-16
// code units, unpaired surrogates and all), and each result is compared with a slow
// reference parser written here from the documented rule. The parsed value is then written
// as text and read back, and the text is compared with the C library's "%.15G".
//
// The reference takes the rule at its word: blanks (space, tab, line feed) are ignored
// wherever they occur, so it deletes them all first and then reads the longest prefix of
//     "&" ("H"|"h") hexdigit*  |  "&" ("O"|"o") octdigit*
//   | sign? digit* ("." digit*)? (("E"|"e"|"D"|"d") sign? digit+)?
// from the remaining text. The decimal value is left to strtod in the C locale, which rounds
// correctly however many digits it gets.
namespace {

struct Expected
{
    double value = 0;
    bool outOfRange = false;
};

[[noreturn]] void mismatch(const char *what, const std::u32string &text, double got, double want)
{
    std::fprintf(stderr, "MISMATCH (%s): got %.17g, expected %.17g for %zu units:", what, got, want,
        text.size());
    for (std::size_t i = 0; i < text.size() && i < 200; ++i)
        std::fprintf(stderr, " %X", unsigned(text[i]));
    std::fprintf(stderr, "\n");
    std::abort();
}

bool isBlank(char32_t c)
{
    return c == U' ' || c == U'\t' || c == U'\n';
}

bool isDigit(char32_t c)
{
    return c >= U'0' && c <= U'9';
}

// The value of c as a digit of the radix, or -1.
int digitValue(char32_t c, int radix)
{
    int d = -1;
    if (c >= U'0' && c <= U'9')
        d = int(c - U'0');
    else if (c >= U'a' && c <= U'z')
        d = int(c - U'a') + 10;
    else if (c >= U'A' && c <= U'Z')
        d = int(c - U'A') + 10;
    return d < radix ? d : -1;
}

Expected referenceRadix(const std::u32string &s, std::size_t i)
{
    int radix = 0;
    if (i < s.size() && (s[i] == U'H' || s[i] == U'h'))
        radix = 16;
    else if (i < s.size() && (s[i] == U'O' || s[i] == U'o'))
        radix = 8;
    else
        return {};
    ++i;
    std::vector<int> digits;
    while (i < s.size() && digitValue(s[i], radix) >= 0)
        digits.push_back(digitValue(s[i++], radix));
    // Leading zeros add nothing; past 32 bits the number is out of range.
    std::size_t first = 0;
    while (first < digits.size() && digits[first] == 0)
        ++first;
    const int bitsPerDigit = radix == 16 ? 4 : 3;
    if ((digits.size() - first) * bitsPerDigit > 36)
        return { HUGE_VAL, true };
    std::int64_t value = 0;
    for (std::size_t k = first; k < digits.size(); ++k)
        value = value * radix + digits[k];
    if (value > 0xFFFFFFFFLL)
        return { HUGE_VAL, true };
    // A 16-bit two's-complement integer if it fits in 16 bits, else a 32-bit one.
    if (value <= 0xFFFF)
        return { double(value >= 0x8000 ? value - 0x10000 : value) };
    return { double(value >= 0x80000000LL ? value - 0x100000000LL : value) };
}

Expected reference(const std::u32string &text)
{
    std::u32string s;
    for (char32_t c : text) {
        if (!isBlank(c))
            s += c;
    }

    std::size_t i = 0;
    if (i < s.size() && s[i] == U'&')
        return referenceRadix(s, i + 1);

    std::string ascii;
    if (i < s.size() && (s[i] == U'+' || s[i] == U'-'))
        ascii += char(s[i++]);
    bool anyDigit = false;
    std::string digits;
    while (i < s.size() && isDigit(s[i])) {
        digits += char(s[i++]);
        anyDigit = true;
    }
    std::string fraction;
    if (i < s.size() && s[i] == U'.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            fraction += char(s[i++]);
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return {};
    ascii += digits.empty() ? std::string("0") : digits;
    ascii += '.';
    ascii += fraction;

    // The exponent counts only with at least one digit after the letter and its sign.
    if (i < s.size() && (s[i] == U'E' || s[i] == U'e' || s[i] == U'D' || s[i] == U'd')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == U'+' || s[j] == U'-'))
            exponent += char(s[j++]);
        const std::size_t firstExponentDigit = j;
        while (j < s.size() && isDigit(s[j]))
            exponent += char(s[j++]);
        if (j > firstExponentDigit)
            ascii += exponent;
    }

    char *end = nullptr;
    const double value = std::strtod(ascii.c_str(), &end);
    if (end != ascii.c_str() + ascii.size())
        mismatch("reference did not read its whole text", text, 0, 0);
    return { value, std::isinf(value) };
}

template <typename Text> void checkParse(const Text &text, const std::u32string &asUnits)
{
    const runtime::ParsedNumber got = runtime::textToNumber(text);
    const Expected want = reference(asUnits);
    if (got.outOfRange != want.outOfRange)
        mismatch("out of range", asUnits, got.value, want.value);
    // Out of range, both are the infinity of the number's sign; a zero keeps its sign too.
    if (!(got.value == want.value) || std::signbit(got.value) != std::signbit(want.value))
        mismatch("value", asUnits, got.value, want.value);
}

std::string toAscii(const std::u16string &text)
{
    std::string ascii;
    for (char16_t c : text) {
        if (c > 0x7F) {
            std::fprintf(stderr, "numberToText wrote a non-ASCII unit %X\n", unsigned(c));
            std::abort();
        }
        ascii += char(c);
    }
    return ascii;
}

// The general text of a finite value, and what it reads back as.
void checkText(double value)
{
    const std::u16string text = runtime::numberToText(value);
    const std::string ascii = toAscii(text);
    const std::u32string units(ascii.begin(), ascii.end());
    if (std::isnan(value) || std::isinf(value)) {
        const char *want = std::isnan(value) ? "NaN" : value < 0 ? "-Infinity" : "Infinity";
        if (ascii != want || runtime::textToNumber(text).value != 0)
            mismatch("text of a non-finite value", units, value, value);
        return;
    }

    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    std::string want = buffer;
    if (want == "-0")
        want = "0";
    if (ascii != want) {
        std::fprintf(stderr, "numberToText(%.17g) gave \"%s\", %%.15G \"%s\"\n", value,
            ascii.c_str(), want.c_str());
        std::abort();
    }
    // Near the largest double, rounding to 15 digits can go beyond it: "1.79769313486232E+308"
    // reads back as out of range, just as the C library reads it as an infinity.
    const runtime::ParsedNumber back = runtime::textToNumber(text);
    const double rounded = std::strtod(buffer, nullptr);
    if (back.outOfRange != std::isinf(rounded) || back.value != rounded)
        mismatch("round trip", units, back.value, rounded);

    // Another decimal separator replaces the full stop and nothing else.
    std::u16string comma = runtime::numberToText(value, u",,");
    std::string expectedComma;
    for (char c : want)
        expectedComma += c == '.' ? std::string(",,") : std::string(1, c);
    if (toAscii(comma) != expectedComma)
        mismatch("decimal separator", units, value, value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size > 65536)
        return 0;

    // The bytes as 8-bit text, and each byte widened to one UTF-16 unit.
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const std::u32string byteUnits(data, data + size);
    checkParse(bytes, byteUnits);
    const std::u16string widened(data, data + size);
    checkParse(std::u16string_view(widened), byteUnits);

    // Byte pairs as UTF-16 code units, whatever they encode.
    std::u16string pairs(size / 2, u'\0');
    std::memcpy(pairs.data(), data, pairs.size() * 2);
    checkParse(std::u16string_view(pairs), std::u32string(pairs.begin(), pairs.end()));

    checkText(runtime::textToNumber(bytes).value);
    // The first eight bytes as a double: subnormals, infinities and NaNs as well.
    if (size >= 8) {
        double raw = 0;
        std::memcpy(&raw, data, sizeof raw);
        checkText(raw);
    }
    return 0;
}

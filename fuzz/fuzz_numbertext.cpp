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
// read three ways (as 8-bit Latin-1 text, each byte widened to UTF-16, and byte pairs as
// UTF-16 code units, unpaired surrogates and all), and each result is compared with a slow
// reference parser written here from the documented rule. The parsed value is then written
// as text and read back, and the text is compared with the C library's "%.15G".
//
// The Unicode properties come from a small stand-in below, not from Qt: it holds digit runs
// of several scripts (one beyond the 16-bit range), the separators and a choice of
// format characters, enough to reach every path of the parser. Like them, the
// default-ignorable characters are taken as given (runtime::isDefaultIgnorable): the
// reference checks how the text is read, not the tables. The byte pairs are read with
// the full stop alone and with one other decimal separator, chosen by the input's length.
//
// The reference takes the rule at its word: it decodes the text into characters, deletes
// every blank (separators, control, format and default-ignorable characters), writes each
// decimal digit as its ASCII digit, the user's decimal separator as a full stop and the minus
// sign U+2212 as "-", and then reads the longest prefix of
//     "&" ("H"|"h") hexdigit*  |  "&" ("O"|"o") octdigit*
//   | sign? digit* ("." digit*)? (("E"|"e"|"D"|"d") sign? digit+)?
// from the remaining text. The decimal value is left to strtod in the C locale, which rounds
// correctly however many digits it gets.
namespace {

// Out of range, the value is the infinity of the number's sign.
struct Expected
{
    double value = 0;
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

// The stand-in Unicode properties.
int standInDigitValue(char32_t c)
{
    // First digits (zero) of runs of ten: Arabic-Indic, Extended Arabic-Indic, Devanagari,
    // full-width, Osmanya and the five runs of mathematical digits.
    static const char32_t zeros[]
        = { 0x0660, 0x06F0, 0x0966, 0xFF10, 0x104A0, 0x1D7CE, 0x1D7D8, 0x1D7E2, 0x1D7EC, 0x1D7F6 };
    for (char32_t zero : zeros) {
        if (c >= zero && c < zero + 10)
            return int(c - zero);
    }
    return -1;
}

bool standInIsSpaceOrFormat(char32_t c)
{
    static const char32_t ranges[][2] = {
        // Space, line and paragraph separators.
        { 0x00A0, 0x00A0 },
        { 0x1680, 0x1680 },
        { 0x2000, 0x200A },
        { 0x2028, 0x2029 },
        { 0x202F, 0x202F },
        { 0x205F, 0x205F },
        { 0x3000, 0x3000 },
        // Format characters.
        { 0x00AD, 0x00AD },
        { 0x061C, 0x061C },
        { 0x200B, 0x200F },
        { 0x202A, 0x202E },
        { 0x2060, 0x2064 },
        { 0x2066, 0x206F },
        { 0xFEFF, 0xFEFF },
        { 0xFFF9, 0xFFFB },
        { 0x110BD, 0x110BD },
        { 0xE0001, 0xE0001 },
        { 0xE0020, 0xE007F },
    };
    for (const auto &range : ranges) {
        if (c >= range[0] && c <= range[1])
            return true;
    }
    return false;
}

const runtime::UnicodeProperties standIn { standInDigitValue, standInIsSpaceOrFormat };

bool isBlank(char32_t c, const runtime::UnicodeProperties &unicode)
{
    const bool control = c < 0x20 || (c >= 0x7F && c <= 0x9F);
    return c == U' ' || control || runtime::isDefaultIgnorable(c)
        || (unicode.isSpaceOrFormat && unicode.isSpaceOrFormat(c));
}

// The characters of UTF-16 text: a surrogate pair is one, an unpaired surrogate stays.
std::u32string decode(std::u16string_view text)
{
    std::u32string characters;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t c = text[i];
        const bool high = c >= 0xD800 && c <= 0xDBFF;
        if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            characters += 0x10000 + (c - 0xD800) * 0x400 + (text[i + 1] - 0xDC00);
            ++i;
        } else {
            characters += c;
        }
    }
    return characters;
}

bool isDigit(char32_t c)
{
    return c >= U'0' && c <= U'9';
}

// The value of c as a digit of the radix, or -1; other scripts' digits are ASCII by now.
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
        return { HUGE_VAL };
    std::int64_t value = 0;
    for (std::size_t k = first; k < digits.size(); ++k)
        value = value * radix + digits[k];
    if (value > 0xFFFFFFFFLL)
        return { HUGE_VAL };
    // A 16-bit two's-complement integer if it fits in 16 bits, else a 32-bit one.
    if (value <= 0xFFFF)
        return { double(value >= 0x8000 ? value - 0x10000 : value) };
    return { double(value >= 0x80000000LL ? value - 0x100000000LL : value) };
}

// Reads characters (not code units), with the given decimal separator and properties.
Expected reference(const std::u32string &text, std::u16string_view decimalSeparator,
    const runtime::UnicodeProperties &unicode)
{
    const std::u32string separator = decode(decimalSeparator);
    std::u32string s;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t c = text[i];
        if (isBlank(c, unicode))
            continue;
        const int digit = c >= 0x80 && unicode.digitValue ? unicode.digitValue(c) : -1;
        if (digit >= 0) {
            s += char32_t(U'0' + digit);
        } else if (!separator.empty() && text.compare(i, separator.size(), separator) == 0) {
            s += U'.';
            i += separator.size() - 1;
        } else {
            s += c == 0x2212 ? U'-' : c;
        }
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
    return { value };
}

template <typename Text>
void checkParse(const Text &text, const std::u32string &characters,
    std::u16string_view decimalSeparator = u".",
    const runtime::UnicodeProperties &unicode = standIn)
{
    const double got = runtime::textToNumber(text, decimalSeparator, unicode);
    const Expected want = reference(characters, decimalSeparator, unicode);
    // Out of range, both are the infinity of the number's sign; a zero keeps its sign too.
    if (!(got == want.value) || std::signbit(got) != std::signbit(want.value))
        mismatch("value", characters, got, want.value);
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
        if (ascii != want || runtime::textToNumber(text) != 0)
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
    const double back = runtime::textToNumber(text);
    const double rounded = std::strtod(buffer, nullptr);
    if (back != rounded)
        mismatch("round trip", units, back, rounded);

    // Another decimal separator replaces the full stop and nothing else.
    std::u16string comma = runtime::numberToText(value, u",,");
    std::string expectedComma;
    for (char c : want)
        expectedComma += c == '.' ? std::string(",,") : std::string(1, c);
    if (toAscii(comma) != expectedComma)
        mismatch("decimal separator", units, value, value);

    // Written with the user's decimal separator, the text reads back with it.
    for (std::u16string_view separator :
        { std::u16string_view(u","), std::u16string_view(u"\u066B") }) {
        const std::u16string local = runtime::numberToText(value, separator);
        const double localBack = runtime::textToNumber(local, separator, standIn);
        if (localBack != rounded)
            mismatch("round trip with a decimal separator", decode(local), localBack, rounded);
    }
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

    // Without properties, only ASCII digits and the control characters are known.
    checkParse(std::u16string_view(widened), byteUnits, u".", runtime::UnicodeProperties {});

    // Byte pairs as UTF-16 code units, whatever they encode, with the full stop alone and
    // with another decimal separator.
    std::u16string pairs(size / 2, u'\0');
    std::memcpy(pairs.data(), data, pairs.size() * 2);
    const std::u32string characters = decode(pairs);
    checkParse(std::u16string_view(pairs), characters);
    static const std::u16string_view separators[] = { u",", u"\u066B", u"\u00B7" };
    checkParse(std::u16string_view(pairs), characters, separators[size % 3]);

    checkText(runtime::textToNumber(bytes));
    // The first eight bytes as a double: subnormals, infinities and NaNs as well.
    if (size >= 8) {
        double raw = 0;
        std::memcpy(&raw, data, sizeof raw);
        checkText(raw);
    }
    return 0;
}

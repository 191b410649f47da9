// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#pragma once

#include <string>
#include <string_view>

// The runtime's conversions between text and 64-bit floating-point numbers, as the weight
// window uses them. Pure functions without Qt types: the caller converts its QString, asks
// the system locale for the decimal separator and supplies the Unicode properties.
namespace runtime {

// The Unicode knowledge the rule needs beyond ASCII, the control characters and the
// default-ignorable characters, supplied by the caller: the runtime answers from Qt's tables
// (runtime::unicodeProperties()). A default-constructed one knows no further character.
struct UnicodeProperties
{
    // The value 0 to 9 of a decimal digit (general category Nd), else -1.
    int (*digitValue)(char32_t c) = nullptr;
    // True for a character that shows as a space (category Zs, and the line and paragraph
    // separators Zl and Zp, which a one-line box shows as spaces) or a format character
    // (category Cf).
    bool (*isSpaceOrFormat)(char32_t c) = nullptr;
};

// The number written at the start of the text, as the text shows it: an optional sign,
// decimal digits with a decimal point and an optional exponent. Whatever follows is
// ignored; a text that does not start with a number gives 0. The result is the correctly
// rounded double of the digits written, or an infinity of the number's sign where the written
// number is out of range: it rounds to a magnitude beyond the largest finite double, or a
// radix-prefixed number needs more than 32 bits. Underflow is not out of range: it gives 0 or
// a subnormal value.
//
// - A decimal digit of any script (category Nd) counts as its value: "\u0667\u0660",
//   "\u06F7\u06F0" and "\uFF17\uFF10" all give 70. Letters, signs and the exponent letter
//   are ASCII only.
// - The decimal point is the full stop and, where the user's decimal separator is another
//   character, that one too: with "," both "70,5" and "70.5" give 70.5, with "." the comma
//   ends the number ("1,5" gives 1). A second decimal point ends the number. Thousands
//   separators are never read: unless they are blanks, they end the number.
// - Blanks are ignored wherever they occur, before the number and inside it: "  1 000"
//   gives 1000, "- 5" gives -5, "1 e 3" gives 1000. Blanks are every space separator
//   (category Zs: the space, the no-break space, the ideographic space and the rest), the
//   line and paragraph separators (categories Zl and Zp, shown as spaces on one line), every
//   control character (category Cc: tab, line feed, carriage return and the rest), every
//   format character (category Cf: zero-width space, direction marks and overrides, soft
//   hyphen, byte-order mark and the rest) and every default-ignorable character (see
//   isDefaultIgnorable). So "7", a zero-width space, "0" gives 70, as it shows, and "1", a
//   no-break space, "000" gives 1000.
// - The minus sign U+2212 reads as "-", before the number and in its exponent.
// - The exponent letter is E or D, in either case, followed by an optional sign and digits:
//   "1D3" gives 1000. A letter without digits after it is not part of the number: "1e+"
//   gives 1.
// - "&H" and "&O" (either case) introduce a hexadecimal or octal integer, without a sign
//   or fraction. Like a literal of the same form, it is a 16-bit two's-complement integer
//   if it fits in 16 bits and a 32-bit one otherwise, so "&HFFFF" gives -1 and "&H10000"
//   gives 65536; more than 32 bits is out of range, and gives an infinity.
// - "inf", "nan" and "0x1p3" (which gives 0) are not numbers.
//
// The text is UTF-16; a surrogate pair is one character and an unpaired surrogate an
// ordinary character that ends the number. decimalSeparator is the user's decimal separator
// (empty or "." for the full stop alone).
[[nodiscard]] double textToNumber(std::u16string_view text,
    std::u16string_view decimalSeparator = u".", const UnicodeProperties &unicode = {});
// Unicode's Default_Ignorable_Code_Point property: characters that show nothing where a
// font has no glyph for them, such as the soft hyphen, the combining grapheme joiner, the
// variation selectors and the Hangul fillers. Qt has no table of it.
[[nodiscard]] bool isDefaultIgnorable(char32_t c);

// The same rule for 8-bit text, each byte a character of Latin-1 (U+0000 to U+00FF).
[[nodiscard]] double textToNumber(std::string_view text,
    std::u16string_view decimalSeparator = u".", const UnicodeProperties &unicode = {});

// The general text of a number: at most 15 significant digits without trailing zeros or
// a trailing decimal point, "-" before a negative number, and the exponent form ("1E+15",
// "1.5E-07", at least two exponent digits) when the decimal exponent of the number rounded
// to 15 digits is below -4 or at least 15, so 0.0001 gives "0.0001" and 0.00001 "1E-05".
// Negative zero gives "0". The caller never passes a non-finite value; if it does, the text
// is "Infinity", "-Infinity" or "NaN", which reads back as 0 rather than as a number.
[[nodiscard]] std::u16string numberToText(
    double value, std::u16string_view decimalSeparator = u".");

} // namespace runtime

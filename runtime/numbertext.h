// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#pragma once

#include <string>
#include <string_view>

// The runtime's conversions between text and 64-bit floating-point numbers, as the weight
// window uses them. Pure functions without Qt types: the caller converts its QString, and
// the caller, not this code, asks the system locale for the decimal separator.
namespace runtime {

struct ParsedNumber
{
    double value = 0;
    // The written number rounds to a magnitude beyond the largest finite double (value is
    // then an infinity of the number's sign), or a radix-prefixed number needs more than
    // 32 bits. Underflow is not out of range: it gives 0 or a subnormal value.
    bool outOfRange = false;
};

// The number written at the start of the text: an optional sign, ASCII digits with the
// full stop as the only decimal point (a comma, like any other character, ends the number)
// and an optional exponent. Whatever follows is ignored; a text that does not start with a
// number gives 0. The result is the correctly rounded double of the digits written.
//
// The finer points, as users of this kind of conversion know them:
// - Blanks (space, tab, line feed) are ignored wherever they occur, before the number and
//   inside it: "  1 000" gives 1000, "- 5" gives -5, "1 e 3" gives 1000. Other white space
//   (no-break space, carriage return) is an ordinary character and ends the number.
// - The exponent letter is E or D, in either case, followed by an optional sign and digits:
//   "1D3" gives 1000. A letter without digits after it is not part of the number: "1e+"
//   gives 1.
// - "&H" and "&O" (either case) introduce a hexadecimal or octal integer, without a sign
//   or fraction. Like a literal of the same form, it is a 16-bit two's-complement integer
//   if it fits in 16 bits and a 32-bit one otherwise, so "&HFFFF" gives -1 and "&H10000"
//   gives 65536; more than 32 bits is out of range.
// - Only ASCII digits count; "inf", "nan", "0x1p3" (which gives 0) and the digits of other
//   scripts are not numbers.
[[nodiscard]] ParsedNumber textToNumber(std::u16string_view text);
// The same rule for 8-bit text; bytes outside ASCII end the number.
[[nodiscard]] ParsedNumber textToNumber(std::string_view text);

// The general text of a number: at most 15 significant digits without trailing zeros or
// a trailing decimal point, "-" before a negative number, and the exponent form ("1E+15",
// "1.5E-07", at least two exponent digits) when the decimal exponent of the number rounded
// to 15 digits is below -4 or at least 15, so 0.0001 gives "0.0001" and 0.00001 "1E-05".
// Negative zero gives "0". The caller never passes a non-finite value; if it does, the text
// is "Infinity", "-Infinity" or "NaN", which reads back as 0 rather than as a number.
[[nodiscard]] std::u16string numberToText(
    double value, std::u16string_view decimalSeparator = u".");

} // namespace runtime

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "runtime/numbertext.h"
#include "runtime/textbox.h"

#include <QLocale>
#include <QTest>

#include <algorithm>
#include <bit>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <locale.h>
#include <random>
#include <regex>
#include <string>

using namespace Qt::StringLiterals;

namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();
constexpr double largest = std::numeric_limits<double>::max();
constexpr double smallestSubnormal = std::numeric_limits<double>::denorm_min();
constexpr std::mt19937_64::result_type seed = 20260101;
constexpr int randomInputs = 1'000'000;

QString describe(double value)
{
    return QString::asprintf("%.17g (bits %016llx)", value,
        static_cast<unsigned long long>(std::bit_cast<quint64>(value)));
}

// Tells 0 from -0 and compares NaN by its bits, which == cannot do.
bool sameDouble(double a, double b)
{
    return std::bit_cast<quint64>(a) == std::bit_cast<quint64>(b);
}

std::u16string_view u16(const QString &text)
{
    return { reinterpret_cast<const char16_t *>(text.utf16()), std::size_t(text.size()) };
}

std::u16string toU16(const std::string &ascii)
{
    return std::u16string(ascii.begin(), ascii.end());
}

// The correctly rounded value of a well-formed decimal without a leading "+": from_chars
// where it gives one, else the C library, which answers an infinity or a zero of the sign.
double referenceValue(const std::string &text)
{
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc()) {
        Q_ASSERT(result.ptr == text.data() + text.size());
        return value;
    }
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return strtod_l(text.c_str(), nullptr, cLocale);
}

struct Mismatches
{
    int count = 0;
    QString first;
    void add(const QString &what)
    {
        if (count++ == 0)
            first = what;
    }
    QByteArray report() const
    {
        return QString(u"%1 mismatches, first: %2"_s.arg(count).arg(first)).toUtf8();
    }
};

} // namespace

class tst_NumberText : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void textToNumber_data();
    void textToNumber();
    void numberToText_data();
    void numberToText();
    void readingMatchesFromChars();
    void writingMatchesPrintfAndReadsBack();
    void readingFollowsThePatternOnArbitraryText();
    void decimalSeparatorOfTheLocale_data();
    void decimalSeparatorOfTheLocale();
    void digitsOfEveryScript_data();
    void digitsOfEveryScript();
    void invisibleCharactersAreSkipped_data();
    void invisibleCharactersAreSkipped();
    void spaceSeparatorsAreBlanks_data();
    void spaceSeparatorsAreBlanks();
};

void tst_NumberText::initTestCase()
{
    // The printf references below must write a full stop whatever the environment says.
    std::setlocale(LC_NUMERIC, "C");
}

void tst_NumberText::textToNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("plain weight") << u"70"_s << 70.0;
    QTest::newRow("empty text gives 0") << u""_s << 0.0;
    QTest::newRow("letters give 0") << u"abc"_s << 0.0;
    QTest::newRow("unit after the number is ignored") << u"70kg"_s << 70.0;
    QTest::newRow("negative weight") << u"-70"_s << -70.0;
    QTest::newRow("minus sign") << u"\u221270"_s << -70.0;
    QTest::newRow("minus sign in the exponent") << u"1e\u22123"_s << 1e-3;
    QTest::newRow("plus sign") << u"+5"_s << 5.0;
    QTest::newRow("leading point") << u".5"_s << 0.5;
    QTest::newRow("trailing point") << u"5."_s << 5.0;
    QTest::newRow("point then exponent") << u"1.e2"_s << 100.0;
    QTest::newRow("exponent letter alone") << u"1e"_s << 1.0;
    QTest::newRow("exponent letter and sign alone") << u"1e+"_s << 1.0;
    QTest::newRow("exponent with two signs") << u"1e+-2"_s << 1.0;
    QTest::newRow("second exponent ignored") << u"1e5e3"_s << 1e5;
    QTest::newRow("second point ends the number") << u"1.2.3"_s << 1.2;
    QTest::newRow("minus alone") << u"-"_s << 0.0;
    QTest::newRow("plus alone") << u"+"_s << 0.0;
    QTest::newRow("point alone") << u"."_s << 0.0;
    QTest::newRow("point with exponent but no digit") << u".e2"_s << 0.0;
    QTest::newRow("two signs") << u"--5"_s << 0.0;
    QTest::newRow("minus sign and hyphen-minus are two signs") << u"\u2212-5"_s << 0.0;
    QTest::newRow("negative zero keeps its sign") << u"-0"_s << -0.0;
    QTest::newRow("small exponent") << u"1.5E-07"_s << 1.5e-7;
    QTest::newRow("leading zeros") << u"000012.50"_s << 12.5;

    // Blanks, the D exponent and the radix prefixes.
    QTest::newRow("leading blanks") << u"   42"_s << 42.0;
    QTest::newRow("leading tab and line feed") << u"\t\n42"_s << 42.0;
    QTest::newRow("blanks between digits") << u"1 000 000"_s << 1e6;
    QTest::newRow("blank after the sign") << u"- 5"_s << -5.0;
    QTest::newRow("blanks around the point") << u"1 . 5"_s << 1.5;
    QTest::newRow("blanks in the exponent") << u"1 e - 3"_s << 1e-3;
    QTest::newRow("trailing blanks then unit") << u"70 kg"_s << 70.0;
    QTest::newRow("blank then point continues the number") << u"12 .5"_s << 12.5;
    QTest::newRow("carriage return is a blank") << u"\r42"_s << 42.0;
    QTest::newRow("no-break space is a blank") << u"\u00A042"_s << 42.0;
    QTest::newRow("no-break space between digits") << u"1\u00A0000"_s << 1000.0;
    QTest::newRow("D exponent") << u"1D3"_s << 1000.0;
    QTest::newRow("lower-case d exponent") << u"25d-1"_s << 2.5;
    QTest::newRow("hexadecimal") << u"&H1F"_s << 31.0;
    QTest::newRow("hexadecimal, lower case") << u"&hff"_s << 255.0;
    QTest::newRow("hexadecimal with blanks") << u" & H 1 0"_s << 16.0;
    QTest::newRow("16-bit hexadecimal wraps") << u"&HFFFF"_s << -1.0;
    QTest::newRow("lowest 16-bit hexadecimal") << u"&H8000"_s << -32768.0;
    QTest::newRow("leading zeros do not widen") << u"&H0000FFFF"_s << -1.0;
    QTest::newRow("17 bits is a 32-bit value") << u"&H10000"_s << 65536.0;
    QTest::newRow("32-bit hexadecimal wraps") << u"&HFFFFFFFF"_s << -1.0;
    QTest::newRow("lowest 32-bit hexadecimal") << u"&H80000000"_s << -2147483648.0;
    QTest::newRow("hexadecimal beyond 32 bits") << u"&H100000000"_s << infinity;
    QTest::newRow("octal") << u"&O17"_s << 15.0;
    QTest::newRow("16-bit octal wraps") << u"&o177777"_s << -1.0;
    QTest::newRow("octal ends at 8") << u"&O18"_s << 1.0;
    QTest::newRow("hexadecimal ends at point") << u"&H1.8"_s << 1.0;
    QTest::newRow("prefix without digits") << u"&H"_s << 0.0;
    QTest::newRow("prefix with a non-digit") << u"&HG"_s << 0.0;
    QTest::newRow("sign before a prefix") << u"-&H10"_s << 0.0;
    QTest::newRow("unknown prefix") << u"&B101"_s << 0.0;

    // What the rule does not accept.
    QTest::newRow("inf is no number") << u"inf"_s << 0.0;
    QTest::newRow("infinity is no number") << u"-Infinity"_s << 0.0;
    QTest::newRow("nan is no number") << u"nan"_s << 0.0;
    QTest::newRow("hexadecimal float stops at x") << u"0x1p3"_s << 0.0;
    QTest::newRow("Arabic decimal separator, not the user's, ends the number")
        << u"1\u066B5"_s << 1.0;

    // The digits of other scripts count as their values.
    QTest::newRow("Arabic-Indic digit") << u"\u0663"_s << 3.0;
    QTest::newRow("Arabic-Indic digit after an ASCII one") << u"1\u0663"_s << 13.0;
    QTest::newRow("full-width digits") << u"\uFF17\uFF10"_s << 70.0;

    // The ends of the range.
    QTest::newRow("largest double") << u"1.7976931348623157e308"_s << largest;
    QTest::newRow("rounds down to the largest double") << u"1.7976931348623158e308"_s << largest;
    QTest::newRow("rounds up beyond the largest double") << u"1.7976931348623159e308"_s << infinity;
    QTest::newRow("largest double written to 15 digits") << u"1.79769313486232E+308"_s << infinity;
    QTest::newRow("overflow") << u"1e309"_s << infinity;
    QTest::newRow("negative overflow") << u"-1e309"_s << -infinity;
    QTest::newRow("overflow by long exponent") << u"1e99999999999999999999"_s << infinity;
    QTest::newRow("overflow by many digits") << u"1"_s + QString(400, u'0') << infinity;
    QTest::newRow("zero with a huge exponent") << u"0e99999999999999999999"_s << 0.0;
    QTest::newRow("many zeros then a digit") << u"0."_s + QString(400, u'0') + u"1e700"_s << 1e299;
    QTest::newRow("many integer digits, negative exponent")
        << u"1"_s + QString(899, u'0') + u"e-850"_s << 1e49;
    QTest::newRow("exponent cancels many zeros")
        << u"0."_s + QString(19999, u'0') + u"1e20004"_s << 1e4;
    QTest::newRow("underflow gives zero") << u"1e-400"_s << 0.0;
    QTest::newRow("negative underflow gives negative zero") << u"-1e-400"_s << -0.0;
    QTest::newRow("underflow by long exponent") << u"1e-99999999999999999999"_s << 0.0;
    QTest::newRow("smallest subnormal") << u"4.9406564584124654e-324"_s << smallestSubnormal;
    QTest::newRow("just above half the smallest subnormal")
        << u"2.4703282292062328e-324"_s << smallestSubnormal;
    QTest::newRow("just below half the smallest subnormal") << u"2.4703282292062327e-324"_s << 0.0;
    QTest::newRow("subnormal") << u"1e-310"_s << 1e-310;
    QTest::newRow("largest subnormal")
        << u"2.2250738585072011e-308"_s << std::nextafter(std::numeric_limits<double>::min(), 0.0);
    QTest::newRow("tie rounds to even") << u"9007199254740993"_s << 9007199254740992.0;
    QTest::newRow("tie broken by the 900th digit")
        << u"9007199254740993."_s + QString(883, u'0') + u"1"_s << 9007199254740994.0;
    QTest::newRow("tie kept when the 900th digit is 0")
        << u"9007199254740993."_s + QString(884, u'0') << 9007199254740992.0;
}

void tst_NumberText::textToNumber()
{
    QFETCH(QString, text);
    QFETCH(double, expected);

    const double parsed = runtime::textToNumber(u16(text), u".", runtime::unicodeProperties());
    QVERIFY2(sameDouble(parsed, expected), qPrintable(describe(parsed)));

    // 8-bit text is Latin-1 and reads as the same characters in UTF-16 do.
    if (std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() <= 0xFF; })) {
        const QByteArray latin1 = text.toLatin1();
        const double parsed8 = runtime::textToNumber(
            std::string_view(latin1.data(), latin1.size()), u".", runtime::unicodeProperties());
        QVERIFY2(sameDouble(parsed8, expected), qPrintable(describe(parsed8)));
    }
}

void tst_NumberText::numberToText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("expected");

    QTest::newRow("zero") << 0.0 << u"."_s << u"0"_s;
    QTest::newRow("negative zero") << -0.0 << u"."_s << u"0"_s;
    QTest::newRow("integer") << 203.0 << u"."_s << u"203"_s;
    QTest::newRow("negative") << -1.5 << u"."_s << u"-1.5"_s;
    QTest::newRow("7 kg on Mercury") << 7 * 0.37 << u"."_s << u"2.59"_s;
    QTest::newRow("7 kg on Venus") << 7 * 0.909 << u"."_s << u"6.363"_s;
    QTest::newRow("7 kg on Uranus") << 7 * 0.862 << u"."_s << u"6.034"_s;
    QTest::newRow("7 kg on Pluto") << 7 * 0.063 << u"."_s << u"0.441"_s;
    QTest::newRow("70 kg on Mercury") << 70 * 0.37 << u"."_s << u"25.9"_s;
    QTest::newRow("-70 kg on Pluto") << -70 * 0.063 << u"."_s << u"-4.41"_s;
    QTest::newRow("binary noise hidden") << 0.1 + 0.2 << u"."_s << u"0.3"_s;
    QTest::newRow("a third") << 1.0 / 3 << u"."_s << u"0.333333333333333"_s;
    QTest::newRow("two thirds round up") << 2.0 / 3 << u"."_s << u"0.666666666666667"_s;
    QTest::newRow("sixteenth digit rounds") << 123456789012345.6 << u"."_s << u"123456789012346"_s;
    QTest::newRow("largest plain integer") << 999999999999999.0 << u"."_s << u"999999999999999"_s;
    QTest::newRow("just below the half") << 999999999999999.4 << u"."_s << u"999999999999999"_s;
    QTest::newRow("half rounds into exponent form") << 999999999999999.5 << u"."_s << u"1E+15"_s;
    QTest::newRow("1e14 is plain") << 1e14 << u"."_s << u"100000000000000"_s;
    QTest::newRow("1e15 is exponent form") << 1e15 << u"."_s << u"1E+15"_s;
    QTest::newRow("large with fraction") << 3.7e307 << u"."_s << u"3.7E+307"_s;
    QTest::newRow("largest double") << largest << u"."_s << u"1.79769313486232E+308"_s;
    QTest::newRow("0.0001 is plain") << 0.0001 << u"."_s << u"0.0001"_s;
    QTest::newRow("rounds up to 0.0001") << 9.9999999999999999e-5 << u"."_s << u"0.0001"_s;
    QTest::newRow("just below 0.0001")
        << 9.99999999999999e-5 << u"."_s << u"9.99999999999999E-05"_s;
    QTest::newRow("1e-5 is exponent form") << 1e-5 << u"."_s << u"1E-05"_s;
    QTest::newRow("small") << 1.5e-7 << u"."_s << u"1.5E-07"_s;
    QTest::newRow("negative small") << -1.5e-7 << u"."_s << u"-1.5E-07"_s;
    QTest::newRow("smallest normal")
        << std::numeric_limits<double>::min() << u"."_s << u"2.2250738585072E-308"_s;
    QTest::newRow("smallest subnormal")
        << smallestSubnormal << u"."_s << u"4.94065645841247E-324"_s;
    QTest::newRow("comma separator") << 25.9 << u","_s << u"25,9"_s;
    QTest::newRow("comma separator, exponent form") << 1.5e20 << u","_s << u"1,5E+20"_s;
    QTest::newRow("comma separator, integer") << 1e20 << u","_s << u"1E+20"_s;
    QTest::newRow("Arabic decimal separator") << 25.9 << u"\u066B"_s << u"25\u066B9"_s;
    QTest::newRow("infinity") << infinity << u"."_s << u"Infinity"_s;
    QTest::newRow("negative infinity") << -infinity << u"."_s << u"-Infinity"_s;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << u"."_s << u"NaN"_s;
}

void tst_NumberText::numberToText()
{
    QFETCH(double, value);
    QFETCH(QString, separator);
    QFETCH(QString, expected);

    const std::u16string text = runtime::numberToText(
        value, std::u16string_view(QStringView(separator).utf16(), separator.size()));
    QCOMPARE(QString::fromStdU16String(text), expected);
}

// Random well-formed numbers, each read as written and also dressed up with blanks, a D
// exponent and trailing text, which must not change the value.
void tst_NumberText::readingMatchesFromChars()
{
    std::mt19937_64 random(seed);
    const auto below = [&](int n) { return int(random() % unsigned(n)); };
    // Eighteen digits from each draw keep the generator from dominating the run time.
    const auto digits = [&](std::string &out, int n) {
        std::uint64_t draw = 0;
        for (int i = 0; i < n; ++i, draw /= 10) {
            if (i % 18 == 0)
                draw = random();
            out += char('0' + draw % 10);
        }
    };
    static const char *const suffixes[]
        = { "kg", ",5", " kg", "e", "E+", "d-x", "-3", "+3", "..1", "&H1" };
    Mismatches mismatches;
    std::string clean;
    std::string text;
    std::u16string text16;
    for (int i = 0; i < randomInputs; ++i) {
        clean.clear();
        const int sign = below(3);
        if (sign == 1)
            clean += '-';
        const int shape = below(100);
        if (shape == 0) {
            // The exact halfway point between two doubles, or a hair off it: rounding to
            // even and the digits beyond the kept ones decide.
            const double a = std::bit_cast<double>(random() & 0x7FEF'FFFF'FFFF'FFFFu);
            const long double half
                = (static_cast<long double>(a) + std::nextafter(a, infinity)) / 2;
            char buffer[1200];
            std::snprintf(buffer, sizeof buffer, "%.*Le", 760 + below(200), half);
            clean += buffer;
            if (below(2)) {
                const auto e = clean.find('e');
                clean.insert(e, below(2) ? "1" : "0");
            }
        } else {
            const int intDigits = shape < 90 ? below(20) : below(60);
            const int fracDigits = below(3) ? below(20) : 0;
            if (below(4) == 0)
                clean += std::string(below(5), '0');
            digits(clean, intDigits);
            if (fracDigits > 0 || below(4) == 0) {
                clean += '.';
                digits(clean, fracDigits);
            }
            if (intDigits + fracDigits == 0)
                clean += '7';
            if (below(2)) {
                clean += below(2) ? 'e' : 'E';
                const int exponentSign = below(3);
                if (exponentSign > 0)
                    clean += exponentSign == 1 ? '-' : '+';
                clean += std::to_string(below(4) ? below(30) : below(400));
            }
        }
        const double expected = referenceValue(clean);

        text = (sign == 2 ? "+" : "") + clean;
        if (below(3) == 0) {
            std::string dressed;
            for (const char c : text) {
                while (below(4) == 0)
                    dressed += " \t\n"[below(3)];
                dressed += (c == 'e' || c == 'E') && below(2) ? "dD"[below(2)] : c;
            }
            text = dressed + suffixes[below(std::size(suffixes))];
        }
        text16.assign(text.begin(), text.end());
        const double parsed = runtime::textToNumber(text16);
        if (!sameDouble(parsed, expected))
            mismatches.add(QString::fromStdString(text).left(100) + u" gave "_s + describe(parsed)
                + u" expected "_s + describe(expected));
    }
    QVERIFY2(mismatches.count == 0, mismatches.report().constData());
}

void tst_NumberText::writingMatchesPrintfAndReadsBack()
{
    std::mt19937_64 random(seed);
    const auto below = [&](int n) { return int(random() % unsigned(n)); };
    Mismatches mismatches;
    char reference[64];
    for (int i = 0; i < randomInputs; ++i) {
        double x = 0;
        switch (below(4)) {
        case 0:
            x = std::bit_cast<double>(random());
            if (!std::isfinite(x))
                x = -0.0;
            break;
        case 1: // around the magnitudes where the exponent form begins and ends
            x = std::ldexp(double(random() >> 11), -53) * 9 + 1;
            x *= std::pow(10.0, below(30) - 12);
            break;
        case 2: // few digits, where trailing zeros are stripped
            x = double(below(1'000'000)) / std::pow(10.0, below(12));
            break;
        default: // a few steps off a power of ten
            x = std::pow(10.0, below(40) - 20);
            for (int steps = below(4); steps > 0; --steps)
                x = std::nextafter(x, below(2) ? 0.0 : infinity);
            break;
        }
        if (below(2))
            x = -x;

        std::snprintf(reference, sizeof reference, "%.15G", x);
        const std::u16string expectedText = x == 0 ? u"0" : toU16(reference);
        const std::u16string text = runtime::numberToText(x);
        if (text != expectedText)
            mismatches.add(describe(x) + u" wrote "_s + QString::fromStdU16String(text));

        std::snprintf(reference, sizeof reference, "%.14e", x);
        std::string rounded = reference;
        const bool negative = rounded.front() == '-';
        double expected = referenceValue(negative ? rounded.substr(1) : rounded);
        if (negative)
            expected = -expected;
        const double readBack = runtime::textToNumber(text);
        const bool same = expected == 0 ? readBack == 0 : sameDouble(readBack, expected);
        if (!same)
            mismatches.add(describe(x) + u" read back as "_s + describe(readBack));
    }
    QVERIFY2(mismatches.count == 0, mismatches.report().constData());
}

// Any text over the characters that matter, against the rule stated as a pattern: remove
// the blanks, then match the longest number at the start.
void tst_NumberText::readingFollowsThePatternOnArbitraryText()
{
    static const std::regex decimal(R"(([+-]?)(\d+\.?\d*|\.\d+)(?:[eEdD]([+-]?\d+))?)");
    static const std::regex radix(R"(&([hH][0-9a-fA-F]+|[oO][0-7]+))");
    static const char alphabet[] = "0123456789012345..,+-+-eEdD&HhOoFx \t\n\r";
    std::mt19937_64 random(seed);
    Mismatches mismatches;
    std::string text;
    for (int i = 0; i < 300'000; ++i) {
        text.clear();
        for (int n = int(random() % 14); n > 0; --n)
            text += alphabet[random() % (sizeof alphabet - 1)];
        std::string stripped;
        for (const char c : text) {
            if (c != ' ' && c != '\t' && c != '\n' && c != '\r')
                stripped += c;
        }

        double expected = 0;
        std::smatch match;
        if (std::regex_search(stripped, match, radix, std::regex_constants::match_continuous)) {
            const std::string body = match[1].str();
            const auto bits
                = std::stoull(body.substr(1), nullptr, body[0] == 'o' || body[0] == 'O' ? 8 : 16);
            if (bits > 0xFFFF'FFFFu)
                expected = infinity;
            else
                expected = bits <= 0xFFFF ? double(qint16(bits)) : double(qint32(bits));
        } else if (std::regex_search(
                       stripped, match, decimal, std::regex_constants::match_continuous)) {
            expected
                = referenceValue(match[2].str() + "e" + (match[3].matched ? match[3].str() : "0"));
            if (match[1] == "-")
                expected = -expected;
        }
        const double parsed = runtime::textToNumber(text);
        if (!sameDouble(parsed, expected))
            mismatches.add(QString::fromStdString(text) + u" gave "_s + describe(parsed)
                + u" expected "_s + describe(expected));
    }
    QVERIFY2(mismatches.count == 0, mismatches.report().constData());
}

// The user's decimal separator reads as a decimal point beside the full stop; a thousands
// separator is never read as one.
void tst_NumberText::decimalSeparatorOfTheLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    // clang-format off
    QTest::newRow("de_DE: comma")                     << u"de_DE"_s << u"70,5"_s << 70.5;
    QTest::newRow("de_DE: full stop too")             << u"de_DE"_s << u"70.5"_s << 70.5;
    QTest::newRow("de_DE: comma before the digits")   << u"de_DE"_s << u",25"_s << 0.25;
    QTest::newRow("de_DE: comma then exponent")       << u"de_DE"_s << u"2,5e3"_s << 2500.0;
    QTest::newRow("de_DE: second separator ends")     << u"de_DE"_s << u"1,5,3"_s << 1.5;
    QTest::newRow("de_DE: full stop then comma ends") << u"de_DE"_s << u"1.000,5"_s << 1.0;
    QTest::newRow("fr_FR: comma")                     << u"fr_FR"_s << u"70,5"_s << 70.5;
    QTest::newRow("fr_FR: group separator is a blank")
        << u"fr_FR"_s << u"1\u202F000,5"_s << 1000.5;
    QTest::newRow("ar_EG: Arabic decimal separator")  << u"ar_EG"_s << u"70\u066B5"_s << 70.5;
    QTest::newRow("ar_EG: with Arabic-Indic digits")
        << u"ar_EG"_s << u"\u0667\u0660\u066B\u0665"_s << 70.5;
    QTest::newRow("ar_EG: full stop too")             << u"ar_EG"_s << u"70.5"_s << 70.5;
    QTest::newRow("ar_EG: comma ends")                << u"ar_EG"_s << u"70,5"_s << 70.0;
    QTest::newRow("ar_EG: thousands separator ends")  << u"ar_EG"_s << u"1\u066C000"_s << 1.0;
    QTest::newRow("C: comma ends")                    << u"C"_s << u"1,5"_s << 1.0;
    QTest::newRow("C: full stop")                     << u"C"_s << u"70.5"_s << 70.5;
    QTest::newRow("C: Arabic decimal separator ends") << u"C"_s << u"1\u066B5"_s << 1.0;
    // clang-format on
}

void tst_NumberText::decimalSeparatorOfTheLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(double, expected);

    const QString separator = QLocale(locale).decimalPoint();
    const double parsed
        = runtime::textToNumber(u16(text), u16(separator), runtime::unicodeProperties());
    QVERIFY2(sameDouble(parsed, expected), qPrintable(describe(parsed)));
}

// A decimal digit of any script (category Nd) counts as its value, and no other character
// that looks like a digit does.
void tst_NumberText::digitsOfEveryScript_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    // clang-format off
    QTest::newRow("Arabic-Indic")                   << u"\u0667\u0660"_s << 70.0;
    QTest::newRow("Extended Arabic-Indic")          << u"\u06F7\u06F0"_s << 70.0;
    QTest::newRow("full-width")                     << u"\uFF17\uFF10"_s << 70.0;
    QTest::newRow("Devanagari")                     << u"\u096D\u0966"_s << 70.0;
    QTest::newRow("Bengali")                        << u"\u09ED\u09E6"_s << 70.0;
    QTest::newRow("Thai")                           << u"\u0E57\u0E50"_s << 70.0;
    QTest::newRow("mathematical bold, beyond 16 bits") << u"\U0001D7D5\U0001D7CE"_s << 70.0;
    QTest::newRow("scripts mixed")                  << u"7\u0660\u06F0"_s << 700.0;
    QTest::newRow("in the fraction")                << u"\u0667.\u0665"_s << 7.5;
    QTest::newRow("in the exponent")                << u"1e\u0663"_s << 1000.0;
    QTest::newRow("in a hexadecimal number")        << u"&H\u0661F"_s << 31.0;
    QTest::newRow("eight ends an octal number")     << u"&O\u0661\u0668"_s << 1.0;
    QTest::newRow("superscript two is no digit")    << u"\u00B2"_s << 0.0;
    QTest::newRow("circled one is no digit")        << u"\u2460"_s << 0.0;
    QTest::newRow("Roman numeral seven is no digit") << u"\u2166"_s << 0.0;
    QTest::newRow("full-width letter is no hexadecimal digit") << u"&H1\uFF26"_s << 1.0;
    QTest::newRow("unpaired high surrogate ends")   << u"7"_s + QChar(0xD835) + u"0"_s << 7.0;
    // clang-format on
}

void tst_NumberText::digitsOfEveryScript()
{
    QFETCH(QString, text);
    QFETCH(double, expected);

    const double parsed = runtime::textToNumber(u16(text), u".", runtime::unicodeProperties());
    QVERIFY2(sameDouble(parsed, expected), qPrintable(describe(parsed)));
}

// Format, control and default-ignorable characters do not show, so they are not part of the
// number wherever they stand.
void tst_NumberText::invisibleCharactersAreSkipped_data()
{
    QTest::addColumn<QString>("invisible");

    // clang-format off
    QTest::newRow("zero-width space")           << u"\u200B"_s;
    QTest::newRow("zero-width non-joiner")      << u"\u200C"_s;
    QTest::newRow("zero-width joiner")          << u"\u200D"_s;
    QTest::newRow("left-to-right mark")         << u"\u200E"_s;
    QTest::newRow("right-to-left mark")         << u"\u200F"_s;
    QTest::newRow("Arabic letter mark")         << u"\u061C"_s;
    QTest::newRow("left-to-right embedding")    << u"\u202A"_s;
    QTest::newRow("right-to-left override")     << u"\u202E"_s;
    QTest::newRow("pop directional formatting") << u"\u202C"_s;
    QTest::newRow("right-to-left isolate")      << u"\u2067"_s;
    QTest::newRow("word joiner")                << u"\u2060"_s;
    QTest::newRow("soft hyphen")                << u"\u00AD"_s;
    QTest::newRow("byte-order mark")            << u"\uFEFF"_s;
    QTest::newRow("language tag, beyond 16 bits") << u"\U000E0001"_s;
    QTest::newRow("carriage return")            << u"\r"_s;
    QTest::newRow("escape")                     << u"\u001B"_s;
    QTest::newRow("delete")                     << u"\u007F"_s;
    QTest::newRow("next line")                  << u"\u0085"_s;
    QTest::newRow("null")                       << QString(QChar(0));
    QTest::newRow("combining grapheme joiner")  << u"\u034F"_s;
    QTest::newRow("emoji variation selector")   << u"\uFE0F"_s;
    QTest::newRow("variation selector 256")     << u"\U000E01EF"_s;
    QTest::newRow("Hangul choseong filler")     << u"\u115F"_s;
    QTest::newRow("Hangul filler")              << u"\u3164"_s;
    QTest::newRow("half-width Hangul filler")   << u"\uFFA0"_s;
    QTest::newRow("Khmer inherent vowel, a nonspacing mark") << u"\u17B4"_s;
    QTest::newRow("unassigned U+FFF0")          << u"\uFFF0"_s;
    // clang-format on
}

void tst_NumberText::invisibleCharactersAreSkipped()
{
    QFETCH(QString, invisible);

    const QString i = invisible;
    const QStringList texts = { i + u"70"_s, u"7"_s + i + u"0"_s,
        u"-"_s + i + u"7"_s + i + i + u"0.5"_s + i + u"e1"_s };
    const double expected[] = { 70.0, 70.0, -705.0 };
    for (qsizetype n = 0; n < texts.size(); ++n) {
        const double parsed
            = runtime::textToNumber(u16(texts[n]), u".", runtime::unicodeProperties());
        QVERIFY2(
            sameDouble(parsed, expected[n]), qPrintable(u"text %1: "_s.arg(n) + describe(parsed)));
    }
}

// Every space separator (category Zs) is a blank like the space, and so are the line and
// paragraph separators, which a one-line box shows as spaces; other characters that group
// digits end the number.
void tst_NumberText::spaceSeparatorsAreBlanks_data()
{
    QTest::addColumn<QString>("space");
    QTest::addColumn<double>("expected");

    // clang-format off
    QTest::newRow("space")                     << u" "_s << 1000.0;
    QTest::newRow("no-break space")            << u"\u00A0"_s << 1000.0;
    QTest::newRow("Ogham space mark")          << u"\u1680"_s << 1000.0;
    QTest::newRow("en quad")                   << u"\u2000"_s << 1000.0;
    QTest::newRow("em space")                  << u"\u2003"_s << 1000.0;
    QTest::newRow("thin space")                << u"\u2009"_s << 1000.0;
    QTest::newRow("hair space")                << u"\u200A"_s << 1000.0;
    QTest::newRow("narrow no-break space")     << u"\u202F"_s << 1000.0;
    QTest::newRow("medium mathematical space") << u"\u205F"_s << 1000.0;
    QTest::newRow("ideographic space")         << u"\u3000"_s << 1000.0;
    QTest::newRow("line separator")            << u"\u2028"_s << 1000.0;
    QTest::newRow("paragraph separator")       << u"\u2029"_s << 1000.0;
    QTest::newRow("Arabic thousands separator ends") << u"\u066C"_s << 1.0;
    // clang-format on
}

void tst_NumberText::spaceSeparatorsAreBlanks()
{
    QFETCH(QString, space);
    QFETCH(double, expected);

    const QString text = u"1"_s + space + u"000"_s;
    const double parsed = runtime::textToNumber(u16(text), u".", runtime::unicodeProperties());
    QVERIFY2(sameDouble(parsed, expected), qPrintable(describe(parsed)));
}

QTEST_APPLESS_MAIN(tst_NumberText)
#include "tst_numbertext.moc"

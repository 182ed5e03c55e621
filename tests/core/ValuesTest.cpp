// Value operations: account templates, rounding, date and number texts, SQL literals.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/DateTime.h"
#include "core/Values.h"

using namespace kex;

namespace {

// ---- Account templates ------------------------------------------------------------------------

struct ExpandCase {
    const char* tmpl;
    const char* centre;
    const char* structure;
    const char* vatRate;
    const char* expected;
};

TEST(ExpandAccount, ReplacesTheFirstPlaceholderThatMatchesItsFixedPosition)
{
    const ExpandCase cases[] = {
        // Each placeholder form, with values for all three so the wrong one would show.
        {"504.XXX", "43", "07", "19", "504.43"},
        {"504.0XX", "43", "07", "19", "504.043"},
        {"504.XX1", "43", "07", "19", "504.431"},
        {"343.DDD", "43", "07", "19", "343.19"},
        {"343.0DD", "43", "07", "19", "343.019"},
        {"343.DD1", "43", "07", "5", "343.51"},
        {"604.YYY", "43", "07", "19", "604.07"},
        {"604.1YY", "43", "07", "19", "604.107"},
        {"604.YY2", "43", "07", "19", "604.072"},
        // Any letter case counts.
        {"504.xxx", "431", "", "", "504.431"},
        {"504.0xX", "43", "", "", "504.043"},
        {"343.0dd", "", "", "21", "343.021"},
        {"604.yY2", "", "07", "", "604.072"},
        // No placeholder: unchanged.
        {"504.100", "43", "07", "19", "504.100"},
        {"", "43", "07", "19", ""},
        // Only the fixed positions count: 5XX.0YY ends in YY, so the structure code goes there.
        {"5XX.0YY", "43", "07", "19", "5XX.007"},
        // XXX is tested before XX at the end, which would give 504.X43.
        {"504.XXX", "43", "", "", "504.43"},
        // Other lengths are cut by the same counts.
        {"504XXX", "43", "", "", "504X43"},
        // The value goes in as it is, of any length, and a missing value leaves nothing.
        {"504.XXX", "1234", "", "", "504.1234"},
        {"504.0XX", "", "07", "19", "504.0"},
        {"343.DD1", "", "", "", "343.1"},
        // Characters, not bytes: a Czech letter before the placeholder is one position.
        {"504.ŽXX", "43", "", "", "504.Ž43"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExpandAccount(c.tmpl, c.centre, c.structure, c.vatRate), c.expected)
            << "template " << c.tmpl << ", centre " << c.centre << ", structure " << c.structure << ", rate "
            << c.vatRate;
}

// ---- Rounding ---------------------------------------------------------------------------------

TEST(RoundTo, RoundsHalvesAwayFromZeroAfterHandingTheProductOverAsDouble)
{
    struct Case {
        int n;
        double x;
        double expected;
    };
    // Expected values worked out with exact rational arithmetic: product rounded to 64 bits, then
    // to 53 bits, then half away from zero.
    const Case cases[] = {
        {2, 1.005, 1.0},     // product 100.49999999999999 stays below the half
        {2, 2.675, 2.68},    // product becomes exactly 267.5
        {2, -2.675, -2.68},  //
        {2, -2.5, -2.5},     //
        {2, 0.125, 0.13},    // exact halves go away from zero
        {2, -0.125, -0.13},  //
        {2, 0.285, 0.28},    // binary value just below the half
        {2, 1.255, 1.25},    //
        {2, 8.345, 8.35},    // binary value just above the half
        {2, 0.005, 0.01},    //
        {2, -0.005, -0.01},  //
        {2, 10.005, 10.01},  //
        {2, 1234567.895, 1234567.9},
        {2, 0.0, 0.0},
        {2, 7.0, 7.0},
        {0, 2.5, 3.0},
        {0, -2.5, -3.0},
        {1, 0.25, 0.3},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RoundTo(c.n, c.x), c.expected) << "RoundTo(" << c.n << ", " << c.x << ")";
}

TEST(RoundHalfAway, RoundsHalvesAwayFromZeroWithoutLosingLargeOrNearHalfValues)
{
    struct Case {
        double x;
        double expected;
    };
    const Case cases[] = {
        {0.5, 1.0},
        {-0.5, -1.0},
        {1.5, 2.0},
        {2.5, 3.0},
        {-2.5, -3.0},
        {0.4, 0.0},
        {-1.4, -1.0},
        // The largest double below one half: adding 0.5 in double precision would give 1.
        {0.49999999999999994, 0.0},
        {-0.49999999999999994, 0.0},
        // 2^52 + 1: in double precision x + 0.5 would round to the even neighbour 2^52 + 2.
        {4503599627370497.0, 4503599627370497.0},
        {-4503599627370497.0, -4503599627370497.0},
        {1e300, 1e300},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RoundHalfAway(c.x), c.expected) << "RoundHalfAway(" << c.x << ")";
}

// ---- Dates ------------------------------------------------------------------------------------

TEST(DateTexts, WriteEachFormWithItsOwnPadding)
{
    struct Case {
        DateTime value;
        const char* ymd;
        const char* yyyymmdd;
        const char* dateTime;
        const char* stamp;
    };
    const Case cases[] = {
        {MakeDate(2006, 8, 5, 9, 5, 3), "2006-8-5", "20060805", "2006-8-5 9:05:03", "2006-08-05 09:05:03"},
        {MakeDate(2012, 12, 31, 23, 59, 59), "2012-12-31", "20121231", "2012-12-31 23:59:59", "2012-12-31 23:59:59"},
        {MakeDate(2006, 10, 1, 10, 0, 0), "2006-10-1", "20061001", "2006-10-1 10:00:00", "2006-10-01 10:00:00"},
        {ZeroDate(), "1899-12-30", "18991230", "1899-12-30 0:00:00", "1899-12-30 00:00:00"},
        {MakeDate(999, 1, 2), "999-1-2", "09990102", "999-1-2 0:00:00", "0999-01-02 00:00:00"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DateYMD(c.value), c.ymd);
        EXPECT_EQ(DateYYYYMMDD(c.value), c.yyyymmdd);
        EXPECT_EQ(DateTimeYMD(c.value), c.dateTime);
        EXPECT_EQ(FormatStamp(c.value), c.stamp);
    }
}

TEST(ParseDateTime, ReadsEmptyAndZeroDatesAsTheZeroDate)
{
    for (const char* text : {"", "0000-00-00", "0000-00-00 00:00:00", "0000-00-00 00:00:00.000000", "2006-00-00",
                             "2006-05-00", "0000-05-10", "0000-00-00 12:30:00"})
        EXPECT_EQ(ParseDateTime(text), ZeroDate()) << '"' << text << '"';
}

TEST(ParseDateTime, ReadsServerDatesAndOurOwnTexts)
{
    struct Case {
        const char* text;
        DateTime expected;
    };
    const Case cases[] = {
        {"2006-08-05", MakeDate(2006, 8, 5)},
        {"2006-08-05 09:05:03", MakeDate(2006, 8, 5, 9, 5, 3)},
        {"2006-08-05 09:05:03.999999", MakeDate(2006, 8, 5, 9, 5, 3)}, // the fraction is dropped, not rounded
        {"2006-8-5 9:05:03", MakeDate(2006, 8, 5, 9, 5, 3)},
        {"1999-09-09", MakeDate(1999, 9, 9)},
        {"2000-02-29 23:59:59", MakeDate(2000, 2, 29, 23, 59, 59)},
        {"1899-12-30 00:00:00", ZeroDate()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseDateTime(c.text), c.expected) << c.text;

    const DateTime samples[] = {MakeDate(2006, 8, 5, 9, 5, 3), MakeDate(2013, 1, 31, 0, 0, 0),
                                MakeDate(2024, 12, 9, 23, 59, 59)};
    for (const auto& d : samples) {
        EXPECT_EQ(ParseDateTime(FormatStamp(d)), d);
        EXPECT_EQ(ParseDateTime(DateTimeYMD(d)), d);
    }
}

TEST(ParseDateTime, RejectsTextsThatAreNoDate)
{
    for (const char* text : {"abc", "2006-08", "20060805", "2006-08-05T09:05:03", "2006-08-05 ", " 2006-08-05",
                             "2006-08-05 09:05", "2006-08-05 09:05:03.", "2006-02-30", "1900-02-29", "2006-13-01",
                             "2006-08-05 24:00:00", "2006-08-05 12:60:00", "2006-008-05", "06-08-05"})
        EXPECT_THROW(ParseDateTime(text), std::invalid_argument) << '"' << text << '"';
}

TEST(MakeDate, AcceptsOnlyRealCalendarDatesAndTimes)
{
    EXPECT_NO_THROW(MakeDate(2000, 2, 29));
    EXPECT_NO_THROW(MakeDate(2004, 2, 29, 23, 59, 59));
    EXPECT_NO_THROW(MakeDate(1, 1, 1));
    EXPECT_NO_THROW(MakeDate(9999, 12, 31));
    struct Case {
        int y, m, d, hh, mm, ss;
    };
    const Case invalid[] = {{1900, 2, 29, 0, 0, 0}, {2001, 2, 29, 0, 0, 0}, {2006, 4, 31, 0, 0, 0},
                            {2006, 0, 1, 0, 0, 0},  {2006, 13, 1, 0, 0, 0}, {2006, 1, 0, 0, 0, 0},
                            {0, 1, 1, 0, 0, 0},     {10000, 1, 1, 0, 0, 0}, {2006, 1, 1, 24, 0, 0},
                            {2006, 1, 1, 0, 60, 0}, {2006, 1, 1, 0, 0, 60}, {2006, 1, 1, -1, 0, 0}};
    for (const auto& c : invalid)
        EXPECT_THROW(MakeDate(c.y, c.m, c.d, c.hh, c.mm, c.ss), std::invalid_argument)
            << c.y << "-" << c.m << "-" << c.d << " " << c.hh << ":" << c.mm << ":" << c.ss;
}

TEST(AddDays, CrossesMonthsYearsAndLeapDaysKeepingTheTimeOfDay)
{
    struct Case {
        DateTime from;
        int days;
        DateTime to;
    };
    const Case cases[] = {
        {MakeDate(2006, 12, 31, 9, 5, 3), 1, MakeDate(2007, 1, 1, 9, 5, 3)},
        {MakeDate(2000, 2, 28), 1, MakeDate(2000, 2, 29)},
        {MakeDate(1900, 2, 28), 1, MakeDate(1900, 3, 1)},
        {MakeDate(2004, 3, 1), -1, MakeDate(2004, 2, 29)},
        {MakeDate(2006, 1, 31), 30, MakeDate(2006, 3, 2)},
        {ZeroDate(), 38934, MakeDate(2006, 8, 5)}, // the suite's day count of 2006-08-05
        {MakeDate(1999, 9, 9), 1190, MakeDate(2002, 12, 12)},
        {MakeDate(2006, 8, 5), 0, MakeDate(2006, 8, 5)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AddDays(c.from, c.days), c.to) << DateYMD(c.from) << " + " << c.days;
        EXPECT_EQ(DaysBetween(c.from, c.to), c.days) << DateYMD(c.from) << " to " << DateYMD(c.to);
        EXPECT_EQ(DaysBetween(c.to, c.from), -c.days);
    }
    EXPECT_THROW(AddDays(MakeDate(9999, 12, 31), 1), std::out_of_range);
    EXPECT_THROW(AddDays(MakeDate(1, 1, 1), -1), std::out_of_range);
}

TEST(DaysBetween, CountsCalendarDaysNotElapsedHours)
{
    EXPECT_EQ(DaysBetween(MakeDate(2006, 8, 5, 23, 0, 0), MakeDate(2006, 8, 6, 1, 0, 0)), 1);
    EXPECT_EQ(DaysBetween(MakeDate(2006, 8, 5, 1, 0, 0), MakeDate(2006, 8, 5, 23, 0, 0)), 0);
}

TEST(DateTime, OrdersChronologically)
{
    EXPECT_LT(MakeDate(2006, 8, 5, 23, 59, 59), MakeDate(2006, 8, 6));
    EXPECT_LT(MakeDate(2002, 12, 11), MakeDate(2002, 12, 12));
    EXPECT_LT(ZeroDate(), MakeDate(1900, 1, 1));
    EXPECT_TRUE(IsZeroDate(DateTime{}));
    EXPECT_FALSE(IsZeroDate(MakeDate(1899, 12, 30, 12, 0, 0)));
}

// ---- Text operations --------------------------------------------------------------------------

TEST(TextOperations, CountCzechLettersAsOneCharacterEach)
{
    const std::string text = "Žluťoučký kůň";
    EXPECT_EQ(TextLength(text), 13);
    EXPECT_EQ(LeftText(text, 4), "Žluť");
    EXPECT_EQ(RightText(text, 3), "kůň");
    EXPECT_EQ(LeftText(text, 99), text);
    EXPECT_EQ(RightText(text, 13), text);
    EXPECT_EQ(LeftText(text, 0), "");
    EXPECT_EQ(RightText(text, -1), "");
    EXPECT_EQ(LeftText("", 3), "");
    // Padding counts characters: "Šč" is four bytes but two characters.
    EXPECT_EQ(PadLeft("Šč", U'0', 4), "00Šč");
    EXPECT_EQ(PadLeft("42", U'0', 5), "00042");
    EXPECT_EQ(PadLeft("123456", U'0', 5), "123456");
    EXPECT_EQ(PadLeft("", U'0', 4), "0000");
    EXPECT_EQ(PadLeft("7", U'·', 3), "··7");
    EXPECT_THROW(PadLeft("7", char32_t{0xD800}, 3), std::invalid_argument);
}

TEST(TextOperations, ReplaceCharReplacesEveryOccurrenceOfOneCharacter)
{
    EXPECT_EQ(ReplaceChar("1000,5", U',', "."), "1000.5");
    EXPECT_EQ(ReplaceChar("a-b-c", U'-', "--"), "a--b--c");
    EXPECT_EQ(ReplaceChar("čaj a čokoláda", U'č', "c"), "caj a cokoláda");
    EXPECT_EQ(ReplaceChar("řeč", U'e', ""), "řč");
    EXPECT_EQ(ReplaceChar("", U'x', "y"), "");
}

TEST(TextOperations, ContainsTextIsASubstringTestThatNeverFindsTheEmptyText)
{
    EXPECT_TRUE(ContainsText("FA2006001,FA2006003", "FA2006003"));
    EXPECT_TRUE(ContainsText("Žluťoučký", "ťou"));
    EXPECT_FALSE(ContainsText("FA2006001", "FA2006003"));
    EXPECT_FALSE(ContainsText("abc", "abcd"));
    EXPECT_FALSE(ContainsText("ABC", "abc"));
    EXPECT_FALSE(ContainsText("abc", ""));
    EXPECT_FALSE(ContainsText("", ""));
}

TEST(TextOperations, UpperTextUpperCasesCzechLettersAndKeepsEverythingElse)
{
    EXPECT_EQ(UpperText("příliš žluťoučký kůň úpěl ďábelské ódy"), "PŘÍLIŠ ŽLUŤOUČKÝ KŮŇ ÚPĚL ĎÁBELSKÉ ÓDY");
    EXPECT_EQ(UpperText("ľúbostná ŕčka äô"), "ĽÚBOSTNÁ ŔČKA ÄÔ");
    EXPECT_EQ(UpperText("504.xx1 ÷ ß €"), "504.XX1 ÷ ß €");
    EXPECT_EQ(UpperText("a\xFF" "b"), "A\xFF" "B"); // a byte that is no UTF-8 stays as it is
}

TEST(TextOperations, BrokenUtf8IsKeptByteForByte)
{
    const std::string broken = "ab\xC5"; // a two-byte letter cut off
    EXPECT_EQ(TextLength(broken), 3);
    EXPECT_EQ(LeftText(broken, 3), broken);
    EXPECT_EQ(RightText(broken, 1), "\xC5");
}

// ---- Numbers as text --------------------------------------------------------------------------

TEST(FloatToText, WritesTheShortestGeneralTextOfFifteenDigits)
{
    struct Case {
        double value;
        const char* expected;
    };
    const Case cases[] = {
        {105.0, "105"},
        {100.0, "100"},
        {0.1, "0.1"},
        {0.1 + 0.2, "0.3"},
        {-0.5, "-0.5"},
        {12.5, "12.5"},
        {-1234.5678, "-1234.5678"},
        {1.0 / 3.0, "0.333333333333333"},
        {2.0 / 3.0, "0.666666666666667"},
        {0.0, "0"},
        {-0.0, "0"},
        {0.0001, "0.0001"},
        {0.00012345, "0.00012345"},
        {1e-5, "1E-5"},
        {-1.5e-5, "-1.5E-5"},
        {999999999999999.0, "999999999999999"},
        {100000000000000.0, "100000000000000"},
        {999999999999999.9, "1E15"},
        {1e15, "1E15"},
        {1.5e20, "1.5E20"},
        {123456789012345678.0, "1.23456789012346E17"},
        {1e100, "1E100"},
        {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
        {std::numeric_limits<double>::quiet_NaN(), "NAN"},
        {std::numeric_limits<double>::infinity(), "INF"},
        {-std::numeric_limits<double>::infinity(), "-INF"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FloatToText(c.value), c.expected);
}

TEST(FloatToText, ServerReadsBackTheSameValueForAmountsAndFifteenDigitNumbers)
{
    std::mt19937_64 random(20060805);
    std::uniform_real_distribution<double> amounts(-1e9, 1e9);
    std::uniform_int_distribution<long long> mantissas(1, 999999999999999LL);
    // Normal doubles only: below about 1e-308 a double holds fewer than 15 digits.
    std::uniform_int_distribution<int> exponents(-290, 290);
    std::vector<double> values;
    for (int i = 0; i < 20000; ++i) {
        values.push_back(RoundTo(2, amounts(random)));
        values.push_back(std::stod(std::to_string(mantissas(random)) + "e" + std::to_string(exponents(random))));
        values.push_back(std::stod(std::to_string(mantissas(random) % 100000) + "e-" + std::to_string(i % 12)));
    }
    for (const double v : values) {
        const std::string text = FloatToText(v);
        ASSERT_EQ(TextToFloat(text), v) << text;
        // The journal literal is read as 0 followed by, or minus, the same text.
        const std::string literal = AmountLiteral(v);
        ASSERT_EQ(literal.substr(0, 1), "0");
        ASSERT_EQ(TextToFloat(literal.substr(1)), v) << literal;
    }
}

TEST(ExtendedToText, RoundsTheExtendedValueDirectly)
{
    // Through a double first this would read 1.00000000100003.
    EXPECT_EQ(ExtendedToText(1.000000001000035L), "1.00000000100004");
    EXPECT_EQ(ExtendedToText(12.5L), "12.5");
    EXPECT_EQ(ExtendedAmountLiteral(-12.5L), "0-12.5");
}

TEST(TextToFloat, ReadsTheServersNumericTexts)
{
    struct Case {
        const char* text;
        double expected;
    };
    const Case cases[] = {
        {"105.00", 105.0}, {"1e-05", 1e-5}, {"1E-5", 1e-5},   {"-12.5", -12.5},  {"42", 42.0},
        {"", 0.0},         {"-0.00", 0.0},  {"1.5E20", 1.5e20}, {"0.1", 0.1},     {".5", 0.5},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TextToFloat(c.text), c.expected) << '"' << c.text << '"';
}

TEST(TextToFloat, RejectsTextsThatAreNoFiniteNumber)
{
    for (const char* text : {"abc", "12,5", "1.2.3", " 12", "12 ", "-", "inf", "nan", "1e400", "0x10", "12abc"})
        EXPECT_THROW(TextToFloat(text), std::invalid_argument) << '"' << text << '"';
}

TEST(NumericFieldText, ShowsTheValueNotTheServersDigits)
{
    EXPECT_EQ(NumericFieldText("105.00"), "105");
    EXPECT_EQ(NumericFieldText("0.10"), "0.1");
    EXPECT_EQ(NumericFieldText("-0.00"), "0");
    EXPECT_EQ(NumericFieldText("1e-05"), "1E-5");
    EXPECT_EQ(NumericFieldText(""), "");
}

// ---- SQL literals -----------------------------------------------------------------------------

TEST(SqlLiterals, TextsReachTheServerUnchanged)
{
    struct Case {
        std::string text;
        std::string expected;
    };
    const Case cases[] = {
        {"O'Neil", "'O''Neil'"},
        {"C:\\data", "'C:\\\\data'"},
        {"konec\\", "'konec\\\\'"},     // a trailing backslash must not swallow the closing quote
        {"a\\'b", "'a\\\\''b'"},        // backslash before a quote: neither escapes the other
        {"''", "''''''"},
        {"", "''"},
        {"Žluťoučký kůň", "'Žluťoučký kůň'"},
        {"řádek \"1\"", "'řádek \"1\"'"},
        {std::string("a\0b", 3), "'a\\0b'"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TextLiteral(c.text), c.expected) << c.text;
}

TEST(SqlLiterals, AmountsAreWrittenUnquotedWithALeadingZero)
{
    struct Case {
        double amount;
        const char* journal;
        const char* header;
    };
    const Case cases[] = {
        {12.5, "012.5", "12.5"},
        {-12.5, "0-12.5", "-12.5"},
        {-0.5, "0-0.5", "-0.5"},
        {0.0, "00", "0"},
        {105.0, "0105", "105"},
        {1234567.89, "01234567.89", "1234567.89"},
        {1e-5, "01E-5", "1E-5"},
        {-1e-5, "0-1E-5", "-1E-5"},
        {0.1 + 0.2, "00.3", "0.3"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AmountLiteral(c.amount), c.journal);
        EXPECT_EQ(HeaderAmountLiteral(c.amount), c.header);
    }
}

TEST(SqlLiterals, AmountsThatAreNoFiniteNumberAreRefused)
{
    for (const double bad : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity()}) {
        EXPECT_THROW(AmountLiteral(bad), std::invalid_argument);
        EXPECT_THROW(HeaderAmountLiteral(bad), std::invalid_argument);
        EXPECT_THROW(ExtendedAmountLiteral(bad), std::invalid_argument);
    }
}

TEST(SqlLiterals, DatesStampsAndIntegers)
{
    EXPECT_EQ(DateLiteral(MakeDate(2006, 8, 5, 9, 5, 3)), "'2006-8-5'");
    EXPECT_EQ(DateLiteral(ZeroDate()), "'1899-12-30'");
    EXPECT_EQ(StampLiteral(MakeDate(2006, 8, 5, 9, 5, 3)), "'2006-8-5 9:05:03'");
    EXPECT_EQ(IntLiteral(-42), "-42");
    EXPECT_EQ(IntLiteral(9223372036854775807LL), "9223372036854775807");
}

} // namespace

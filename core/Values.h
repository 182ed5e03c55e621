#pragma once
// The value operations every posting rule, the commit, the review and the export share: account
// templates, the texts of dates and amounts, the rounding rule, the small text operations and the
// literals written into SQL text. They must give identical results wherever they are used, because
// the journal is compared and balanced by exact values.
//
// Texts are UTF-8 inside the program; text operations count characters, not bytes, so a Czech
// letter is one character. Bytes that are not valid UTF-8 count one character each and are kept.
#include <string>
#include <string_view>

#include "core/DateTime.h"

namespace kex {

// ---- Account templates ----------------------------------------------------------------------

// Expands an account template such as "504.XXX" for one document. The analytic part may hold one
// placeholder, in any letter case: X for the centre code, D for the VAT rate text, Y for the
// structure code, as three characters at the end, two at the end, or two at characters 5 and 6.
// The first of these tests that holds wins, in this order: XXX, XX at the end, XX at 5-6, then the
// same three for D, then for Y. Positions are fixed for 7-character accounts and other lengths are
// cut by the same counts (504XXX becomes 504X + centre). The replacement goes in unchanged, of any
// length, and an empty value gives an empty replacement. A text without a placeholder comes back
// unchanged.
//   ExpandAccount("504.XXX", "43", "", "") == "504.43"
//   ExpandAccount("504.XX1", "43", "", "") == "504.431"
//   ExpandAccount("5XX.0YY", "43", "07", "") == "5XX.007"   (only fixed positions count)
std::string ExpandAccount(std::string_view tmpl, std::string_view centre, std::string_view structure,
                          std::string_view vatRate);

// ---- Dates as text ----------------------------------------------------------------------------

// Year-month-day without leading zeros: 2006-8-5. The form of every date column in the journal.
std::string DateYMD(const DateTime& value);

// Eight digits: 20060805.
std::string DateYYYYMMDD(const DateTime& value);

// DateYMD, a blank and the Czech long time H:mm:ss: 2006-8-5 9:05:03. The form of the posting
// timestamp when it is stored and when the export looks it up.
std::string DateTimeYMD(const DateTime& value);

// Everything padded, "yyyy-mm-dd hh:nn:ss": 2006-08-05 09:05:03. The server reads it as the same
// date-time as DateTimeYMD; review and cancel use this form.
std::string FormatStamp(const DateTime& value);

// ---- Rounding ---------------------------------------------------------------------------------

// Rounds to a whole number, halves away from zero: 0.5 -> 1, -0.5 -> -1. The half is added in
// extended precision, so 0.49999999999999994 stays 0.
double RoundHalfAway(double x);

// Rounds to n decimals, halves away from zero. The product 10^n * x is formed in extended
// precision and handed over as a double before rounding, and the quotient is a double. That is
// why RoundTo(2, 2.675) gives 2.68 (the product becomes exactly 267.5) while RoundTo(2, 1.005)
// gives 1 (100.49999999999999 stays below the half). Every amount the rules round goes through
// here, so the journal balances exactly as it always has.
double RoundTo(int n, double x);

// ---- Text operations --------------------------------------------------------------------------

// The first n characters; the whole text when it is shorter, "" when n <= 0.
std::string LeftText(std::string_view text, int n);

// The last n characters; the whole text when it is shorter, "" when n <= 0.
std::string RightText(std::string_view text, int n);

// The text with c put in front until it is at least width characters long: PadLeft("7", '0', 5)
// is "00007". Throws std::invalid_argument when c is no Unicode character.
std::string PadLeft(std::string_view text, char32_t c, int width);

// Every occurrence of the character c replaced by the replacement text. Throws
// std::invalid_argument when c is no Unicode character.
std::string ReplaceChar(std::string_view text, char32_t c, std::string_view replacement);

// True when part occurs anywhere in text, letter case counting. An empty part never occurs.
bool ContainsText(std::string_view text, std::string_view part);

// Number of characters.
int TextLength(std::string_view utf8);

// Upper case of ASCII letters and of the Latin letters with accents (Czech and Slovak included:
// "čeřovka" -> "ČEŘOVKA"); other characters stay as they are.
std::string UpperText(std::string_view utf8);

// ---- Numbers as text --------------------------------------------------------------------------

// The general text of a number with at most 15 significant digits, as the suite's programs have
// always written numbers: no trailing zeros, "." as decimal point, fixed notation from 0.0001 up
// to 15 integer digits and the exponent form outside it: 105, 0.1, -0.5, 1E-5, 1.5E20,
// 1.23456789012346E17. The server reads it back as the same value for every number of at most 15
// significant digits. Zero (also -0) is "0"; NaN and infinities are "NAN", "INF", "-INF".
std::string FloatToText(double value);

// The same for an extended-precision amount (LineAmount), rounded to 15 digits directly rather
// than through a double first.
std::string ExtendedToText(long double value);

// Reads the server's text of a numeric column: "105.00", "1e-05", "-12.5", "42". The empty text
// (a NULL) reads 0. Anything else, including a number out of the double range, "inf" and "nan",
// throws std::invalid_argument.
double TextToFloat(std::string_view text);

// The text a numeric field shows: its value's general text, so "105.00" shows as "105" and a
// float column's "0.1" as "0.1". The empty text (NULL) stays empty.
std::string NumericFieldText(std::string_view serverText);

// ---- SQL literals -----------------------------------------------------------------------------
// Everything reaches the server as plain SQL text. The session runs with an empty SQL mode, so the
// server treats a backslash inside a quoted text as an escape character; TextLiteral relies on that.

// An amount of a journal line or open-item record: "0" followed by its general text, written
// unquoted: 12.5 -> 012.5, -12.5 -> 0-12.5 (0 minus 12.5), 0 -> 00, 1E-5 -> 01E-5. A NaN or
// infinite amount throws std::invalid_argument: it is a fault upstream and must not reach a row.
std::string AmountLiteral(double amount);

// The same for an extended-precision amount, rounded to 15 digits directly.
std::string ExtendedAmountLiteral(long double amount);

// An amount of the posting header: the general text alone, -12.5 -> -12.5. NaN and infinities
// throw std::invalid_argument.
std::string HeaderAmountLiteral(double amount);

// A quoted text that the server stores exactly as given: single quotes doubled, backslashes and
// NUL characters escaped. O'Neil -> 'O''Neil', C:\data -> 'C:\\data', "" -> ''.
std::string TextLiteral(std::string_view text);

// A date column's value: the quoted DateYMD, '2006-8-5'.
std::string DateLiteral(const DateTime& value);

// A posting timestamp as stored: the quoted DateTimeYMD, '2006-8-5 9:05:03'.
std::string StampLiteral(const DateTime& value);

// An integer, unquoted decimal text.
std::string IntLiteral(long long value);

} // namespace kex

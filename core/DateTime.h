#pragma once
// Calendar date-times as the suite's documents carry them: a date and a time of day to the second.
// No time zones: every value is the workstation's local time, as the database stores it.
#include <compare>
#include <ctime>
#include <string_view>

namespace kex {

// A date and time of day. The default value is the zero date 1899-12-30 00:00:00, which is what a
// NULL, missing or zero date of the database reads as (the suite's programs count days from there).
// Fields compare in calendar order, so == and <=> compare points in time.
struct DateTime {
    int year = 1899, month = 12, day = 30, hour = 0, minute = 0, second = 0;

    friend bool operator==(const DateTime&, const DateTime&) = default;
    friend auto operator<=>(const DateTime&, const DateTime&) = default;
};

// 1899-12-30 00:00:00.
DateTime ZeroDate();

// True for exactly 1899-12-30 00:00:00; a time on that day is a real value, not the zero date.
bool IsZeroDate(const DateTime& value);

// A checked date-time: year 1 to 9999, a day that exists in its month, hour 0-23, minute and second
// 0-59. Anything else throws std::invalid_argument naming the value.
DateTime MakeDate(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

// Reads a date or date-time text as the server sends it: "YYYY-MM-DD" or "YYYY-MM-DD HH:MM:SS",
// optionally with a fraction of the second, which is dropped (month, day and time parts may also
// have one digit, so our own texts read back). The empty text and every date with a zero year,
// month or day ("0000-00-00", "0000-00-00 00:00:00", "2006-00-00") read as the zero date, as the
// suite has always treated them. Any other text, or a date that does not exist (2006-02-30),
// throws std::invalid_argument.
DateTime ParseDateTime(std::string_view serverText);

// The same time of day, `days` calendar days later (earlier when negative). Throws
// std::out_of_range when the result would leave the years 1 to 9999.
DateTime AddDays(const DateTime& value, int days);

// Calendar days from a's date to b's date (negative when b is earlier); the time of day does not
// count, so DaysBetween(d, AddDays(d, n)) == n.
int DaysBetween(const DateTime& a, const DateTime& b);

// The workstation's current local date and time.
DateTime Now();

// A point in time in the workstation's local time.
DateTime FromTimeT(std::time_t time);

int YearOf(const DateTime& value);
int MonthOf(const DateTime& value);

} // namespace kex

#include "core/DateTime.h"

#include <stdexcept>
#include <string>

namespace kex {

namespace {

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month)
{
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : days[month - 1];
}

// Days since 1970-01-01 of a proleptic Gregorian date, and back (H. Hinnant's civil-date algorithms).
long long daysFromCivil(long long year, int month, int day)
{
    if (month <= 2)
        --year;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const long long yearOfEra = year - era * 400;
    const long long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

void civilFromDays(long long days, long long& year, int& month, int& day)
{
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long monthIndex = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
}

// Reads minDigits to maxDigits decimal digits at pos; false when there are fewer or more.
bool readNumber(std::string_view text, std::size_t& pos, std::size_t maxDigits, std::size_t minDigits, int& value)
{
    const std::size_t start = pos;
    value = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && pos - start < maxDigits) {
        value = value * 10 + (text[pos] - '0');
        ++pos;
    }
    const std::size_t count = pos - start;
    return count >= minDigits && !(pos < text.size() && text[pos] >= '0' && text[pos] <= '9');
}

bool readChar(std::string_view text, std::size_t& pos, char c)
{
    if (pos < text.size() && text[pos] == c) {
        ++pos;
        return true;
    }
    return false;
}

DateTime fromTm(const std::tm& tm)
{
    return DateTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min,
                    tm.tm_sec > 59 ? 59 : tm.tm_sec}; // a leap second stays within the minute
}

} // namespace

DateTime ZeroDate()
{
    return DateTime{};
}

bool IsZeroDate(const DateTime& value)
{
    return value == ZeroDate();
}

DateTime MakeDate(int year, int month, int day, int hour, int minute, int second)
{
    const bool valid = year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1
                       && day <= daysInMonth(year, month) && hour >= 0 && hour <= 23 && minute >= 0
                       && minute <= 59 && second >= 0 && second <= 59;
    if (!valid)
        throw std::invalid_argument("not a valid date and time: " + std::to_string(year) + "-" + std::to_string(month)
                                    + "-" + std::to_string(day) + " " + std::to_string(hour) + ":"
                                    + std::to_string(minute) + ":" + std::to_string(second));
    return DateTime{year, month, day, hour, minute, second};
}

DateTime ParseDateTime(std::string_view serverText)
{
    if (serverText.empty())
        return ZeroDate();
    const auto garbage = [&] {
        return std::invalid_argument("not a date: '" + std::string(serverText) + "'");
    };
    std::size_t pos = 0;
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    if (!readNumber(serverText, pos, 4, 4, year) || !readChar(serverText, pos, '-')
        || !readNumber(serverText, pos, 2, 1, month) || !readChar(serverText, pos, '-')
        || !readNumber(serverText, pos, 2, 1, day))
        throw garbage();
    if (readChar(serverText, pos, ' ')) {
        if (!readNumber(serverText, pos, 2, 1, hour) || !readChar(serverText, pos, ':')
            || !readNumber(serverText, pos, 2, 1, minute) || !readChar(serverText, pos, ':')
            || !readNumber(serverText, pos, 2, 1, second))
            throw garbage();
        if (readChar(serverText, pos, '.')) {
            int fraction = 0;
            if (!readNumber(serverText, pos, 9, 1, fraction))
                throw garbage();
        }
    }
    if (pos != serverText.size())
        throw garbage();
    if (year == 0 || month == 0 || day == 0)
        return ZeroDate();
    try {
        return MakeDate(year, month, day, hour, minute, second);
    } catch (const std::invalid_argument&) {
        throw garbage();
    }
}

DateTime AddDays(const DateTime& value, int days)
{
    long long year = 0;
    int month = 0;
    int day = 0;
    civilFromDays(daysFromCivil(value.year, value.month, value.day) + days, year, month, day);
    if (year < 1 || year > 9999)
        throw std::out_of_range("date out of range: " + std::to_string(days) + " days from year "
                                + std::to_string(value.year));
    return DateTime{static_cast<int>(year), month, day, value.hour, value.minute, value.second};
}

int DaysBetween(const DateTime& a, const DateTime& b)
{
    return static_cast<int>(daysFromCivil(b.year, b.month, b.day) - daysFromCivil(a.year, a.month, a.day));
}

DateTime Now()
{
    return FromTimeT(std::time(nullptr));
}

DateTime FromTimeT(std::time_t time)
{
    std::tm tm{};
    if (localtime_r(&time, &tm) == nullptr)
        throw std::out_of_range("time outside the calendar: " + std::to_string(static_cast<long long>(time)));
    return fromTm(tm);
}

int YearOf(const DateTime& value)
{
    return value.year;
}

int MonthOf(const DateTime& value)
{
    return value.month;
}

} // namespace kex

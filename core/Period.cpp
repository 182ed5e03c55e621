#include "core/Period.h"

#include <cctype>

#include "core/Errors.h"
#include "core/Values.h"

namespace kex {

std::string NormaliseMonth(std::string_view typed) { return RightText("0" + std::string(typed), 2); }

Period ValidatePeriod(std::string_view month, std::string_view year, std::string_view centre, bool onlyMonth)
{
    auto digits = [](std::string_view s) {
        if (s.empty()) return false;
        for (char c : s)
            if (!std::isdigit(static_cast<unsigned char>(c))) return false;
        return true;
    };
    Period p;
    if (month.size() > 2 || !digits(month))
        throw UsageError("The month must be a number from 1 to 12, not \"" + std::string(month) + "\".");
    p.month = NormaliseMonth(month);
    int m = std::stoi(p.month);
    if (m < 1 || m > 12)
        throw UsageError("The month must be a number from 1 to 12, not \"" + std::string(month) + "\".");
    if (year.size() != 4 || !digits(year))
        throw UsageError("The year must have four digits, not \"" + std::string(year) + "\".");
    p.year = year;
    if (TextLength(centre) > 3)
        throw UsageError("The centre has at most three characters, not \"" + std::string(centre) + "\".");
    for (char c : centre)
        if (c == '\'' || c == '"' || c == '\\' || c == ';')
            throw UsageError("The centre \"" + std::string(centre) + "\" holds a character no centre code has.");
    p.centre = centre;
    p.onlyMonth = onlyMonth;
    return p;
}

Period ParsePeriod(std::string_view text, std::string_view centre, bool onlyMonth)
{
    auto slash = text.find('/');
    if (slash == std::string_view::npos)
        throw UsageError("The period must be written MM/YYYY, such as 04/2006, not \"" + std::string(text) + "\".");
    return ValidatePeriod(text.substr(0, slash), text.substr(slash + 1), centre, onlyMonth);
}

} // namespace kex

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
        throw UsageError("Měsíc musí být číslo od 1 do 12, ne „" + std::string(month) + "“.");
    p.month = NormaliseMonth(month);
    int m = std::stoi(p.month);
    if (m < 1 || m > 12)
        throw UsageError("Měsíc musí být číslo od 1 do 12, ne „" + std::string(month) + "“.");
    if (year.size() != 4 || !digits(year))
        throw UsageError("Rok musí mít čtyři číslice, ne „" + std::string(year) + "“.");
    p.year = year;
    if (TextLength(centre) > 3)
        throw UsageError("Středisko má nejvýše tři znaky, ne „" + std::string(centre) + "“.");
    for (char c : centre)
        if (c == '\'' || c == '"' || c == '\\' || c == ';')
            throw UsageError("Středisko „" + std::string(centre) + "“ obsahuje znak, který kód střediska nemá.");
    p.centre = centre;
    p.onlyMonth = onlyMonth;
    return p;
}

Period ParsePeriod(std::string_view text, std::string_view centre, bool onlyMonth)
{
    auto slash = text.find('/');
    if (slash == std::string_view::npos)
        throw UsageError("Období se zapisuje MM/RRRR, například 04/2006, ne „" + std::string(text) + "“.");
    return ValidatePeriod(text.substr(0, slash), text.substr(slash + 1), centre, onlyMonth);
}

} // namespace kex

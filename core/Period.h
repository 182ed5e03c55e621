#pragma once
// The accounting period of a posting session, as the period dialog gives it.
#include <string>
#include <string_view>

namespace kex {

struct Period {
    std::string month;  // two digits, "04"
    std::string year;   // four digits, "2006"
    std::string centre; // up to 3 characters; empty = all centres
    bool onlyMonth = false; // "doklady jen z ÚO": only documents dated in the month
};

// What leaving the month field does: the last two characters of "0" + the text ("4" → "04").
std::string NormaliseMonth(std::string_view typed);

// Normalises the month and checks the period before anything is touched: a month 1–12, a year
// of four digits, a centre of at most three characters without quotes. Throws UsageError with
// one clear sentence otherwise.
Period ValidatePeriod(std::string_view month, std::string_view year, std::string_view centre, bool onlyMonth);

// "MM/YYYY" or "M/YYYY" as typed on the command line.
Period ParsePeriod(std::string_view text, std::string_view centre, bool onlyMonth);

} // namespace kex

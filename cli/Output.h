#pragma once
// Printing of engine results on the command line: plain tables or JSON.
#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <vector>

#include "db/Result.h"

namespace kex::cli {

// A result's rows as JSON objects (numbers as numbers, everything else as the text it reads as).
nlohmann::json ResultToJson(const db::Result& result);

// A plain table of the given columns, each as wide as its widest value.
void PrintTable(std::ostream& out, const db::Result& result, const std::vector<std::string>& columns);

// An amount as accountants read it: two decimals.
std::string Money(double amount);

} // namespace kex::cli

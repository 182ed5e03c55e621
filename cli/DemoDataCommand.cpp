#include <charconv>
#include <cstdio>
#include <iomanip>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <string>

#include "cli/Commands.h"
#include "core/DemoData.h"
#include "core/Errors.h"
#include "core/Period.h"
#include "core/Workstation.h"

namespace kex::cli {
namespace {

// A whole number of decimal digits only (no sign, no blanks); nullopt otherwise or when it does
// not fit.
std::optional<unsigned long long> wholeNumber(const std::string& text)
{
    unsigned long long value = 0;
    if (text.empty() || text.size() > 12) return std::nullopt;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

DemoDataOptions readOptions(const Args& args)
{
    DemoDataOptions options;
    if (auto text = args.value("documents")) {
        auto n = wholeNumber(*text);
        if (!n || *n < 1 || *n > 1000000)
            throw UsageError("The number of documents must be a whole number from 1 to 1000000, not \"" + *text +
                             "\".");
        options.documents = static_cast<int>(*n);
    }
    if (auto text = args.value("seed")) {
        auto n = wholeNumber(*text);
        if (!n || *n > 4294967295ull)
            throw UsageError("The seed must be a whole number from 0 to 4294967295, not \"" + *text + "\".");
        options.seed = static_cast<unsigned>(*n);
    }
    if (auto text = args.value("period")) {
        // The same reading of MM/YYYY as the posting commands.
        const Period period = ParsePeriod(*text, "", false);
        options.month = std::stoi(period.month);
        options.year = std::stoi(period.year);
    }
    return options;
}

} // namespace

int DemoDataCommand(CommandContext& ctx)
{
    const DemoDataOptions options = readOptions(ctx.args);
    // The generator replaces every document and look-up table; a database with postings is
    // somebody's books, so it is only touched when the accountant says so.
    if (long long postings = ctx.workstation.postingCount(); postings > 0) {
        std::string question = "Databáze obsahuje " + std::to_string(postings)
                               + " zaúčtování. Demo data nahradí všechny doklady a číselníky. Pokračovat ?";
        if (!ctx.workstation.prompter().ask(question, Icon::Warning, "OK", "Zpět"))
            throw Refused("Demo data were not written: the database holds postings.");
    }
    const DemoDataSummary summary = GenerateDemoData(ctx.workstation.connection(), options);

    long long total = 0;
    for (const auto& [table, rows] : summary.rows) total += rows;
    char period[16];
    std::snprintf(period, sizeof period, "%02d/%04d", options.month, options.year);
    if (ctx.json) {
        nlohmann::json rows = nlohmann::json::object();
        for (const auto& [table, count] : summary.rows) rows[table] = count;
        nlohmann::json j = {
            {"documents", options.documents},
            {"seed", options.seed},
            {"period", period},
            {"rows", rows},
            {"totalRows", total},
        };
        ctx.out << j.dump(2) << '\n';
    } else {
        ctx.out << "Demo data of " << period << ", seed " << options.seed << ": " << options.documents
                << " documents.\n";
        for (const auto& [table, rows] : summary.rows)
            ctx.out << std::left << std::setw(12) << table << std::right << std::setw(10) << rows << '\n';
        ctx.out << std::left << std::setw(12) << "total" << std::right << std::setw(10) << total << '\n';
    }
    return 0;
}

} // namespace kex::cli

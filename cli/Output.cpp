#include "cli/Output.h"

#include <algorithm>
#include <cstdio>

#include "core/Values.h"

namespace kex::cli {

nlohmann::json ResultToJson(const db::Result& result)
{
    nlohmann::json rows = nlohmann::json::array();
    for (db::Row r : result) {
        nlohmann::json row = nlohmann::json::object();
        for (std::size_t i = 0; i < result.columns().size(); ++i) {
            const auto& col = result.columns()[i];
            if (!r.raw(i)) row[col.name] = nullptr;
            else if (col.kind == db::ColumnKind::Float) row[col.name] = r.asFloat(i);
            else if (col.kind == db::ColumnKind::Integer) row[col.name] = std::stoll(*r.raw(i));
            else row[col.name] = r.text(i);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

void PrintTable(std::ostream& out, const db::Result& result, const std::vector<std::string>& columns)
{
    std::vector<std::vector<std::string>> cells;
    std::vector<int> widths;
    for (const auto& c : columns) widths.push_back(TextLength(c));
    for (db::Row r : result) {
        std::vector<std::string> row;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            auto pos = result.findColumn(columns[i]);
            std::string v;
            if (pos && result.columns()[*pos].kind == db::ColumnKind::Float) v = Money(r.asFloat(*pos));
            else if (pos) v = r.text(*pos);
            widths[i] = std::max(widths[i], TextLength(v));
            row.push_back(std::move(v));
        }
        cells.push_back(std::move(row));
    }
    auto line = [&](const std::vector<std::string>& row) {
        std::string s;
        for (std::size_t i = 0; i < row.size(); ++i) {
            std::string pad(static_cast<std::size_t>(widths[i] - TextLength(row[i])), ' ');
            s += (i ? "  " : "") + row[i] + pad;
        }
        while (!s.empty() && s.back() == ' ') s.pop_back();
        out << s << '\n';
    };
    line(columns);
    for (const auto& r : cells) line(r);
}

std::string Money(double amount)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.2f", amount);
    std::string s = buf;
    return s == "-0.00" ? "0.00" : s;
}

} // namespace kex::cli

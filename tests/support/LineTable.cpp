#include "support/LineTable.h"

#include <algorithm>
#include <sstream>

#include "core/Values.h"
#include "support/Fixtures.h"

namespace kex::test {
namespace {

bool isAmount(const std::string& column)
{
    return column == "md" || column == "dal" || column == "md8" || column == "dal8";
}

std::string padded(const std::string& text, int width)
{
    return text + std::string(static_cast<std::size_t>(std::max(0, width - TextLength(text))), ' ');
}

std::string tableDiff(const Cells& header, const std::vector<Cells>& expected, const std::vector<Cells>& actual)
{
    std::vector<int> width(header.size(), 0);
    auto measure = [&](const Cells& row) {
        for (std::size_t i = 0; i < row.size(); ++i) width[i] = std::max(width[i], TextLength(row[i]));
    };
    measure(header);
    for (const auto& r : expected) measure(r);
    for (const auto& r : actual) measure(r);
    auto format = [&](const char* mark, const Cells& row) {
        std::string out = mark;
        for (std::size_t i = 0; i < row.size(); ++i) out += (i ? " | " : "") + padded(row[i], width[i]);
        return out + "\n";
    };
    std::string out = format("  ", header);
    for (std::size_t i = 0; i < std::max(expected.size(), actual.size()); ++i) {
        if (i < expected.size() && i < actual.size() && expected[i] == actual[i]) {
            out += format("  ", expected[i]);
            continue;
        }
        if (i < expected.size()) out += format("- ", expected[i]);
        if (i < actual.size()) out += format("+ ", actual[i]);
    }
    return out;
}

} // namespace

Cells RowCells(const db::Row& row, const Cells& columns, const Cells& ymdDates)
{
    Cells cells;
    for (const auto& column : columns) {
        if (isAmount(column))
            cells.push_back(ExactNumberText(row.asFloat(column)));
        else if (std::find(ymdDates.begin(), ymdDates.end(), column) != ymdDates.end())
            cells.push_back(DateYMD(row.asDate(column)));
        else
            cells.push_back(row.text(column));
    }
    return cells;
}

::testing::AssertionResult LinesMatch(const Cells& header, const std::vector<Cells>& expected,
                                      const std::vector<Cells>& actual)
{
    if (expected == actual) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "journal lines differ (- expected, + actual):\n"
                                         << tableDiff(header, expected, actual);
}

::testing::AssertionResult RecordMatches(const db::Row& actual, const Columns& expected)
{
    std::ostringstream diff;
    for (const auto& [column, value] : expected)
        if (actual.text(column) != value)
            diff << "  " << column << ": expected '" << value << "', actual '" << actual.text(column) << "'\n";
    if (diff.str().empty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "open-item record differs:\n" << diff.str();
}

void ExpectRecord(const db::Row& actual, const Columns& expected)
{
    if (::testing::AssertionResult match = RecordMatches(actual, expected); !match) ADD_FAILURE() << match.message();
}

} // namespace kex::test

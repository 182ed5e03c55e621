#pragma once
// Journal lines and open-item records compared with the tables a rule test expects. Lines are
// compared as rows of texts, so a failure shows both tables side by side instead of one value.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "db/Result.h"

namespace kex::test {

enum class Side { Md, Dal };
// Tables of expected lines name the sides as the journal does.
inline constexpr Side Md = Side::Md;
inline constexpr Side Dal = Side::Dal;

using Cells = std::vector<std::string>;

// The row's cells in `columns`: amounts (md, dal, md8, dal8) with every digit that tells two
// doubles apart, so equal texts are equal values; the columns in `ymdDates` as the program writes
// dates (2013-4-10); every other column as its text.
Cells RowCells(const db::Row& row, const Cells& columns, const Cells& ymdDates = {});

// Passes when the tables agree; otherwise shows both under the header row by row: "  " for rows
// that agree, "- " expected, "+ " actual.
::testing::AssertionResult LinesMatch(const Cells& header, const std::vector<Cells>& expected,
                                      const std::vector<Cells>& actual);

// Expected values of named columns, compared as texts.
using Columns = std::vector<std::pair<std::string, std::string>>;

// Passes when each named column of the record holds its value; otherwise names those that differ.
::testing::AssertionResult RecordMatches(const db::Row& actual, const Columns& expected);
// The same as a non-fatal failure of the test.
void ExpectRecord(const db::Row& actual, const Columns& expected);

} // namespace kex::test

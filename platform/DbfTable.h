#pragma once
// dBASE tables for the programs of the suite that read them: created from field definitions,
// filled row by row. Texts are written in cp1250.
#include <string>
#include <vector>

namespace kex {

enum class DbfType { Text, Integer, Float, Date };

struct DbfField {
    std::string name; // at most 10 characters in a dBASE file; longer names are cut
    DbfType type = DbfType::Text;
    int width = 0;    // characters; 0 = a sensible width for the type
    int decimals = 0;
};

// A value of one cell: a text as the field should hold it (dates as YYYYMMDD), empty for none.
using DbfRow = std::vector<std::string>;

// Writes a whole table anew (an existing file is replaced). Throws std::runtime_error naming the
// file when it cannot be written.
void WriteDbf(const std::string& path, const std::vector<DbfField>& fields, const std::vector<DbfRow>& rows);

struct DbfContent {
    std::vector<DbfField> fields;
    std::vector<DbfRow> rows; // texts in UTF-8, trimmed as dBASE readers show them
};
DbfContent ReadDbf(const std::string& path);

} // namespace kex

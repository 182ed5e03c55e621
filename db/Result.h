#pragma once
// A fully fetched result set. Values are held as the server's text (already UTF-8) and read
// the way the suite's programs always read them: see the field readers of Row.
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/DateTime.h"

namespace kex::db {

enum class ColumnKind { Text, Integer, Float, Date, DateTime, Time, Other };

struct Column {
    std::string name;
    ColumnKind kind = ColumnKind::Text;
    unsigned long length = 0; // declared width in characters, where the server tells it
};

class Result;

// The fetched data of a result, shared by the Result and its Rows so a Row stays valid on its own.
struct ResultData {
    std::vector<Column> columns;
    std::vector<std::vector<std::optional<std::string>>> rows;
    std::optional<std::size_t> findColumn(std::string_view name) const;
};

// One row of a Result. Field readers take the column name in any letter case.
//  - text(): the value as text; NULL reads "", and a numeric column (float or decimal alike)
//    reads as its 15-digit general text, so 105.00 reads "105" and 0.1 reads "0.1".
//  - asFloat(), asInt(): NULL and "" read 0; text that is no number throws DbError.
//  - asDate(): NULL, missing and zero dates read as 1899-12-30.
// A name that is not a column of the result throws DbError naming it.
class Row {
public:
    Row(std::shared_ptr<const ResultData> data, std::size_t index) : m_data(std::move(data)), m_index(index) {}
    std::string text(std::string_view column) const;
    double asFloat(std::string_view column) const;
    long long asInt(std::string_view column) const;
    DateTime asDate(std::string_view column) const;
    bool isNull(std::string_view column) const;
    bool has(std::string_view column) const;

    // The same readers by column position.
    std::string text(std::size_t column) const;
    double asFloat(std::size_t column) const;
    const std::optional<std::string>& raw(std::size_t column) const;
    std::size_t index() const { return m_index; }

private:
    std::size_t col(std::string_view name) const;
    std::shared_ptr<const ResultData> m_data;
    std::size_t m_index;
};

class Result {
public:
    Result();
    Result(std::vector<Column> columns, std::vector<std::vector<std::optional<std::string>>> rows);

    std::size_t size() const { return m_data->rows.size(); }
    bool empty() const { return m_data->rows.empty(); }
    Row operator[](std::size_t i) const { return Row(m_data, i); }
    Row row(std::size_t i) const;
    const std::vector<Column>& columns() const { return m_data->columns; }
    // Position of a column, found without regard to letter case; nullopt when absent.
    std::optional<std::size_t> findColumn(std::string_view name) const;

    class Iterator {
    public:
        Iterator(const std::shared_ptr<const ResultData>& d, std::size_t i) : m_d(d), m_i(i) {}
        Row operator*() const { return Row(m_d, m_i); }
        Iterator& operator++() { ++m_i; return *this; }
        bool operator!=(const Iterator& o) const { return m_i != o.m_i; }
    private:
        std::shared_ptr<const ResultData> m_d;
        std::size_t m_i;
    };
    Iterator begin() const { return Iterator(m_data, 0); }
    Iterator end() const { return Iterator(m_data, m_data->rows.size()); }

private:
    std::shared_ptr<const ResultData> m_data;
};

} // namespace kex::db

#include "db/Result.h"

#include <stdexcept>
#include <strings.h>

#include "core/Values.h"
#include "db/DbError.h"

namespace kex::db {

Result::Result() : m_data(std::make_shared<ResultData>()) {}

Result::Result(std::vector<Column> columns, std::vector<std::vector<std::optional<std::string>>> rows)
    : m_data(std::make_shared<ResultData>(ResultData{std::move(columns), std::move(rows), }))
{
}

Row Result::row(std::size_t i) const
{
    if (i >= m_data->rows.size()) throw DbError("Row " + std::to_string(i) + " is past the end of the result.");
    return Row(m_data, i);
}

std::optional<std::size_t> Result::findColumn(std::string_view name) const { return m_data->findColumn(name); }

std::optional<std::size_t> ResultData::findColumn(std::string_view name) const
{
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const std::string& c = columns[i].name;
        if (c.size() == name.size() && strncasecmp(c.data(), name.data(), name.size()) == 0) return i;
    }
    return std::nullopt;
}

std::size_t Row::col(std::string_view name) const
{
    auto i = m_data->findColumn(name);
    if (!i) throw DbError("The result has no column \"" + std::string(name) + "\".");
    return *i;
}

const std::optional<std::string>& Row::raw(std::size_t column) const
{
    return m_data->rows.at(m_index).at(column);
}

bool Row::has(std::string_view column) const { return m_data->findColumn(column).has_value(); }

bool Row::isNull(std::string_view column) const { return !raw(col(column)).has_value(); }

std::string Row::text(std::string_view column) const { return text(col(column)); }

std::string Row::text(std::size_t column) const
{
    const auto& v = raw(column);
    if (!v) return {};
    if (m_data->columns[column].kind == ColumnKind::Float && !v->empty()) return FloatToText(asFloat(column));
    return *v;
}

double Row::asFloat(std::string_view column) const { return asFloat(col(column)); }

double Row::asFloat(std::size_t column) const
{
    const auto& v = raw(column);
    if (!v || v->empty()) return 0.0;
    try {
        return TextToFloat(*v);
    } catch (const std::invalid_argument&) {
        throw DbError("The value \"" + *v + "\" of column " + m_data->columns[column].name + " is not a number.");
    }
}

long long Row::asInt(std::string_view column) const
{
    std::size_t c = col(column);
    const auto& v = raw(c);
    if (!v || v->empty()) return 0;
    try {
        std::size_t used = 0;
        long long n = std::stoll(*v, &used);
        if (used == v->size()) return n;
    } catch (const std::exception&) {
    }
    // A float column read as an integer rounds as the suite always did.
    double d = asFloat(c);
    return static_cast<long long>(RoundHalfAway(d));
}

DateTime Row::asDate(std::string_view column) const
{
    std::size_t c = col(column);
    const auto& v = raw(c);
    if (!v) return ZeroDate();
    try {
        return ParseDateTime(*v);
    } catch (const std::invalid_argument&) {
        throw DbError("The value \"" + *v + "\" of column " + m_data->columns[c].name + " is not a date.");
    }
}

} // namespace kex::db

#include "support/Fixtures.h"

#include <charconv>
#include <stdexcept>

#include "core/Values.h"
#include "db/Connection.h"

namespace kex::test {

std::string ExactNumberText(double value)
{
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
    if (ec != std::errc()) throw std::invalid_argument("a number the fixture cannot write");
    return std::string(buf, end);
}

RowBuilder::RowBuilder(db::Connection& connection, std::string table)
    : m_connection(&connection), m_table(std::move(table))
{
}

RowBuilder& RowBuilder::put(std::string_view column, std::string literal)
{
    for (auto& [name, value] : m_values)
        if (name == column) {
            value = std::move(literal);
            return *this;
        }
    m_values.emplace_back(std::string(column), std::move(literal));
    return *this;
}

RowBuilder& RowBuilder::set(std::string_view column, std::string_view text) { return put(column, TextLiteral(text)); }

RowBuilder& RowBuilder::set(std::string_view column, const char* text) { return set(column, std::string_view(text)); }

RowBuilder& RowBuilder::set(std::string_view column, int number) { return put(column, std::to_string(number)); }

RowBuilder& RowBuilder::set(std::string_view column, double number) { return put(column, ExactNumberText(number)); }

long long RowBuilder::add()
{
    std::string columns, values;
    for (const auto& [name, value] : m_values) {
        columns += (columns.empty() ? "" : ",") + name;
        values += (values.empty() ? "" : ",") + value;
    }
    m_connection->execute("insert into " + m_table + " (" + columns + ") values (" + values + ")");
    return static_cast<long long>(m_connection->lastInsertId());
}

void Fixtures::centre(std::string_view stred, std::string_view structo)
{
    row("strtopc").set("stred", stred).set("structo", structo).add();
}

RowBuilder Fixtures::partner(std::string_view ico) { return std::move(row("adresar").set("ico", ico)); }

RowBuilder Fixtures::article(std::string_view nomenkla, std::string_view analucet1)
{
    return std::move(row("cenik").set("nomenkla", nomenkla).set("analucet1", analucet1));
}

RowBuilder Fixtures::stockCard(std::string_view partiecela, int lomeni, std::string_view stredisko)
{
    return std::move(row("skarta").set("partiecela", partiecela).set("lomeni", lomeni).set("stredisko", stredisko));
}

RowBuilder Fixtures::receipt(std::string_view cislodokla, std::string_view datum, std::string_view stredisko)
{
    return std::move(row("pv").set("cislodokla", cislodokla).set("datum", datum).set("stredisko", stredisko));
}

RowBuilder Fixtures::receiptItem(std::string_view cislodokla, std::string_view nomenkla, double hmotnostpv, double nc)
{
    return std::move(row("pvrad")
                         .set("cislodokla", cislodokla)
                         .set("nomenkla", nomenkla)
                         .set("hmotnostpv", hmotnostpv)
                         .set("nc", nc));
}

RowBuilder Fixtures::invoice(std::string_view cfakt) { return std::move(row("fakt").set("cfakt", cfakt)); }

} // namespace kex::test

#pragma once
// Builders for the rows a posting-rule test arranges: centre structures, partners, price-list
// articles, stock cards, purchase receipts with their items and invoice headers. A builder names
// only the columns its test is about; every other column keeps the table's default, so a fixture
// shows at a glance what a case depends on.
//
//   test::Fixtures fx(db.sql());
//   fx.centre("43", "07");
//   fx.receipt("P10", "2006-04-12", "43").set("cislofakt", "F100").set("dan5", 61.75).add();
//   fx.receiptItem("P10", "PSE", 10, 123.45).set("stredisko", "44").add();
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kex::db {
class Connection;
}

namespace kex::test {

// One row of one table, inserted by add(). Texts are quoted as the program quotes them (so
// apostrophes, backslashes and Czech letters arrive unchanged) and numbers are written with every
// digit the double holds, so the row holds exactly the value the test names.
class [[nodiscard]] RowBuilder {
public:
    RowBuilder(db::Connection& connection, std::string table);

    [[nodiscard]] RowBuilder& set(std::string_view column, std::string_view text);
    [[nodiscard]] RowBuilder& set(std::string_view column, const char* text);
    [[nodiscard]] RowBuilder& set(std::string_view column, int number);
    [[nodiscard]] RowBuilder& set(std::string_view column, double number);

    // Inserts the row; returns its auto-increment id (0 for a table without one).
    long long add();

private:
    RowBuilder& put(std::string_view column, std::string literal);

    db::Connection* m_connection;
    std::string m_table;
    std::vector<std::pair<std::string, std::string>> m_values; // column, SQL literal
};

// The exact decimal text of a double (the shortest that reads back as the same value).
std::string ExactNumberText(double value);

class Fixtures {
public:
    explicit Fixtures(db::Connection& connection) : m_connection(connection) {}

    // Any table, for rows no named builder covers.
    RowBuilder row(std::string table) { return RowBuilder(m_connection, std::move(table)); }

    // strtopc: the structure code of a centre. Inserted at once.
    void centre(std::string_view stred, std::string_view structo);
    // adresar: a partner by identification number.
    RowBuilder partner(std::string_view ico);
    // cenik: a price-list article with its stock account.
    RowBuilder article(std::string_view nomenkla, std::string_view analucet1);
    // skarta: the stock card of a lot, split and centre (the key the item queries join on).
    RowBuilder stockCard(std::string_view partiecela, int lomeni, std::string_view stredisko);
    // pv: a purchase receipt.
    RowBuilder receipt(std::string_view cislodokla, std::string_view datum, std::string_view stredisko);
    // pvrad: an item of a purchase receipt; rows of one receipt keep the order they are added in.
    RowBuilder receiptItem(std::string_view cislodokla, std::string_view nomenkla, double hmotnostpv, double nc);
    // fakt: an invoice header.
    RowBuilder invoice(std::string_view cfakt);

private:
    db::Connection& m_connection;
};

} // namespace kex::test

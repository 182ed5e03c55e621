#pragma once
// Everything a posting rule works with: the connection, the session state with its settings,
// the tab's list and selection, the centre-structure cursor, the dealer centres, the UNI price
// list set and the line writer. Rules show no messages; a database error is raised and the
// session rolls the tab's post back.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/LineWriter.h"
#include "core/SessionState.h"
#include "db/Connection.h"
#include "db/Result.h"

namespace kex {

// A tab's list: the rows of its query and the accountant's selection.
struct TabList {
    db::Result rows;
    std::vector<char> selected;
    bool open = false;

    std::size_t size() const { return rows.size(); }
    bool anySelected() const;
    std::size_t selectedCount() const;
    void selectAll();
    void clear();
};

// The centre structures of strtopc with a current row, read once per session. A failed
// locate keeps the previous row current, which several rules rely on.
class StrtopcCursor {
public:
    void load(db::Connection& connection);
    bool locate(const std::string& stred);
    // structo of the current row; empty while no row has been found yet.
    const std::string& structo() const;
    bool loaded() const { return m_loaded; }
    void close();

private:
    std::map<std::string, std::string> m_structo;
    const std::string* m_current = nullptr;
    bool m_loaded = false;
};

// Rows of one query grouped by a key column, each group in query order: the item rows of all
// selected documents of a tab are read at once and handed to the rule document by document.
class GroupedRows {
public:
    GroupedRows() = default;
    GroupedRows(const db::Result& result, const std::string& keyColumn);
    const std::vector<db::Row>& of(const std::string& key) const;

private:
    std::map<std::string, std::vector<db::Row>> m_groups;
    std::vector<db::Row> m_empty;
};

struct RuleContext {
    db::Connection& db;
    SessionState& state;
    const Settings& settings;
    TabList& list;
    StrtopcCursor& strtopc;
    const std::map<std::string, std::string>& dealertopc; // dealer → centre
    const std::set<std::string>& uniArticles;             // price-list articles of the "V" set (TypUcto UNI)
    LineWriter& lines;

    // The keys of the selected rows in list order, joined for an IN condition as quoted texts.
    std::string selectedKeysLiteral(const std::string& column) const;
};

} // namespace kex

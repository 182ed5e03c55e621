#include "core/RuleContext.h"

#include <algorithm>

#include "core/Values.h"

namespace kex {

bool TabList::anySelected() const { return std::find(selected.begin(), selected.end(), 1) != selected.end(); }

std::size_t TabList::selectedCount() const { return static_cast<std::size_t>(std::count(selected.begin(), selected.end(), 1)); }

void TabList::selectAll() { std::fill(selected.begin(), selected.end(), 1); }

void TabList::clear()
{
    rows = db::Result();
    selected.clear();
    open = false;
}

void StrtopcCursor::load(db::Connection& connection)
{
    m_structo.clear();
    m_current = nullptr;
    for (db::Row row : connection.query("select * from strtopc")) m_structo.emplace(row.text("stred"), row.text("structo"));
    m_loaded = true;
}

bool StrtopcCursor::locate(const std::string& stred)
{
    auto it = m_structo.find(stred);
    if (it == m_structo.end()) return false;
    m_current = &it->second;
    return true;
}

const std::string& StrtopcCursor::structo() const
{
    static const std::string none;
    return m_current ? *m_current : none;
}

void StrtopcCursor::close()
{
    m_structo.clear();
    m_current = nullptr;
    m_loaded = false;
}

GroupedRows::GroupedRows(const db::Result& result, const std::string& keyColumn)
{
    for (db::Row row : result) m_groups[row.text(keyColumn)].push_back(row);
}

const std::vector<db::Row>& GroupedRows::of(const std::string& key) const
{
    auto it = m_groups.find(key);
    return it == m_groups.end() ? m_empty : it->second;
}

std::string RuleContext::selectedKeysLiteral(const std::string& column) const
{
    std::set<std::string> seen;
    std::string out;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (!list.selected[i]) continue;
        std::string key = list.rows[i].text(column);
        if (!seen.insert(key).second) continue;
        if (!out.empty()) out += ',';
        out += TextLiteral(key);
    }
    return out;
}

} // namespace kex

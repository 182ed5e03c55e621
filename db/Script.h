#pragma once
// A multi-statement SQL script ("BEGIN;" … "commit;"): statements separated by ";" outside
// quotes, each of which may span several lines. Running stops at the first failing statement
// and reports its index (0 for the first statement of the script).
#include <string>
#include <vector>

#include "db/DbError.h"

namespace kex::db {

class Connection;

class ScriptError : public DbError {
public:
    ScriptError(const DbError& cause, int index, std::string scriptText)
        : DbError(cause.what(), cause.code(), cause.statement()), m_index(index), m_script(std::move(scriptText))
    {
    }
    int index() const { return m_index; }
    const std::string& scriptText() const { return m_script; }

private:
    int m_index;
    std::string m_script;
};

class Script {
public:
    Script() = default;
    explicit Script(std::string text) : m_text(std::move(text)) {}

    // Appends one line to the script text (a statement ends where its ";" stands).
    Script& add(std::string_view line);
    const std::string& text() const { return m_text; }
    void clear() { m_text.clear(); }

    std::vector<std::string> statements() const;

    // Runs the statements in order on the connection; throws ScriptError at the first failure
    // without undoing anything itself (the caller decides how a failed script ends).
    void run(Connection& connection) const;

    static std::vector<std::string> split(std::string_view text);

private:
    std::string m_text;
};

} // namespace kex::db

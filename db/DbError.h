#pragma once
#include <stdexcept>
#include <string>

namespace kex::db {

// A statement the server refused, or a connection that could not be made or was lost.
// `statement` holds the SQL text that failed (empty for connection failures).
class DbError : public std::runtime_error {
public:
    DbError(const std::string& message, unsigned code = 0, std::string statement = {})
        : std::runtime_error(message), m_code(code), m_statement(std::move(statement))
    {
    }
    unsigned code() const { return m_code; }
    const std::string& statement() const { return m_statement; }

private:
    unsigned m_code;
    std::string m_statement;
};

} // namespace kex::db

#include "db/Script.h"

#include <cctype>

#include "db/Connection.h"

namespace kex::db {

Script& Script::add(std::string_view line)
{
    if (!m_text.empty()) m_text += '\n';
    m_text += line;
    return *this;
}

std::vector<std::string> Script::split(std::string_view text)
{
    std::vector<std::string> out;
    std::string current;
    char quote = 0;
    auto flush = [&] {
        std::size_t b = 0, e = current.size();
        while (b < e && std::isspace(static_cast<unsigned char>(current[b]))) ++b;
        while (e > b && std::isspace(static_cast<unsigned char>(current[e - 1]))) --e;
        if (e > b) out.push_back(current.substr(b, e - b));
        current.clear();
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (quote) {
            current += c;
            if (c == '\\' && quote != '`' && i + 1 < text.size()) {
                current += text[++i];
            } else if (c == quote) {
                quote = 0;
            }
            continue;
        }
        if (c == '\'' || c == '"' || c == '`') {
            quote = c;
            current += c;
        } else if (c == ';') {
            flush();
        } else {
            current += c;
        }
    }
    flush();
    return out;
}

std::vector<std::string> Script::statements() const { return split(m_text); }

void Script::run(Connection& connection) const
{
    auto list = statements();
    for (std::size_t i = 0; i < list.size(); ++i) {
        try {
            connection.execute(list[i]);
        } catch (const DbError& e) {
            throw ScriptError(e, static_cast<int>(i), m_text);
        }
    }
}

} // namespace kex::db

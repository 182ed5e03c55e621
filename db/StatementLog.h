#pragma once
// The statement log: every SQL text sent on the connection, one time-stamped entry each,
// appended to a file the accountant's support can read after the fact.
#include <cstdio>
#include <string>
#include <string_view>

namespace kex::db {

class StatementLog {
public:
    StatementLog() = default;
    ~StatementLog();
    StatementLog(const StatementLog&) = delete;
    StatementLog& operator=(const StatementLog&) = delete;

    // Opens (creating it when missing) the file for appending; false when it cannot be opened,
    // in which case the log stays off and the program goes on without it.
    bool open(const std::string& path);
    void close();
    bool isOpen() const { return m_file != nullptr; }
    const std::string& path() const { return m_path; }

    void setEnabled(bool on) { m_enabled = on; }
    bool enabled() const { return m_enabled; }

    // One entry: "yyyy-mm-dd hh:nn:ss.zzz " followed by the statement as sent (UTF-8).
    void write(std::string_view sql);

private:
    std::FILE* m_file = nullptr;
    std::string m_path;
    bool m_enabled = true;
};

} // namespace kex::db

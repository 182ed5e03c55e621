#include "db/StatementLog.h"

#include <chrono>
#include <ctime>

namespace kex::db {

StatementLog::~StatementLog() { close(); }

bool StatementLog::open(const std::string& path)
{
    close();
    m_file = std::fopen(path.c_str(), "a");
    m_path = path;
    return m_file != nullptr;
}

void StatementLog::close()
{
    if (m_file) std::fclose(m_file);
    m_file = nullptr;
}

void StatementLog::write(std::string_view sql)
{
    if (!m_file || !m_enabled) return;
    using namespace std::chrono;
    auto now = system_clock::now();
    std::time_t t = system_clock::to_time_t(now);
    int ms = static_cast<int>(duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000);
    std::tm tm{};
    localtime_r(&t, &tm);
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d %02d:%02d:%02d.%03d ", tm.tm_year + 1900, tm.tm_mon + 1,
                  tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec, ms);
    std::fputs(stamp, m_file);
    std::fwrite(sql.data(), 1, sql.size(), m_file);
    std::fputc('\n', m_file);
    // Flushed per entry: the log is what support reads after a crash.
    std::fflush(m_file);
}

} // namespace kex::db

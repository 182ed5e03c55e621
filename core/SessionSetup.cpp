#include "core/SessionSetup.h"

#include <charconv>
#include <optional>

#include "core/Values.h"
#include "platform/Host.h"

namespace kex {
namespace {

std::optional<unsigned> portNumber(const std::string& text)
{
    unsigned value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value == 0 || value > 65535) return std::nullopt;
    return value;
}

// The history row keeps the suite's double-quoted form; a quote or backslash inside a value
// (a user name, say) is escaped so the value arrives as it is instead of breaking the statement.
std::string dq(const std::string& value)
{
    std::string out = "\"";
    for (char c : value) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + "\"";
}

} // namespace

std::string HistoryInsertStatement(const HistoryFacts& facts, const DateTime& now, const std::string& hostAddress,
                                   const std::string& userName, const std::string& computerName)
{
    std::string sql = "insert into historiem \n";
    sql += "set modul = " + dq(facts.module) + ", pc = " + dq(facts.cisloPC) + ", stredisko = " + dq(facts.centre)
           + ",\n";
    sql += "datumcas = " + dq(FormatStamp(now)) + ",\n";
    sql += "ipadr = " + dq(hostAddress) + ", computeruser = " + dq(userName) + ", computername = " + dq(computerName)
           + ",\n";
    sql += "mdatumcas = " + dq(FormatStamp(facts.programFileTime)) + ", mverze=" + dq(facts.programVersion);
    return sql;
}

bool SessionSetup(db::Connection& connection, db::ConnectParams params, const std::string& sqlPort,
                  const std::string& openPort, const HistoryFacts& facts)
{
    auto mainPort = portNumber(sqlPort);
    if (!openPort.empty()) {
        if (auto alt = portNumber(openPort)) {
            params.port = *alt;
            if (connection.connect(params)) {
                // The settings keep naming the SQL port; the open connection stays on the other one.
                connection.setPort(mainPort.value_or(0));
                return false;
            }
        }
    }
    if (!mainPort) {
        connection.close();
        return false;
    }
    params.port = *mainPort;
    if (!connection.connect(params)) return false;
    // A failure here is no connection problem (a missing history table, say): it is raised, not hidden.
    connection.execute("set @@session.sql_mode=\"\"");
    connection.execute("SET names cp1250;");
    connection.execute(HistoryInsertStatement(facts, Now(), HostAddress(), UserName(), ComputerName()));
    return true;
}

} // namespace kex

#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/Commands.h"
#include "core/Workstation.h"

namespace kex::cli {

int StatusCommand(CommandContext& ctx)
{
    Workstation& ws = ctx.workstation;
    const LogonSettings& logon = ws.logon();
    std::string period = ws.closedPeriod();
    long long postings = ws.postingCount();
    std::string server = logon.ip + ":" + std::to_string(ws.connection().connectedPort());
    if (ctx.json) {
        nlohmann::json j = {
            {"server", server},
            {"serverVersion", ws.connection().serverVersion()},
            {"database", logon.database},
            {"workstation", logon.cisloPC},
            {"closedPeriod", period},
            {"postings", postings},
            {"sessionPrepared", ws.sessionPrepared()},
            {"statementLog", ws.statementLogPath().string()},
        };
        ctx.out << j.dump(2) << '\n';
    } else {
        ctx.out << "Server:         " << server << " (" << ws.connection().serverVersion() << ")\n"
                << "Database:       " << logon.database << '\n'
                << "Workstation:    " << logon.cisloPC << '\n'
                << "Closed period:  " << period << '\n'
                << "Postings:       " << postings << '\n';
    }
    return 0;
}

} // namespace kex::cli

#pragma once
// Prepares the database session of a program of the suite and records its start.
#include <string>

#include "db/Connection.h"

namespace kex {

struct HistoryFacts {
    std::string module;       // "Zaúčtování" for this program
    std::string centre;       // centre text of the start (empty at start-up)
    std::string cisloPC;      // workstation number from the ini file
    std::string programVersion;
    DateTime programFileTime;
};

// Connects and sets the session up. When `openPort` is not empty it is tried first: if the
// server answers there the connection stays on it and the function returns false at once,
// sending neither the session statements nor the history row (the suite's convention for a
// second, already prepared port). Otherwise connects on `sqlPort`; on success runs
// "set @@session.sql_mode=\"\"" and "SET names cp1250;", inserts the history row and returns
// true; a failing session statement raises db::DbError. A port text that is no number counts
// as a port that does not answer. False with the
// connection closed when neither port answers; `connection.lastError()` tells why.
bool SessionSetup(db::Connection& connection, db::ConnectParams params, const std::string& sqlPort,
                  const std::string& openPort, const HistoryFacts& facts);

// The statement that records one program start in historiem.
std::string HistoryInsertStatement(const HistoryFacts& facts, const DateTime& now, const std::string& hostAddress,
                                   const std::string& userName, const std::string& computerName);

} // namespace kex

#pragma once
// The engine of one workstation: everything the menus and the command line can do, without
// any user interface. It owns the connection, the logs and the paths of the program directory,
// and talks to the accountant only through the Prompter.
#include <filesystem>
#include <memory>
#include <string>

#include "core/DateTime.h"
#include "core/LogonSettings.h"
#include "core/Prompter.h"
#include "db/Connection.h"
#include "db/Script.h"
#include "db/StatementLog.h"

namespace kex {

class PostingSession;

// Version of the program as the suite records and shows it.
const char* ProgramVersionText();

class Workstation {
public:
    // `programDir` is the program's own directory: the suite's ini file is "../Tervan05.ini",
    // the logs go to "../sqllog", the local dBASE tables to "data", all relative to it.
    Workstation(Prompter& prompter, std::filesystem::path programDir);
    ~Workstation();
    Workstation(const Workstation&) = delete;
    Workstation& operator=(const Workstation&) = delete;

    // Start-up without windows: creates ../sqllog, opens the statement log of the current year,
    // reads the connection settings, sets the session up (one history row) and creates data/.
    // A server that cannot be reached is not reported here: the first statement fails instead.
    void start();

    Prompter& prompter() { return m_prompter; }
    // The posting area: sessions, commit, review, cancel, unmark.
    PostingSession& posting();
    db::Connection& connection() { return m_connection; }
    const LogonSettings& logon() const { return m_logon; }
    bool sessionPrepared() const { return m_sessionPrepared; }
    const DateTime& startTime() const { return m_startTime; }

    std::filesystem::path programDir() const { return m_dir; }
    std::filesystem::path file(std::string_view relative) const { return m_dir / std::string(relative); }
    std::filesystem::path sqllogDir() const { return file("../sqllog"); }
    std::filesystem::path dataDir() const { return file("data"); }
    std::filesystem::path errorLogPath() const { return file("../sqllog/kex.err"); }
    std::filesystem::path statementLogPath() const { return m_statementLog.path(); }

    // Runs a "BEGIN;" … "commit;" script. When a statement fails: "ROLLBACK;", a block in
    // kex.err, the connection closed, "Nastala chyba SQL. Program bude ukončen." shown, and
    // ProgramEnd thrown: the front end must end the program.
    void runScript(const db::Script& script);
    // The same ending for a script run statement by statement (the commit): `statements` are
    // those sent since "BEGIN;", the last one being the one that failed.
    [[noreturn]] void failScript(const db::DbError& error, const std::vector<std::string>& statements);

    // The last closed accounting month as "MM/YYYY", read from the suite's definitions.
    std::string closedPeriod();
    long long postingCount();

private:
    [[noreturn]] void endAfterScriptFailure(const db::ScriptError& error);
    void appendErrorLog(const db::ScriptError& error);

    Prompter& m_prompter;
    std::filesystem::path m_dir;
    db::Connection m_connection;
    db::StatementLog m_statementLog;
    LogonSettings m_logon;
    bool m_sessionPrepared = false;
    DateTime m_startTime;
    std::unique_ptr<PostingSession> m_posting;
};

} // namespace kex

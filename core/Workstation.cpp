#include "core/Workstation.h"

#include <fstream>

#include "core/Errors.h"
#include "core/PostingSession.h"
#include "core/SessionSetup.h"
#include "core/Values.h"
#include "platform/Host.h"

namespace kex {

const char* ProgramVersionText() { return KEX_VERSION_TEXT; }

Workstation::Workstation(Prompter& prompter, std::filesystem::path programDir)
    : m_prompter(prompter), m_dir(std::move(programDir))
{
}

Workstation::~Workstation() = default;

PostingSession& Workstation::posting()
{
    if (!m_posting) m_posting = std::make_unique<PostingSession>(*this);
    return *m_posting;
}

void Workstation::start()
{
    MakeDirectories(sqllogDir().string());
    m_connection.close();
    DateTime now = Now();
    m_statementLog.open(file("../sqllog/kex" + std::to_string(now.year) + ".log").lexically_normal().string());
    m_startTime = now;
    m_logon = ReadLogonSettings(file("../Tervan05.ini").string());
    m_connection.setStatementLog(&m_statementLog);

    db::ConnectParams params;
    params.host = m_logon.ip;
    params.user = m_logon.user;
    params.password = m_logon.password;
    params.database = m_logon.database;
    HistoryFacts facts{"Zaúčtování", "", m_logon.cisloPC, ProgramVersionText(), ProgramFileTime()};
    m_sessionPrepared = SessionSetup(m_connection, params, m_logon.sqlPort, m_logon.openPort, facts);
    MakeDirectories(dataDir().string());
}

void Workstation::runScript(const db::Script& script)
{
    try {
        script.run(m_connection);
    } catch (const db::ScriptError& e) {
        endAfterScriptFailure(e);
    }
}

void Workstation::failScript(const db::DbError& error, const std::vector<std::string>& statements)
{
    std::string text;
    for (const auto& s : statements) text += s + ";\n";
    endAfterScriptFailure(db::ScriptError(error, static_cast<int>(statements.size()) - 1, text));
}

void Workstation::endAfterScriptFailure(const db::ScriptError& e)
{
    try {
        m_connection.execute("ROLLBACK;");
    } catch (const db::DbError&) {
        // The connection may be gone; the server then rolls the transaction back itself.
    }
    appendErrorLog(e);
    m_connection.close();
    m_prompter.message("Nastala chyba SQL. Program bude ukončen.", Icon::Warning);
    throw ProgramEnd(std::string("A database script failed (statement ") + std::to_string(e.index()) + "): " + e.what());
}

void Workstation::appendErrorLog(const db::ScriptError& error)
{
    std::ofstream out(errorLogPath(), std::ios::app | std::ios::binary);
    DateTime now = Now();
    char stamp[40];
    // The workstation's short date and long time (Czech: d.M.yyyy H:mm:ss).
    std::snprintf(stamp, sizeof stamp, "%d.%d.%04d %d:%02d:%02d", now.day, now.month, now.year, now.hour, now.minute,
                  now.second);
    out << std::string(37, '-') << '\n'
        << "KEX " << stamp << '\n'
        << "radek " << error.index() << '\n'
        << "chyba " << error.what() << '\n'
        << "--" << '\n'
        << error.scriptText() << '\n';
}

std::string Workstation::closedPeriod()
{
    db::Result r = m_connection.query("select uzavreneuo from tervan");
    std::string value = r.empty() ? std::string() : r[0].text("uzavreneuo");
    return RightText(value, 2) + "/" + LeftText(value, 4);
}

long long Workstation::postingCount()
{
    db::Result r = m_connection.query("select count(*) as n from kexinfo");
    return r.empty() ? 0 : r[0].asInt("n");
}

} // namespace kex

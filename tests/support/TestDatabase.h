#pragma once
// A fresh database on the private test server, built from sql/, dropped at the end of the test.
// Without a reachable server (KEX_TEST_DB_PORT unset or nobody listening) `available()` is false
// and the test skips itself.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "db/Connection.h"

namespace kex::test {

struct ServerAddress {
    std::string host = "127.0.0.1";
    unsigned port = 0;
    std::string user = "root";
    std::string password;
};

// The private server scripts/test started, or nullopt-like port 0 when none is configured.
ServerAddress TestServer();

class TestDatabase {
public:
    // `files` are loaded in order with the plain mariadb client, relative to the source tree.
    explicit TestDatabase(std::vector<std::string> files = {"sql/schema.sql", "sql/keximpl.sql", "sql/tervan.sql"});
    ~TestDatabase();
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    bool available() const { return m_available; }
    const std::string& reason() const { return m_reason; }
    const std::string& name() const { return m_name; }
    const ServerAddress& server() const { return m_server; }

    db::ConnectParams params() const;
    // A connection of the test's own (session cp1250, empty SQL mode), for arranging and checking.
    db::Connection& sql();
    // Runs an SQL file or text with the plain client, as an administrator would.
    void loadFile(const std::string& path);

private:
    ServerAddress m_server;
    std::string m_name;
    bool m_available = false;
    std::string m_reason;
    std::unique_ptr<db::Connection> m_sql;
};

// A program directory laid out as on a workstation: <root>/prog is the program's directory,
// <root>/Tervan05.ini the suite's shared settings, <root>/sqllog the logs.
class ProgramDir {
public:
    ProgramDir();
    ~ProgramDir();
    const std::filesystem::path& root() const { return m_root; }
    std::filesystem::path program() const { return m_root / "prog"; }
    // Writes ../Tervan05.ini with the given LogON lines ("key=value").
    void writeIni(const std::vector<std::string>& lines) const;
    // The ini lines that reach `db`, with the workstation number `cisloPC`.
    static std::vector<std::string> iniFor(const TestDatabase& db, const std::string& cisloPC = "07");
    std::string readFile(const std::string& relativeToRoot) const;

private:
    std::filesystem::path m_root;
};

// Three growers' receipts of April 2006 at centre 10 (one with the supplier invoice F103, journal
// code DF) and one of March at centre 20, with their centres, article and invoice header.
void AddReceipts(db::Connection& c);

} // namespace kex::test

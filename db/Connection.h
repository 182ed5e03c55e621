#pragma once
// The one connection of a workstation to the suite's database, over MariaDB Connector/C.
// SQL texts are UTF-8 inside the program and cp1250 on the wire; every statement sent is
// written to the statement log first.
#include <string>
#include <string_view>

#include "db/DbError.h"
#include "db/Result.h"

struct st_mysql;

namespace kex::db {

class StatementLog;

struct ConnectParams {
    std::string host = "localhost";
    std::string user = "root";
    std::string password;
    std::string database = "tervan";
    unsigned port = 3306;
    bool compress = true;
};

class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens the connection (closing an open one first): TCP to host:port, compression as asked,
    // client code page cp1250, auto-commit on. False when the server cannot be reached or refuses;
    // lastError() tells why.
    bool connect(const ConnectParams& params);
    void close();
    bool isOpen() const { return m_mysql != nullptr; }
    const std::string& lastError() const { return m_lastError; }
    const ConnectParams& params() const { return m_params; }
    // The port the connection settings name; may differ from the port the open connection uses.
    void setPort(unsigned port) { m_params.port = port; }
    unsigned connectedPort() const { return m_connectedPort; }
    std::string serverVersion() const;

    void setStatementLog(StatementLog* log) { m_log = log; }
    StatementLog* statementLog() const { return m_log; }

    // Runs one statement; throws DbError when the server refuses it. Any result set is discarded.
    void execute(std::string_view sql);
    // Runs one statement and fetches its whole result set.
    Result query(std::string_view sql);
    // Rows the last execute() changed, as the server counts them.
    unsigned long long affectedRows() const { return m_affected; }
    unsigned long long lastInsertId() const;

private:
    void send(std::string_view sql);
    [[noreturn]] void fail(std::string_view sql);

    st_mysql* m_mysql = nullptr;
    ConnectParams m_params;
    unsigned m_connectedPort = 0;
    std::string m_lastError;
    StatementLog* m_log = nullptr;
    unsigned long long m_affected = 0;
};

} // namespace kex::db

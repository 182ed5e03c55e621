#include "db/Connection.h"

#include <mysql.h>

#include "platform/Cp1250.h"
#include "db/StatementLog.h"

namespace kex::db {
namespace {

ColumnKind kindOf(const MYSQL_FIELD& f)
{
    switch (f.type) {
    case MYSQL_TYPE_TINY:
    case MYSQL_TYPE_SHORT:
    case MYSQL_TYPE_LONG:
    case MYSQL_TYPE_LONGLONG:
    case MYSQL_TYPE_INT24:
    case MYSQL_TYPE_YEAR:
    case MYSQL_TYPE_BIT:
        return ColumnKind::Integer;
    case MYSQL_TYPE_DECIMAL:
    case MYSQL_TYPE_NEWDECIMAL:
    case MYSQL_TYPE_FLOAT:
    case MYSQL_TYPE_DOUBLE:
        return ColumnKind::Float;
    case MYSQL_TYPE_DATE:
    case MYSQL_TYPE_NEWDATE:
        return ColumnKind::Date;
    case MYSQL_TYPE_DATETIME:
    case MYSQL_TYPE_TIMESTAMP:
        return ColumnKind::DateTime;
    case MYSQL_TYPE_TIME:
        return ColumnKind::Time;
    case MYSQL_TYPE_VAR_STRING:
    case MYSQL_TYPE_STRING:
    case MYSQL_TYPE_VARCHAR:
    case MYSQL_TYPE_BLOB:
    case MYSQL_TYPE_TINY_BLOB:
    case MYSQL_TYPE_MEDIUM_BLOB:
    case MYSQL_TYPE_LONG_BLOB:
    case MYSQL_TYPE_ENUM:
    case MYSQL_TYPE_SET:
        return ColumnKind::Text;
    default:
        return ColumnKind::Other;
    }
}

} // namespace

Connection::Connection() = default;

Connection::~Connection() { close(); }

bool Connection::connect(const ConnectParams& params)
{
    close();
    m_params = params;
    m_lastError.clear();
    MYSQL* my = mysql_init(nullptr);
    if (!my) {
        m_lastError = "Out of memory for the database connection.";
        return false;
    }
    // Always TCP, also for "localhost": the suite's settings name a host and a port, never a socket.
    unsigned protocol = MYSQL_PROTOCOL_TCP;
    mysql_optionsv(my, MYSQL_OPT_PROTOCOL, &protocol);
    if (params.compress) mysql_optionsv(my, MYSQL_OPT_COMPRESS, nullptr);
    mysql_optionsv(my, MYSQL_SET_CHARSET_NAME, "cp1250");
    unsigned timeout = 10;
    mysql_optionsv(my, MYSQL_OPT_CONNECT_TIMEOUT, &timeout);
    std::string host = Utf8ToCp1250(params.host);
    std::string user = Utf8ToCp1250(params.user);
    std::string password = Utf8ToCp1250(params.password);
    std::string database = Utf8ToCp1250(params.database);
    if (!mysql_real_connect(my, host.c_str(), user.c_str(), password.c_str(),
                            database.empty() ? nullptr : database.c_str(), params.port, nullptr,
                            CLIENT_MULTI_RESULTS)) {
        m_lastError = Cp1250ToUtf8(mysql_error(my));
        mysql_close(my);
        return false;
    }
    mysql_autocommit(my, 1);
    m_mysql = my;
    m_connectedPort = params.port;
    return true;
}

void Connection::close()
{
    if (m_mysql) {
        mysql_close(m_mysql);
        m_lastError = "the connection was closed";
    }
    m_mysql = nullptr;
    m_connectedPort = 0;
}

std::string Connection::serverVersion() const { return m_mysql ? mysql_get_server_info(m_mysql) : ""; }

unsigned long long Connection::lastInsertId() const { return m_mysql ? mysql_insert_id(m_mysql) : 0; }

void Connection::fail(std::string_view sql)
{
    unsigned code = mysql_errno(m_mysql);
    std::string message = Cp1250ToUtf8(mysql_error(m_mysql));
    throw DbError(message, code, std::string(sql));
}

void Connection::send(std::string_view sql)
{
    if (!m_mysql)
        throw DbError(m_lastError.empty() ? "Not connected to the database."
                                          : "Not connected to the database: " + m_lastError,
                      0, std::string(sql));
    if (m_log) m_log->write(sql);
    std::string wire = Utf8ToCp1250(sql);
    if (mysql_real_query(m_mysql, wire.data(), wire.size()) != 0) fail(sql);
}

void Connection::execute(std::string_view sql)
{
    send(sql);
    m_affected = 0;
    // Drain every result the statement produced (a CALL gives more than one).
    do {
        MYSQL_RES* res = mysql_store_result(m_mysql);
        if (res) {
            mysql_free_result(res);
        } else if (mysql_field_count(m_mysql) != 0) {
            fail(sql);
        } else {
            m_affected = mysql_affected_rows(m_mysql);
        }
        int next = mysql_next_result(m_mysql);
        if (next > 0) fail(sql);
        if (next != 0) break;
    } while (true);
}

Result Connection::query(std::string_view sql)
{
    send(sql);
    MYSQL_RES* res = mysql_store_result(m_mysql);
    if (!res) {
        if (mysql_field_count(m_mysql) != 0) fail(sql);
        m_affected = mysql_affected_rows(m_mysql);
        while (mysql_next_result(m_mysql) == 0) {
        }
        return Result();
    }
    unsigned n = mysql_num_fields(res);
    MYSQL_FIELD* fields = mysql_fetch_fields(res);
    std::vector<Column> columns;
    columns.reserve(n);
    for (unsigned i = 0; i < n; ++i) {
        Column c;
        c.name = Cp1250ToUtf8(fields[i].name);
        c.kind = kindOf(fields[i]);
        c.length = fields[i].length;
        columns.push_back(std::move(c));
    }
    std::vector<std::vector<std::optional<std::string>>> rows;
    rows.reserve(mysql_num_rows(res));
    while (MYSQL_ROW r = mysql_fetch_row(res)) {
        unsigned long* lengths = mysql_fetch_lengths(res);
        std::vector<std::optional<std::string>> row(n);
        for (unsigned i = 0; i < n; ++i)
            if (r[i]) row[i] = Cp1250ToUtf8(std::string_view(r[i], lengths[i]));
        rows.push_back(std::move(row));
    }
    mysql_free_result(res);
    // A CALL also returns a status result; drain it so the connection stays usable.
    while (mysql_next_result(m_mysql) == 0) {
        if (MYSQL_RES* more = mysql_store_result(m_mysql)) mysql_free_result(more);
    }
    return Result(std::move(columns), std::move(rows));
}

} // namespace kex::db

#include "support/TestDatabase.h"

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace kex::test {

ServerAddress TestServer()
{
    ServerAddress s;
    if (const char* h = std::getenv("KEX_TEST_DB_HOST"); h && *h) s.host = h;
    if (const char* p = std::getenv("KEX_TEST_DB_PORT"); p && *p) s.port = static_cast<unsigned>(std::atoi(p));
    if (const char* u = std::getenv("KEX_TEST_DB_USER"); u && *u) s.user = u;
    if (const char* pw = std::getenv("KEX_TEST_DB_PASSWORD")) s.password = pw;
    return s;
}

namespace {

std::string shellQuote(const std::string& s)
{
    std::string out = "'";
    for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

std::string clientCommand(const ServerAddress& s, const std::string& database)
{
    std::string cmd = "mariadb --no-defaults --protocol=TCP -h " + shellQuote(s.host) + " -P " + std::to_string(s.port)
                      + " -u " + shellQuote(s.user);
    if (!s.password.empty()) cmd += " -p" + shellQuote(s.password);
    if (!database.empty()) cmd += " " + shellQuote(database);
    return cmd;
}

} // namespace

TestDatabase::TestDatabase(std::vector<std::string> files) : m_server(TestServer())
{
    if (m_server.port == 0) {
        m_reason = "no test server configured (run the tests through scripts/test)";
        return;
    }
    static std::atomic<int> counter{0};
    m_name = "kextest_" + std::to_string(getpid()) + "_" + std::to_string(counter++);
    db::Connection admin;
    db::ConnectParams p = params();
    p.database.clear();
    if (!admin.connect(p)) {
        m_reason = "the test server does not answer: " + admin.lastError();
        return;
    }
    admin.execute("DROP DATABASE IF EXISTS " + m_name);
    admin.execute("CREATE DATABASE " + m_name + " CHARACTER SET cp1250");
    m_available = true;
    for (const auto& f : files) loadFile(std::string(KEX_SOURCE_DIR) + "/" + f);
}

TestDatabase::~TestDatabase()
{
    if (!m_available) return;
    m_sql.reset();
    db::Connection admin;
    db::ConnectParams p = params();
    p.database.clear();
    if (admin.connect(p)) {
        try {
            admin.execute("DROP DATABASE IF EXISTS " + m_name);
        } catch (const db::DbError&) {
        }
    }
}

db::ConnectParams TestDatabase::params() const
{
    db::ConnectParams p;
    p.host = m_server.host;
    p.port = m_server.port;
    p.user = m_server.user;
    p.password = m_server.password;
    p.database = m_name;
    return p;
}

db::Connection& TestDatabase::sql()
{
    if (!m_sql) {
        m_sql = std::make_unique<db::Connection>();
        if (!m_sql->connect(params()))
            throw std::runtime_error("cannot connect to the test database: " + m_sql->lastError());
        m_sql->execute("set @@session.sql_mode=\"\"");
        m_sql->execute("SET names cp1250");
    }
    return *m_sql;
}

void TestDatabase::loadFile(const std::string& path)
{
    std::string cmd = clientCommand(m_server, m_name) + " < " + shellQuote(path) + " 2>&1";
    FILE* pipe = popen(cmd.c_str(), "r");
    if (!pipe) throw std::runtime_error("cannot start the mariadb client");
    std::string output;
    char buf[512];
    while (size_t n = fread(buf, 1, sizeof buf, pipe)) output.append(buf, n);
    int status = pclose(pipe);
    if (status != 0) throw std::runtime_error("loading " + path + " failed: " + output);
}

ProgramDir::ProgramDir()
{
    std::string tmpl = (std::filesystem::temp_directory_path() / "kexprog.XXXXXX").string();
    if (!mkdtemp(tmpl.data())) throw std::runtime_error("cannot create a temporary directory");
    m_root = tmpl;
    std::filesystem::create_directories(program());
}

ProgramDir::~ProgramDir()
{
    std::error_code ec;
    if (!std::getenv("KEX_KEEP_TEST_FILES")) std::filesystem::remove_all(m_root, ec);
}

void ProgramDir::writeIni(const std::vector<std::string>& lines) const
{
    std::ofstream out(m_root / "Tervan05.ini");
    out << "[LogON]\r\n";
    for (const auto& l : lines) out << l << "\r\n";
}

std::vector<std::string> ProgramDir::iniFor(const TestDatabase& db, const std::string& cisloPC)
{
    return {"IP=" + db.server().host,
            "User=" + db.server().user,
            "Password=" + db.server().password,
            "Database=" + db.name(),
            "SQLport=" + std::to_string(db.server().port),
            "CisloPC=" + cisloPC};
}

std::string ProgramDir::readFile(const std::string& relativeToRoot) const
{
    std::ifstream in(m_root / relativeToRoot, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void AddReceipts(db::Connection& c)
{
    c.execute("insert into strtopc (stred, structo) values ('10','S10'),('20','S20')");
    c.execute("insert into cenik (nomenkla, nazevosiva, analucet1) values ('PSOZ','Pšenice','132.100')");
    c.execute("insert into pv (cislodokla, cislofakt, datum, dp, stredisko, ico, kodpar) values "
              "('101','', '2006-04-03','1','10','111','K1'),"
              "('102','', '2006-04-10','2','10','222','K2'),"
              "('103','F103','2006-04-20','0','10','333','K3'),"
              "('104','', '2006-03-15','1','20','444','K4')");
    c.execute("insert into pvrad (cislodokla, stredisko, nomenkla, nazevosiva, hmotnostpv, nc) values "
              "('101','10','PSOZ','Pšenice',10,100),('102','10','PSOZ','Pšenice',2,50.5),"
              "('103','10','PSOZ','Pšenice',3,1000),('104','20','PSOZ','Pšenice',1,10)");
    c.execute("insert into fakt (cfakt, rada, zaok, splatnost, plneni, vystaveni) values "
              "('F103','DF',3000,'2006-05-20','2006-04-20','2006-04-20')");
}

} // namespace kex::test

#include <gtest/gtest.h>

#include "core/Errors.h"
#include "core/LogonSettings.h"
#include "core/Workstation.h"
#include "support/FakePrompter.h"
#include "support/TestDatabase.h"

using namespace kex;

namespace {

class WorkstationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!db.available()) GTEST_SKIP() << db.reason();
    }
    long long historyRows() { return db.sql().query("select count(*) n from historiem")[0].asInt("n"); }

    test::TestDatabase db;
    test::ProgramDir dir;
    test::FakePrompter prompter;
};

TEST_F(WorkstationTest, StartRecordsTheStartAndLogsEveryStatement)
{
    db.sql().execute("update tervan set uzavreneuo = '200012'");
    dir.writeIni(test::ProgramDir::iniFor(db, "07"));
    Workstation ws(prompter, dir.program());
    ws.start();
    EXPECT_TRUE(ws.sessionPrepared());
    EXPECT_EQ(ws.closedPeriod(), "12/2000");

    db::Result h = db.sql().query("select * from historiem");
    ASSERT_EQ(h.size(), 1u);
    EXPECT_EQ(h[0].text("modul"), "Zaúčtování");
    EXPECT_EQ(h[0].text("pc"), "07");
    EXPECT_EQ(h[0].text("mverze"), "2.14.1.1445");
    EXPECT_EQ(h[0].text("stredisko"), "");
    EXPECT_FALSE(h[0].text("computeruser").empty());
    EXPECT_FALSE(IsZeroDate(h[0].asDate("mdatumcas")));

    std::string log = dir.readFile("sqllog/kex" + std::to_string(Now().year) + ".log");
    EXPECT_NE(log.find("set @@session.sql_mode=\"\""), std::string::npos);
    EXPECT_NE(log.find("SET names cp1250;"), std::string::npos);
    EXPECT_NE(log.find("select uzavreneuo from tervan"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(dir.program() / "data"));
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(WorkstationTest, ReachableOpenPortIsUsedWithoutSessionStatementsOrHistory)
{
    auto ini = test::ProgramDir::iniFor(db);
    ini.push_back("OPENport=" + std::to_string(db.server().port));
    for (auto& l : ini)
        if (l.rfind("SQLport=", 0) == 0) l = "SQLport=1";
    dir.writeIni(ini);
    Workstation ws(prompter, dir.program());
    ws.start();
    EXPECT_FALSE(ws.sessionPrepared());
    EXPECT_EQ(ws.connection().connectedPort(), db.server().port);
    EXPECT_EQ(ws.connection().params().port, 1u);
    EXPECT_EQ(ws.postingCount(), 0);
    EXPECT_EQ(historyRows(), 0);
    std::string log = dir.readFile("sqllog/kex" + std::to_string(Now().year) + ".log");
    EXPECT_EQ(log.find("SET names"), std::string::npos);
}

TEST_F(WorkstationTest, UnreachableServerFailsAtTheFirstStatementNotAtStart)
{
    auto ini = test::ProgramDir::iniFor(db);
    for (auto& l : ini)
        if (l.rfind("SQLport=", 0) == 0) l = "SQLport=1";
    dir.writeIni(ini);
    Workstation ws(prompter, dir.program());
    ws.start();
    EXPECT_FALSE(ws.sessionPrepared());
    EXPECT_THROW(ws.closedPeriod(), db::DbError);
}

TEST_F(WorkstationTest, FailedScriptRollsBackLogsAndEndsTheProgram)
{
    dir.writeIni(test::ProgramDir::iniFor(db));
    db.sql().execute("create table t (n int) engine=InnoDB");
    db.sql().execute("insert into t values (1)");
    Workstation ws(prompter, dir.program());
    ws.start();
    db::Script script;
    script.add("BEGIN;").add("insert into t values (2);").add("insert into no_such_table values (3);")
        .add("insert into t values (4);").add("commit;");
    EXPECT_THROW(ws.runScript(script), ProgramEnd);

    EXPECT_EQ(db.sql().query("select group_concat(n) g from t")[0].text("g"), "1");
    EXPECT_FALSE(ws.connection().isOpen());
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0], "Nastala chyba SQL. Program bude ukončen.");

    std::string err = dir.readFile("sqllog/kex.err");
    EXPECT_EQ(err.rfind(std::string(37, '-') + "\nKEX ", 0), 0u);
    EXPECT_NE(err.find("\nradek 2\nchyba "), std::string::npos);
    EXPECT_NE(err.find("no_such_table"), std::string::npos);
    EXPECT_NE(err.find("--\nBEGIN;\ninsert into t values (2);"), std::string::npos);
    // A second failure appends a second block.
    Workstation again(prompter, dir.program());
    again.start();
    EXPECT_THROW(again.runScript(script), ProgramEnd);
    std::string err2 = dir.readFile("sqllog/kex.err");
    EXPECT_EQ(err2.substr(0, err.size()), err);
    EXPECT_GT(err2.size(), err.size());
}

TEST(LogonSettingsTest, MissingFileAndKeysGiveTheSuiteDefaults)
{
    test::ProgramDir dir;
    LogonSettings s = ReadLogonSettings((dir.root() / "Tervan05.ini").string());
    EXPECT_EQ(s.ip, "localhost");
    EXPECT_EQ(s.user, "root");
    EXPECT_EQ(s.password, "");
    EXPECT_EQ(s.database, "tervan");
    EXPECT_EQ(s.sqlPort, "3306");
    EXPECT_EQ(s.openPort, "");
    EXPECT_EQ(s.cisloPC, "00");

    dir.writeIni({"ip=10.0.0.5", "CISLOPC=12", "Database=firma"});
    s = ReadLogonSettings((dir.root() / "Tervan05.ini").string());
    EXPECT_EQ(s.ip, "10.0.0.5");
    EXPECT_EQ(s.cisloPC, "12");
    EXPECT_EQ(s.database, "firma");
    EXPECT_EQ(s.sqlPort, "3306");
}

} // namespace

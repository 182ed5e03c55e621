#include <gtest/gtest.h>

#include "core/Values.h"
#include "db/Connection.h"
#include "db/Script.h"
#include "platform/Cp1250.h"
#include "support/TestDatabase.h"

using namespace kex;

namespace {

class ConnectionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!db.available()) GTEST_SKIP() << db.reason();
    }
    test::TestDatabase db{{}};
};

TEST_F(ConnectionTest, TextsReachTheServerAndComeBackUnchanged)
{
    auto& c = db.sql();
    c.execute("create table t (id int, s varchar(60)) default charset=cp1250");
    const std::vector<std::string> texts = {"O'Neil", "C:\\data", "Příjemka žluťoučkého koně", "a\\'b''c\\\\",
                                            "\"quoted\";", ""};
    for (std::size_t i = 0; i < texts.size(); ++i)
        c.execute("insert into t values(" + std::to_string(i) + "," + TextLiteral(texts[i]) + ")");
    db::Result r = c.query("select s, hex(s) as h from t order by id");
    ASSERT_EQ(r.size(), texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) EXPECT_EQ(r[i].text("s"), texts[i]);
    // Stored in cp1250, not as UTF-8 bytes: "ř" is one byte F8.
    EXPECT_NE(r[2].text("h").find("F8"), std::string::npos);
}

TEST_F(ConnectionTest, FieldsReadAsTheSuiteReadsThem)
{
    auto& c = db.sql();
    c.execute("create table f (d decimal(12,2), x double, dt datetime null, dz datetime, n int)");
    c.execute("insert into f values(105.00, 0.1, null, '0000-00-00 00:00:00', 42)");
    db::Row row = c.query("select * from f")[0];
    EXPECT_EQ(row.text("d"), "105");
    EXPECT_EQ(row.text("X"), "0.1");
    EXPECT_DOUBLE_EQ(row.asFloat("d"), 105.0);
    EXPECT_TRUE(IsZeroDate(row.asDate("dt")));
    EXPECT_TRUE(IsZeroDate(row.asDate("dz")));
    EXPECT_EQ(row.asInt("n"), 42);
    EXPECT_THROW(row.text("nosuchcolumn"), db::DbError);
}

TEST_F(ConnectionTest, TextOutsideTheCodePageIsRefusedNotMangled)
{
    auto& c = db.sql();
    c.execute("create table t (s varchar(20)) default charset=cp1250");
    EXPECT_THROW(c.execute("insert into t values(" + TextLiteral("日本") + ")"), EncodingError);
    EXPECT_EQ(c.query("select count(*) n from t")[0].asInt("n"), 0);
}

TEST_F(ConnectionTest, RefusedStatementRaisesWithServerMessageAndText)
{
    auto& c = db.sql();
    try {
        c.execute("select * from no_such_table");
        FAIL() << "no error raised";
    } catch (const db::DbError& e) {
        EXPECT_EQ(e.code(), 1146u);
        EXPECT_NE(std::string(e.what()).find("no_such_table"), std::string::npos);
        EXPECT_EQ(e.statement(), "select * from no_such_table");
    }
}

TEST(ScriptSplit, SeparatesAtSemicolonsOutsideQuotes)
{
    auto parts = db::Script::split("BEGIN;\ninsert into t values('a;b', \"c;\\\"d\");\n\n update t\n set x=1;commit;");
    ASSERT_EQ(parts.size(), 4u);
    EXPECT_EQ(parts[0], "BEGIN");
    EXPECT_EQ(parts[1], "insert into t values('a;b', \"c;\\\"d\")");
    EXPECT_EQ(parts[2], "update t\n set x=1");
    EXPECT_EQ(parts[3], "commit");
}

} // namespace

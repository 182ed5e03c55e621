#include "support/RulesFixture.h"

#include "core/Period.h"
#include "core/Tabs.h"
#include "core/Values.h"

namespace kex::test {

void RulesFixture::SetUp()
{
    if (!db.available()) GTEST_SKIP() << db.reason();
    fx.emplace(db.sql());
    dir.writeIni(ProgramDir::iniFor(db));
    ws = std::make_unique<Workstation>(prompter, dir.program());
    ws->start();
    fx->centre("43", "07");
    fx->centre("44", "08");
}

void RulesFixture::setting(const std::string& key, const std::string& value)
{
    db.sql().execute("update keximpl set ucet=" + TextLiteral(value) + " where popis=" + TextLiteral(key));
}

PostingSession& RulesFixture::openPeriod()
{
    PostingSession& s = ws->posting();
    s.open(ValidatePeriod(m_month, m_year, "", false));
    return s;
}

PostingSession& RulesFixture::selectAndPost(Tab tab, const std::vector<std::string>& keys)
{
    PostingSession& s = ws->posting();
    EXPECT_EQ(s.selectByKeys(tab, keys), std::vector<std::string>{});
    s.post(tab);
    return s;
}

long long RulesFixture::documentId(const std::string& table, const std::string& number)
{
    return db.sql().query("select id from " + table + " where cislodokla = " + TextLiteral(number))[0].asInt("id");
}

} // namespace kex::test

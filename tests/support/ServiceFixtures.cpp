#include "support/ServiceFixtures.h"

#include "core/Period.h"
#include "core/Tabs.h"
#include "core/Values.h"

namespace kex::test {

void ServiceRulesFixture::SetUp()
{
    SalesRulesFixture::SetUp();
    if (IsSkipped()) return;
    fx->article(kTreatment.nomenkla, "").set("nazevosiva", kTreatment.name).set("analucet5", "602.1XX").add();
    fx->article(kAgent.nomenkla, "132.XXX")
        .set("nazevosiva", kAgent.name)
        .set("analucet3", "504.XXX")
        .set("analucet5", "604.2YY")
        .set("analucet6", "505.XXX")
        .add();
}

RowBuilder ServiceRulesFixture::service(const std::string& number, const std::string& invoice)
{
    return std::move(fx->row("vu")
                         .set("cislodokla", number)
                         .set("cislofakt", invoice)
                         .set("datumvu", "2013-04-10")
                         .set("stredisko", "43")
                         .set("ico", kCustomerIco)
                         .set("nazevpodni", kCustomerName)
                         .set("kodpar", kCustomerCode)
                         .set("partie", kProcessed.name)
                         .set("nomenkla", kProcessed.nomenkla));
}

RowBuilder ServiceRulesFixture::serviceItem(const std::string& service, const Article& a, const std::string& lot,
                                            double quantity, double pc, double nc)
{
    return std::move(fx->row("vurad")
                         .set("cislodokla", service)
                         .set("nomenkla", a.nomenkla)
                         .set("nazevosiva", a.name)
                         .set("stredisko", "44")
                         .set("partie", lot)
                         .set("partiecela", lot)
                         .set("hmotnostvu", quantity)
                         .set("pc", pc)
                         .set("nc", nc));
}

PostingSession& ServiceRulesFixture::post(Tab tab, const std::vector<std::string>& numbers)
{
    PostingSession& s = ws->posting();
    if (s.areaState() != AreaState::SessionOpen) s.open(ValidatePeriod("04", "2013", "", false));
    EXPECT_EQ(s.selectByKeys(tab, numbers), std::vector<std::string>{});
    s.post(tab);
    return s;
}

long long ServiceRulesFixture::serviceId(const std::string& number)
{
    return db.sql().query("select id from vu where cislodokla = " + TextLiteral(number))[0].asInt("id");
}

} // namespace kex::test

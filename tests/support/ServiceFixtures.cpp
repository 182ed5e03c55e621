#include "support/ServiceFixtures.h"

#include "core/Tabs.h"

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
    if (ws->posting().areaState() != AreaState::SessionOpen) openPeriod();
    return selectAndPost(tab, numbers);
}

} // namespace kex::test

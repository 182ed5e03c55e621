// Service deliveries and their invoices, posted through a real posting session of April 2013:
// each test arranges a few services, posts the VU tab and compares the working tables with a
// table of the lines the accountant expects, in writing order.
#include <gtest/gtest.h>

#include "core/Errors.h"
#include "core/Period.h"
#include "core/Tabs.h"
#include "core/Values.h"
#include "support/ServiceFixtures.h"

using namespace kex;
using namespace kex::test;

namespace {

class ServiceRulesTest : public ServiceRulesFixture {};

TEST_F(ServiceRulesTest, CleaningAtTheReducedRateWithoutTreatment)
{
    invoice("FU1", "VU")
        .set("halere", 0.4)
        .set("zaok", 1380.4)
        .set("suma_dphn", 180.0)
        .set("suma_zn", 1200.0)
        .set("suma_z0", 5.0)
        .set("odb2", "Úvaly")
        .add();
    service("U1", "FU1").set("celc", 1200.0).set("dphc", 15).set("dan5", 180.0).set("zaklad_5", 1200.0).add();
    auto line = [](const char* ucet, Side side, double amount, const char* v343 = "", const char* zaklad = "") {
        return Line{"U1", "VU", ucet, side, amount, "07", v343, "FU1", kProcessed, kDueDate, zaklad};
    };
    struct Case {
        const char* sou311321;
        std::vector<Line> lines;
    } cases[] = {
        {"N",
         {line("311.100", Md, 0.4), line("548.100", Dal, 0.4), line("311.100", Md, 1200),
          line("602.110", Dal, 1200, "10"), line("311.100", Md, 180), line("343.110", Dal, 180, "", "15/1200")}},
        // One customer line at the end instead of those of the rounding, the service and the VAT.
        {"A",
         {line("548.100", Dal, 0.4), line("602.110", Dal, 1200, "10"), line("343.110", Dal, 180, "", "15/1200"),
          line("311.100", Md, 1380.4)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("sou311321 ") + c.sou311321);
        setting("sou311321", c.sou311321);

        PostingSession& s = post(Tab::VU, {"U1"});

        ExpectLines(AllRows(s.workingLines()), c.lines, kServiceDate);
        db::Result records = s.workingRecords();
        ASSERT_EQ(records.size(), 1u);
        // The partner's dealer stands in for the service's empty one; no currency for services.
        ExpectRecord(records[0], {{"doklad", "FU1"},        {"pdoklad", ""},          {"denik", "VU"},
                                  {"ucet", "311.100"},      {"stredisko", "07"},      {"symbol", "FU1"},
                                  {"castka", "1380.4"},     {"rozdil", "0.4"},        {"ico", kCustomerIco},
                                  {"kodpar", kCustomerCode}, {"nazevpodni", kCustomerName}, {"sidlo", "Úvaly"},
                                  {"text", "Čištění osiva OS1304"}, {"datzdp", "2013-04-10"},
                                  {"datvyst", "2013-04-11"}, {"datspl", "2013-04-25"}, {"dan5", "180"},
                                  {"zakl0", "5"},           {"zakl5", "1200"},        {"dealer", "05"},
                                  {"banka", "KB"},          {"mena", ""},             {"kurz", "0"}});
        const std::string id = std::to_string(serviceId("U1"));
        EXPECT_EQ(s.state().PostedIdsFAvu, id);
        EXPECT_EQ(s.state().PostedIdsVU, id);
        s.returnToIdle();
    }
}

TEST_F(ServiceRulesTest, VatCodeOfAServiceFollowsItsRate)
{
    invoice("FU2", "VU").add();
    // Cleaning at the reduced rate, drying at the standard one, transport at 0 % and treatment at
    // 10 %, a rate of other years: every rate but the reduced one takes the standard code.
    service("U2", "FU2")
        .set("celc", 100.0)
        .set("dphc", 15)
        .set("cels", 200.0)
        .set("dphs", 21)
        .set("celd", 300.0)
        .set("dphd", 0)
        .set("dphm", 10)
        .set("dan5", 15.0)
        .set("zaklad_5", 100.0)
        .set("dan23", 42.0)
        .set("zaklad_23", 200.0)
        .add();
    serviceItem("U2", kTreatment, "MOR001", 100, 4, 0).add();
    auto line = [](const char* ucet, Side side, double amount, const char* v343 = "", const char* zaklad = "") {
        return Line{"U2", "VU", ucet, side, amount, "07", v343, "FU2", kProcessed, kDueDate, zaklad};
    };
    const std::vector<Line> revenue = {
        line("311.100", Md, 100), line("602.110", Dal, 100, "10"), line("311.100", Md, 200),
        line("602.120", Dal, 200, "20"), line("311.100", Md, 300), line("602.130", Dal, 300, "20"),
        line("311.100", Md, 400), line("602.140", Dal, 400, "20"),
    };
    struct Case {
        const char* typUcto;
        const char* reducedCode;
        const char* standardCode;
    } cases[] = {{"Helios", "", ""}, {"Horry", "10", "20"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typUcto);
        setting("TypUcto", c.typUcto);

        PostingSession& s = post(Tab::VU, {"U2"});

        // Only Horry wants the VAT code on the VAT lines themselves.
        std::vector<Line> expected = revenue;
        expected.push_back(line("311.100", Md, 15));
        expected.push_back(line("343.110", Dal, 15, c.reducedCode, "15/100"));
        expected.push_back(line("311.100", Md, 42));
        expected.push_back(line("343.120", Dal, 42, c.standardCode, "21/200"));
        ExpectLines(AllRows(s.workingLines()), expected, kServiceDate);
        s.returnToIdle();
    }
}

TEST_F(ServiceRulesTest, TreatmentIsSummedByLotLengthOrPostedPerItemFromThePriceList)
{
    invoice("FU3", "VU").add();
    service("U3", "FU3").set("dphm", 21).set("dan23", 82.16).set("zaklad_23", 391.25).add();
    // Treatment work on lots of 6 characters, agents issued from stock on lots of 9, all stored
    // at centre 44 while the service belongs to centre 43 (structure 07).
    serviceItem("U3", kTreatment, "MOR001", 100, 2.5, 0).add();
    serviceItem("U3", kAgent, "MO1304001", 3, 40, 30).add();
    serviceItem("U3", kTreatment, "MOR002", 10, 0.125, 0).add();
    serviceItem("U3", kAgent, "MO1304002", 0.5, 40, 30).add();
    const Article treatmentLine{kProcessed.nomenkla, kTreatment.name};
    const Article agentLine{kProcessed.nomenkla, kAgent.name};
    auto line = [](const char* ucet, Side side, double amount, const Article& a, const char* v343 = "") {
        return Line{"U3", "VU", ucet, side, amount, "07", v343, "FU3", a, kDueDate};
    };
    // The stock side of the agents: the item's own centre in the templates, the service's
    // structure on the lines, the price list's service cost account.
    const std::vector<Line> vatAndStock = {
        Line{"U3", "VU", "311.100", Md, 82.16, "07", "", "FU3", kProcessed, kDueDate},
        Line{"U3", "VU", "343.120", Dal, 82.16, "07", "", "FU3", kProcessed, kDueDate, "21/391.25"},
        line("132.44", Dal, 90, kAgent), line("505.44", Md, 90, kAgent),
        line("132.44", Dal, 15, kAgent), line("505.44", Md, 15, kAgent),
    };
    struct Case {
        const char* u602;
        std::vector<Line> treatment;
    } cases[] = {
        {"N",
         {line("311.100", Md, 251.25, kProcessed), line("602.140", Dal, 251.25, kProcessed, "20"),
          line("311.100", Md, 140, kProcessed), line("604.150", Dal, 140, kProcessed, "20")}},
        // Per item on its article's analucet5: item centre 44 for XX, the service's structure for YY.
        {"A",
         {line("311.100", Md, 250, treatmentLine), line("602.144", Dal, 250, treatmentLine, "20"),
          line("311.100", Md, 120, agentLine), line("604.207", Dal, 120, agentLine, "20"),
          line("311.100", Md, 1.25, treatmentLine), line("602.144", Dal, 1.25, treatmentLine, "20"),
          line("311.100", Md, 20, agentLine), line("604.207", Dal, 20, agentLine, "20")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("U602morZcenikuA5 ") + c.u602);
        setting("U602morZcenikuA5", c.u602);

        PostingSession& s = post(Tab::VU, {"U3"});

        std::vector<Line> expected = c.treatment;
        expected.insert(expected.end(), vatAndStock.begin(), vatAndStock.end());
        ExpectLines(AllRows(s.workingLines()), expected, kServiceDate);
        s.returnToIdle();
    }
}

TEST_F(ServiceRulesTest, TwoDocumentsOfOneInvoiceShareOneRecordAndOneRoundingPair)
{
    invoice("FU4", "VU").set("denik", "DU").set("halere", -0.2).set("zaok", 937.8).add();
    service("U41", "FU4").set("celc", 500.0).set("dphc", 15).set("dan5", 75.0).set("zaklad_5", 500.0).add();
    service("U42", "FU4").set("cels", 300.0).set("dphs", 21).set("dan23", 63.0).set("zaklad_23", 300.0).add();
    serviceItem("U42", kAgent, "MO1304003", 2, 0, 25).add();
    auto line = [](const char* doklad, const char* ucet, Side side, double amount, const char* v343 = "",
                   const char* zaklad = "", const Article& a = kProcessed) {
        return Line{doklad, "DU", ucet, side, amount, "07", v343, "FU4", a, kDueDate, zaklad};
    };

    // Selecting one document of the invoice selects the other as well.
    PostingSession& s = post(Tab::VU, {"U41"});

    ExpectLines(AllRows(s.workingLines()),
                {
                    line("U41", "311.100", Md, -0.2),
                    line("U41", "548.100", Dal, -0.2),
                    line("U41", "311.100", Md, 500),
                    line("U41", "602.110", Dal, 500, "10"),
                    line("U41", "311.100", Md, 75),
                    line("U41", "343.110", Dal, 75, "", "15/500"),
                    // The second document takes the code and due date from the record, adds no
                    // rounding; its agent's stock side follows with both.
                    line("U42", "311.100", Md, 300),
                    line("U42", "602.120", Dal, 300, "20"),
                    line("U42", "311.100", Md, 63),
                    line("U42", "343.120", Dal, 63, "", "21/300"),
                    line("U42", "132.44", Dal, 50, "", "", kAgent),
                    line("U42", "505.44", Md, 50, "", "", kAgent),
                },
                kServiceDate);
    ASSERT_EQ(s.workingRecords().size(), 1u);
    const std::string both = std::to_string(serviceId("U41")) + "," + std::to_string(serviceId("U42"));
    EXPECT_EQ(s.state().PostedIdsFAvu, both);
    EXPECT_EQ(s.state().PostedIdsVU, both);

    // The back button takes the lines and the record although their code is the invoice's own.
    s.back(Tab::VU);
    EXPECT_EQ(s.workingLines().size(), 0u);
    EXPECT_EQ(s.workingRecords().size(), 0u);
}

TEST_F(ServiceRulesTest, AdvanceSeriesIsPostedLikeAnyOtherInvoice)
{
    setting("VZdoSalda", "N");
    invoice("ZU5", "VZ").set("zaok", 115.0).add();
    service("U5", "ZU5").set("celc", 100.0).set("dphc", 15).set("dan5", 15.0).set("zaklad_5", 100.0).add();

    PostingSession& s = post(Tab::VU, {"U5"});

    // The customer's own account, not the advance account, and the lines whatever VZdoSalda says.
    ExpectLines(AllRows(s.workingLines()),
                {
                    {"U5", "VZ", "311.100", Md, 100, "07", "", "ZU5", kProcessed, kDueDate},
                    {"U5", "VZ", "602.110", Dal, 100, "07", "10", "ZU5", kProcessed, kDueDate},
                    {"U5", "VZ", "311.100", Md, 15, "07", "", "ZU5", kProcessed, kDueDate},
                    {"U5", "VZ", "343.110", Dal, 15, "07", "", "ZU5", kProcessed, kDueDate, "15/100"},
                },
                kServiceDate);
    db::Result records = s.workingRecords();
    ASSERT_EQ(records.size(), 1u);
    ExpectRecord(records[0], {{"denik", "VZ"}, {"ucet", "311.100"}, {"castka", "115"}});
}

TEST_F(ServiceRulesTest, UnpricedAgentLeavesTheStockSideForVUnc)
{
    invoice("FU6", "VU").add();
    service("U6", "FU6").set("celc", 100.0).set("dphc", 15).add();
    serviceItem("U6", kAgent, "MO1304006", 2, 0, 0).add();
    serviceItem("U6", kAgent, "MO1304007", 1, 0, 30).add();

    PostingSession& s = post(Tab::VU, {"U6"});

    // The invoice side alone: no stock line of any item.
    ExpectLines(AllRows(s.workingLines()),
                {
                    {"U6", "VU", "311.100", Md, 100, "07", "", "FU6", kProcessed, kDueDate},
                    {"U6", "VU", "602.110", Dal, 100, "07", "10", "FU6", kProcessed, kDueDate},
                },
                kServiceDate);
    EXPECT_EQ(s.state().PostedIdsFAvu, std::to_string(serviceId("U6")));
    EXPECT_EQ(s.state().PostedIdsVU, "");

    s.commit();
    s.open(ValidatePeriod("04", "2013", "", false));
    ASSERT_EQ(s.list(Tab::VUnc).size(), 1u);
    EXPECT_EQ(s.list(Tab::VUnc).rows[0].text("cislodokla"), "U6");
    EXPECT_EQ(s.list(Tab::VU).size(), 0u);
}

// A document whose stock side a later posting took at purchase price comes back to its tab when
// the posting of its invoice side is cancelled. Its stock must not be issued a second time, and
// the commit must not be refused for it.
TEST_F(ServiceRulesTest, StockSideAlreadyPostedIsNotPostedAgain)
{
    const char* const posted = "2013-03-31 10:00:00";
    invoice("F9").add();
    delivery("V9", "F9").set("datumkexct", posted).add();
    item("V9", kWheat, 1, 100, 60).add();
    invoice("FU9", "VU").add();
    service("U9", "FU9").set("celc", 100.0).set("dphc", 15).set("datumkexct", posted).add();
    serviceItem("U9", kAgent, "MO1304009", 1, 0, 30).add();
    struct Case {
        Tab tab;
        const char* number;
        const char* table;
        std::vector<Line> lines;
    } cases[] = {
        {Tab::VN,
         "V9",
         "vn",
         {{"V9", "FV", "311.100", Md, 100, "08", "", "F9", kWheat, kDueDate, "", "", 100, 0},
          {"V9", "FV", "604.108", Dal, 100, "08", "10", "F9", kWheat, kDueDate, "", "", 0, 100}}},
        {Tab::VU,
         "U9",
         "vu",
         {{"U9", "VU", "311.100", Md, 100, "07", "", "FU9", kProcessed, kDueDate},
          {"U9", "VU", "602.110", Dal, 100, "07", "10", "FU9", kProcessed, kDueDate}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        PostingSession& s = post(c.tab, {c.number});

        ExpectLines(AllRows(s.workingLines()), c.lines);
        EXPECT_EQ(s.state().PostedIdsVN + s.state().PostedIdsVU, "");

        s.commit();
        db::Row doc = db.sql().query(std::string("select datumkexct, datumkexcf from ") + c.table
                                     + " where cislodokla = " + TextLiteral(c.number))[0];
        EXPECT_EQ(doc.text("datumkexct"), posted);
        EXPECT_GT(doc.text("datumkexcf"), std::string("2013"));
    }
}

} // namespace

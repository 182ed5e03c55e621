// Deliveries and services at purchase price: the stock side of documents whose invoice side is
// already posted, posted from the tabs VN nc and VU nc of a real posting session. Each test
// arranges a few documents, posts the tabs and compares the working lines with a table.
#include <gtest/gtest.h>

#include <tuple>

#include "core/Period.h"
#include "core/Tabs.h"
#include "core/Values.h"
#include "support/ServiceFixtures.h"

using namespace kex;
using namespace kex::test;

namespace {

// When the invoice sides of these documents were posted.
const char* const kInvoicePosted = "2013-04-12 09:00:00";

class PurchasePriceRulesTest : public ServiceRulesFixture {
protected:
    RowBuilder invoicedDelivery(const std::string& number, const std::string& invoice, const std::string& receipt = "")
    {
        return std::move(delivery(number, invoice, receipt).set("datumkexcf", kInvoicePosted));
    }
    RowBuilder invoicedService(const std::string& number, const std::string& invoice)
    {
        return std::move(service(number, invoice).set("datumkexcf", kInvoicePosted));
    }
    long long deliveryId(const std::string& number) { return idOf(number); }
};

TEST_F(PurchasePriceRulesTest, StockSideOfDeliveriesAndServicesWhoseInvoiceIsPosted)
{
    fx->row("dealertopc").set("dealer", "05").set("stredisko", "17").add();
    // The first item's centre (44, structure 08) gives the structure of every line of the
    // document; each item's own centre fills the account templates.
    invoicedDelivery("V1", "F1").add();
    item("V1", kWheat, 10, 0, 80).add();
    item("V1", kSeed, 5, 0, 150).set("stredisko", "43").add();
    item("V1", kWheat, 2, 0, 0).add(); // a zero amount writes nothing but does not block
    invoicedDelivery("V2", "", "R2").add();
    // An item carried over from older data under another letter case and a trailing blank is
    // still the delivery's, as the database compares the numbers.
    item("v2 ", kWheat, 1, 0, 60).add();
    // A lot of 9 characters still without a price keeps the whole delivery on the list.
    invoicedDelivery("V3", "F3").add();
    item("V3", kWheat, 1, 0, 0).set("partie", "PS1304001").add();
    item("V3", kWheat, 1, 0, 70).add();
    invoicedService("U1", "FU1").add();
    serviceItem("U1", kAgent, "MO1304001", 2, 40, 30).add();
    serviceItem("U1", kAgent, "MO1304002", 1, 40, 20).set("stredisko", "43").add();

    auto vn = [](const char* doklad, const char* denik, const char* symbol, const char* ucet, Side side,
                 double amount, const char* centre, const Article& a) {
        return Line{doklad, denik, ucet, side, amount, centre, "", symbol, a, kDeliveryDate};
    };
    auto vu = [](const char* ucet, Side side, double amount) {
        return Line{"U1", "Vu", ucet, side, amount, "08", "", "FU1", kAgent, kServiceDate};
    };
    // Services never take a dealer's centre: the same lines under either target system.
    const std::vector<Line> services = {vu("132.44", Dal, 60), vu("505.44", Md, 60), vu("132.43", Dal, 20),
                                        vu("505.43", Md, 20)};
    struct Case {
        const char* typUcto;
        const char* costCentre; // of the deliveries' cost lines
    } cases[] = {{"Helios", "08"}, {"UNI", "17"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typUcto);
        setting("TypUcto", c.typUcto);

        post(Tab::VNnc, {"V1", "V2", "V3"});
        PostingSession& s = post(Tab::VUnc, {"U1"});

        std::vector<Line> expected = {
            vn("V1", "Vn", "F1", "132.44", Dal, 800, "08", kWheat),
            vn("V1", "Vn", "F1", "504.44", Md, 800, c.costCentre, kWheat),
            vn("V1", "Vn", "F1", "132.443", Dal, 750, "08", kSeed),
            vn("V1", "Vn", "F1", "504.43", Md, 750, c.costCentre, kSeed),
            // Paid by cash receipt: its own temporary code, the receipt number as symbol.
            vn("V2", "Vc", "R2", "132.44", Dal, 60, "08", kWheat),
            vn("V2", "Vc", "R2", "504.44", Md, 60, c.costCentre, kWheat),
        };
        expected.insert(expected.end(), services.begin(), services.end());
        const std::vector<db::Row> lines = AllRows(s.workingLines());
        ExpectLines(lines, expected);
        // Deliveries name the item's dealer; services have none.
        for (const db::Row& l : lines) EXPECT_EQ(l.text("dealer"), l.text("denik") == "Vu" ? "" : "05");
        EXPECT_EQ(s.state().PostedIdsVNnc, std::to_string(deliveryId("V1")) + "," + std::to_string(deliveryId("V2")));
        EXPECT_EQ(s.state().PostedIdsVUnc, std::to_string(serviceId("U1")));
        s.returnToIdle();
    }
}

TEST_F(PurchasePriceRulesTest, TaxDateFollowsThePeriodWithDatumDokladuDleUO)
{
    invoicedDelivery("V31", "F31").set("datumvn1", "2013-03-20").add();
    item("V31", kWheat, 1, 0, 10).add();
    invoicedDelivery("V32", "F32").add(); // dated in the posting month
    item("V32", kWheat, 1, 0, 20).add();
    struct Case {
        const char* doklad;
        const char* datumDokladuDleUO;
        const char* datzdp;
        const char* datspl; // always the delivery's own date
        double amount;
    } cases[] = {
        {"V31", "N", "2013-3-20", "2013-3-20", 10},
        {"V32", "N", "2013-4-10", "2013-4-10", 20},
        {"V31", "A", "2013-4-2", "2013-3-20", 10},
        {"V32", "A", "2013-4-10", "2013-4-10", 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.doklad) + " DatumDokladuDleUO " + c.datumDokladuDleUO);
        setting("DatumDokladuDleUO", c.datumDokladuDleUO);

        PostingSession& s = post(Tab::VNnc, {c.doklad});

        const std::string symbol = std::string("F") + (c.doklad + 1);
        ExpectLines(AllRows(s.workingLines()),
                    {
                        {c.doklad, "Vn", "132.44", Dal, c.amount, "08", "", symbol, kWheat, c.datspl},
                        {c.doklad, "Vn", "504.44", Md, c.amount, "08", "", symbol, kWheat, c.datspl},
                    },
                    c.datzdp);
        s.returnToIdle();
    }
}

TEST_F(PurchasePriceRulesTest, ServiceAmountsStayUnroundedWhileDeliveryAmountsAreRounded)
{
    invoicedDelivery("V4", "F4").add();
    item("V4", kWheat, 3, 0, 1.333).add();
    invoicedService("U4", "FU4").add();
    serviceItem("U4", kAgent, "MO1304004", 3, 0, 1.333).add();
    struct Case {
        Tab tab;
        const char* number;
        double amount;
    } cases[] = {{Tab::VNnc, "V4", 4}, {Tab::VUnc, "U4", 3.999}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        PostingSession& s = post(c.tab, {c.number});

        db::Result lines = s.workingLines();
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[0].asFloat("dal"), c.amount);
        EXPECT_EQ(lines[1].asFloat("md"), c.amount);
        s.returnToIdle();
    }
}

// The whole road of a delivery whose lot had no price when it was invoiced: its invoice side is
// posted in April, its stock side in May once the lot is priced, and the commit keeps it under VN.
TEST_F(PurchasePriceRulesTest, DeliveryWaitingForItsPriceIsPostedInTheNextPeriodUnderVN)
{
    invoice("F5").add();
    delivery("V5", "F5").add();
    item("V5", kWheat, 10, 100, 0).set("partie", "PS1304001").add();
    item("V5", kWheat, 1, 60, 50).add();
    PostingSession& s = ws->posting();

    s.open(ValidatePeriod("04", "2013", "", false));
    s.selectByKeys(Tab::VN, {"V5"});
    s.post(Tab::VN);
    EXPECT_EQ(s.state().PostedIdsVN, "");
    s.commit();

    db.sql().execute("update vnrad set nc = 80 where partie = 'PS1304001'");
    s.open(ValidatePeriod("05", "2013", "", false));
    ASSERT_EQ(s.list(Tab::VNnc).size(), 1u);
    EXPECT_EQ(s.list(Tab::VNnc).rows[0].text("cislodokla"), "V5");
    EXPECT_EQ(s.list(Tab::VN).size(), 0u);
    s.selectByKeys(Tab::VNnc, {"V5"});
    s.post(Tab::VNnc);
    const CommitResult posted = s.commit();

    using Journal = std::tuple<std::string, std::string, double, double, std::string, std::string>;
    std::vector<Journal> journal;
    for (db::Row r : db.sql().query("select * from kexcto where cislo = " + std::to_string(posted.number)
                                    + " order by id2"))
        journal.emplace_back(r.text("denik"), r.text("ucet"), r.asFloat("md"), r.asFloat("dal"), r.text("mesic"),
                             r.text("datzdp"));
    EXPECT_EQ(journal, (std::vector<Journal>{
                           {"VN", "132.44", 0, 800, "05", "2013-04-10"},
                           {"VN", "504.44", 800, 0, "05", "2013-04-10"},
                           {"VN", "132.44", 0, 50, "05", "2013-04-10"},
                           {"VN", "504.44", 50, 0, "05", "2013-04-10"},
                       }));
    db::Row v5 = db.sql().query("select datumkexct, mesic from vn where cislodokla = 'V5'")[0];
    EXPECT_EQ(v5.asDate("datumkexct"), posted.stamp);
    EXPECT_EQ(v5.text("mesic"), "05");

    s.open(ValidatePeriod("05", "2013", "", false));
    EXPECT_EQ(s.list(Tab::VNnc).size(), 0u);
}

} // namespace

// Sales deliveries settled by invoices, posted through a real posting session of April 2013:
// each test arranges a few deliveries, posts the VN tab and compares the working tables with a
// table of the lines the accountant expects, in writing order.
#include <gtest/gtest.h>

#include "core/Period.h"
#include "core/Tabs.h"
#include "core/Values.h"
#include "support/SalesFixtures.h"

using namespace kex;
using namespace kex::test;

namespace {

class SalesInvoiceTest : public SalesRulesFixture {};

TEST_F(SalesInvoiceTest, InvoiceOverTwoDeliveriesHasOneRecordAndOneRoundingPair)
{
    invoice("F1")
        .set("denik", "DO")
        .set("halere", -0.4)
        .set("zaok", 2359.6)
        .set("dico", "CZ12345678")
        .set("odb2", "Úvaly")
        .set("suma_dphn", 150.0)
        .set("suma_dphv", 210.0)
        .set("suma_zn", 1000.0)
        .set("suma_zv", 1000.0)
        .add();
    delivery("V101", "F1")
        .set("dobropiskf", "DB5")
        .set("dobropis_k", "K")
        .set("storzalohy", "Z3")
        .set("dan5", 150.0)
        .set("zaklad_5", 1000.0)
        .add();
    item("V101", kWheat, 10, 100, 80).add();
    delivery("V102", "F1").set("dan23", 210.0).set("zaklad_23", 1000.0).add();
    item("V102", kSeed, 5, 200, 150).set("dan", 21).set("stredisko", "43").add();

    // Selecting one delivery of the invoice selects the other as well.
    PostingSession& s = postVN({"V101"});

    ExpectLines(AllRows(s.workingLines()),
                {
                    // The rounding pair on the last item, at the invoice's centre; the journal code
                    // is the invoice's own, the due date the invoice's.
                    {"V101", "DO", "311.100", Md, -0.4, "07", "", "F1", kWheat, kDueDate},
                    {"V101", "DO", "548.100", Dal, -0.4, "07", "", "F1", kWheat, kDueDate},
                    {"V101", "DO", "311.100", Md, 1000, "08", "", "F1", kWheat, kDueDate, "", "DB5K", 1000, 0},
                    {"V101", "DO", "604.108", Dal, 1000, "08", "10", "F1", kWheat, kDueDate, "", "DB5K", 0, 1000},
                    {"V101", "DO", "311.100", Md, 150, "08", "", "F1", kWheat, kDueDate, "", "DB5K"},
                    {"V101", "DO", "343.110", Dal, 150, "08", "", "F1", kWheat, kDueDate, "15/1000", "DB5K"},
                    // Stock at purchase price, with the invoice's code and due date.
                    {"V101", "DO", "132.43", Dal, 800, "08", "", "F1", kWheat, kDueDate},
                    {"V101", "DO", "504.43", Md, 800, "08", "", "F1", kWheat, kDueDate},
                    // The second delivery takes code and due date from the record, adds no rounding.
                    {"V102", "DO", "311.100", Md, 1000, "07", "", "F1", kSeed, kDueDate, "", "", 1000, 0},
                    {"V102", "DO", "604.021", Dal, 1000, "07", "20", "F1", kSeed, kDueDate, "", "", 0, 1000},
                    {"V102", "DO", "311.100", Md, 210, "07", "", "F1", kSeed, kDueDate},
                    {"V102", "DO", "343.120", Dal, 210, "07", "", "F1", kSeed, kDueDate, "21/1000"},
                    {"V102", "DO", "132.443", Dal, 750, "07", "", "F1", kSeed, kDueDate},
                    {"V102", "DO", "504.43", Md, 750, "07", "", "F1", kSeed, kDueDate},
                });

    db::Result records = s.workingRecords();
    ASSERT_EQ(records.size(), 1u);
    ExpectRecord(records[0], {{"doklad", "F1"},          {"pdoklad", "DB5KZ3"},    {"denik", "DO"},
                              {"ucet", "311.100"},       {"stredisko", "07"},      {"symbol", "F1"},
                              {"castka", "2359.6"},      {"rozdil", "-0.4"},       {"ico", kCustomerIco},
                              {"kodpar", kCustomerCode}, {"dic", "CZ12345678"},    {"nazevpodni", kCustomerName},
                              {"sidlo", "Úvaly"},        {"text", kWheat.name},    {"datzdp", "2013-04-10"},
                              {"datvyst", "2013-04-11"}, {"datspl", "2013-04-25"}, {"dan5", "150"},
                              {"dan23", "210"},          {"zakl5", "1000"},        {"zakl23", "1000"},
                              {"dealer", "05"},          {"banka", "KB"}});
    const std::string both = std::to_string(idOf("V101")) + "," + std::to_string(idOf("V102"));
    EXPECT_EQ(s.state().PostedIdsFA, both);
    EXPECT_EQ(s.state().PostedIdsVN, both);
}

TEST_F(SalesInvoiceTest, AdvanceInvoicesWriteNoLinesAndARecordOnlyWithVZdoSalda)
{
    invoice("Z1", "VZ").set("halere", -0.2).set("zaok", 1150.0).add();
    delivery("V201", "Z1").set("dan5", 150.0).set("zaklad_5", 1000.0).add();
    item("V201", kWheat, 1, 1000, 600).add();
    struct Case {
        const char* name;
        const char* rada;
        const char* denik;
        const char* vzDoSalda;
        bool record;
        const char* stockDenik;
    } cases[] = {
        {"VZ, records off", "VZ", "", "N", false, "VZ"},
        {"VZ, records on", "VZ", "", "A", true, "VZ"},
        {"VZU with a journal of its own", "VZU", "DO", "N", false, "DO"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        db.sql().execute(std::string("update fakt set rada = '") + c.rada + "', denik = '" + c.denik + "'");
        setting("VZdoSalda", c.vzDoSalda);

        PostingSession& s = postVN({"V201"});

        // Only the stock side, with the advance's code and due date.
        ExpectLines(AllRows(s.workingLines()), {
                                                   {"V201", c.stockDenik, "132.43", Dal, 600, "08", "", "Z1", kWheat, kDueDate},
                                                   {"V201", c.stockDenik, "504.43", Md, 600, "08", "", "Z1", kWheat, kDueDate},
                                               });
        db::Result records = s.workingRecords();
        ASSERT_EQ(records.size(), c.record ? 1u : 0u);
        // The advance's account by the first item's VAT rate.
        if (c.record) ExpectRecord(records[0], {{"ucet", "324.015"}, {"denik", "VZ"}, {"castka", "1150"}});
        EXPECT_EQ(s.state().PostedIdsFA, std::to_string(idOf("V201")));
        s.returnToIdle();
    }
}

TEST_F(SalesInvoiceTest, AdvancePaidBeforeSupplyIsPostedWholeOnTheAdvanceAccount)
{
    invoice("Z2", "VZPP").set("zaok", 1150.0).set("suma_z0", 7.0).add();
    delivery("V202", "Z2").set("dan5", 150.0).set("zaklad_5", 1000.0).add();
    item("V202", kWheat, 1, 1000, 0).add();

    PostingSession& s = postVN({"V202"});

    // The series becomes the journal code; the journal keeps two characters of it.
    ExpectLines(AllRows(s.workingLines()),
                {
                    {"V202", "VZ", "324.015", Md, 1000, "08", "", "Z2", kWheat, kDueDate, "", "", 1000, 0},
                    {"V202", "VZ", "604.108", Dal, 1000, "08", "10", "Z2", kWheat, kDueDate, "", "", 0, 1000},
                    {"V202", "VZ", "324.015", Md, 150, "08", "", "Z2", kWheat, kDueDate},
                    {"V202", "VZ", "343.110", Dal, 150, "08", "", "Z2", kWheat, kDueDate, "15/1000"},
                });
    db::Result records = s.workingRecords();
    ASSERT_EQ(records.size(), 1u);
    ExpectRecord(records[0], {{"ucet", "324.015"}, {"castka", "0"}, {"zakl0", "-1150"}});
}

TEST_F(SalesInvoiceTest, DeductedAdvanceSwapsSidesAndUniMovesItsVatBack)
{
    fx->row("dealertopc").set("dealer", "05").set("stredisko", "17").add();
    invoice("F4").add();
    delivery("V401", "F4").set("dan23", 105.0).set("zaklad_23", 500.0).add();
    item("V401", kWheat, 10, 100, 80).set("dan", 21).add();
    item("V401", kWheat, -1, 500, 0).set("dan", 21).set("storzalohy", "Z7").set("cislovz", "VZ7").add();
    setting("VZnaFAotocitMD-DAL", "A");
    const Line goodsC1{"V401", "FV", "311.100", Md, 1000, "08", "", "F4", kWheat, kDueDate, "", "", 1000, 0};
    const Line vat1{"V401", "FV", "311.100", Md, 105, "08", "", "F4", kWheat, kDueDate};
    const Line vat2{"V401", "FV", "343.120", Dal, 105, "08", "", "F4", kWheat, kDueDate, "21/500"};
    const Line stock{"V401", "FV", "132.43", Dal, 800, "08", "", "F4", kWheat, kDueDate};
    struct Case {
        const char* name;
        const char* typUcto;
        const char* denik; // fakt.denik
        std::vector<Line> lines;
    } cases[] = {
        {"Helios",
         "Helios",
         "",
         {goodsC1,
          {"V401", "FV", "604.108", Dal, 1000, "08", "20", "F4", kWheat, kDueDate, "", "", 0, 1000},
          // The deduction: customer credited, revenue debited; the foreign amounts keep their sides.
          {"V401", "FV", "311.100", Dal, 500, "08", "", "F4", kWheat, kDueDate, "", "VZ7", -500, 0},
          {"V401", "FV", "604.108", Md, 500, "08", "20", "Z7", kWheat, kDueDate, "", "", 0, -500},
          vat1,
          vat2,
          stock,
          {"V401", "FV", "504.43", Md, 800, "08", "", "F4", kWheat, kDueDate}}},
        {"UNI",
         "UNI",
         "",
         {goodsC1,
          {"V401", "FV", "604.108", Dal, 1000, "17", "21", "F4", kWheat, kDueDate, "", "", 0, 1000},
          {"V401", "FV", "311.100", Dal, 500, "08", "", "F4", kWheat, kDueDate, "", "VZ7", -500, 0},
          {"V401", "FV", "604.108", Md, 500, "17", "21", "Z7", kWheat, kDueDate, "", "", 0, -500},
          // 21 % of the deducted 500 leaves the advance account for the revenue.
          {"V401", "FV", "324.021", Md, 105, "17", "21", "Z7", kWheat, kDueDate, "", "", 0, -500},
          {"V401", "FV", "604.108", Dal, 105, "17", "21", "Z7", kWheat, kDueDate, "", "", 0, -500},
          vat1,
          vat2,
          stock,
          {"V401", "FV", "504.43", Md, 800, "17", "", "F4", kWheat, kDueDate}}},
        {"journal VZ: not swapped",
         "Helios",
         "VZ",
         {{"V401", "VZ", "311.100", Md, 1000, "08", "", "F4", kWheat, kDueDate, "", "", 1000, 0},
          {"V401", "VZ", "604.108", Dal, 1000, "08", "20", "F4", kWheat, kDueDate, "", "", 0, 1000},
          {"V401", "VZ", "311.100", Md, -500, "08", "", "F4", kWheat, kDueDate, "", "VZ7", -500, 0},
          {"V401", "VZ", "604.108", Dal, -500, "08", "20", "F4", kWheat, kDueDate, "", "", 0, -500},
          {"V401", "VZ", "311.100", Md, 105, "08", "", "F4", kWheat, kDueDate},
          {"V401", "VZ", "343.120", Dal, 105, "08", "", "F4", kWheat, kDueDate, "21/500"},
          {"V401", "VZ", "132.43", Dal, 800, "08", "", "F4", kWheat, kDueDate},
          {"V401", "VZ", "504.43", Md, 800, "08", "", "F4", kWheat, kDueDate}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        setting("TypUcto", c.typUcto);
        db.sql().execute(std::string("update fakt set denik = '") + c.denik + "'");
        PostingSession& s = postVN({"V401"});
        ExpectLines(AllRows(s.workingLines()), c.lines);
        s.returnToIdle();
    }
}

TEST_F(SalesInvoiceTest, RevenueAccountAndVatCodeFollowRateExportAndLot)
{
    setting("TrzbaVNpracedefi", "A");
    setting("TrzbaVNdefiExport", "A");
    struct Case {
        const char* doklad;
        int dan;
        const char* znakdodav;
        const char* kodPlatce;
        const char* partie;
        bool own;
        const char* customer;
        const char* revenue;
        const char* v343;
        const char* zeroRated; // account of the zero-rated base, when the delivery has one
    } cases[] = {
        {"V501", 15, "1", "", "PS1304", false, "311.100", "604.108", "10", nullptr},
        {"V502", 21, "1", "", "PS1304", false, "311.100", "604.108", "20", nullptr},
        {"V503", 0, "1", "", "PS1304", false, "311.100", "604.108", "00", "343.100"},
        // Work (3-character lot) for export to a VAT payer and a non-payer.
        {"V504", 0, "4", "CZ99", "310", false, "311.200", "602.100", "32", "343.300"},
        {"V505", 0, "4", "CZ99", "PS1304", false, "311.200", "604.200", "30", nullptr},
        // Transport (lot 95x) is not work revenue and too short for goods: the price list's account.
        {"V506", 0, "4", "", "950", false, "311.200", "604.108", "33", "343.310"},
        {"V507", 0, "4", "", "PS1304", false, "311.200", "604.200", "31", nullptr},
        // The item's own rate wins over the export codes; own products go to 601.
        {"V508", 15, "4", "", "PS1304", true, "311.200", "601.200", "10", nullptr},
        {"V509", 15, "1", "", "950", true, "311.100", "601.100", "10", nullptr},
        {"V510", 0, "1", "", "310", false, "311.100", "602.100", "00", nullptr},
    };
    std::vector<std::string> numbers;
    for (const Case& c : cases) {
        const std::string number = c.doklad, invoiceNumber = "F" + number;
        invoice(invoiceNumber).add();
        delivery(number, invoiceNumber)
            .set("znakdodav", c.znakdodav)
            .set("kod_platce", c.kodPlatce)
            .set("zaklad_0", c.zeroRated ? 500.0 : 0.0)
            .add();
        const std::string lot = "L" + number;
        item(number, kWheat, 1, 100, 0).set("dan", c.dan).set("partie", c.partie).set("partiecela", lot).add();
        if (c.own) fx->stockCard(lot, 0, "44").set("vlast_vyro", "A").add();
        numbers.push_back(number);
    }

    PostingSession& s = postVN(numbers);

    // No rounding difference on these invoices (halere 0): no rounding pair.
    db::Result lines = s.workingLines();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.doklad);
        const std::string f = std::string("F") + c.doklad;
        std::vector<Line> expected = {
            {c.doklad, "FV", c.customer, Md, 100, "08", "", f, kWheat, kDueDate, "", "", 100, 0},
            {c.doklad, "FV", c.revenue, Dal, 100, "08", c.v343, f, kWheat, kDueDate, "", "", 0, 100},
        };
        if (c.zeroRated) {
            expected.push_back({c.doklad, "FV", c.customer, Md, 0, "08", "", f, kWheat, kDueDate});
            expected.push_back({c.doklad, "FV", c.zeroRated, Md, 0, "08", "", f, kWheat, kDueDate, "00/500"});
        }
        ExpectLines(RowsOf(lines, c.doklad), expected);
    }
}

TEST_F(SalesInvoiceTest, StockAndCostAccountsFollowOwnProductionAndTrzbaVNdefi)
{
    invoice("F6").add();
    delivery("V601", "F6").add();
    item("V601", kWheat, 2, 50, 30).set("partiecela", "OWN1").add();
    fx->stockCard("OWN1", 0, "44").set("vlast_vyro", "A").add();
    item("V601", kSeed, 1, 20, 12.345).add(); // 12.345 rounds half away from zero
    item("V601", kWheat, 1, 10, 0.004).add(); // rounds to nothing: no stock lines
    auto line = [](const char* ucet, Side side, double amount, const Article& a, const char* v343 = "") {
        return Line{"V601", "FV", ucet, side, amount, "08", v343, "F6", a, kDueDate, "", "", 0, 0};
    };
    auto customer = [](double amount, const Article& a) {
        return Line{"V601", "FV", "311.100", Md, amount, "08", "", "F6", a, kDueDate, "", "", amount, 0};
    };
    auto revenue = [](const char* ucet, double amount, const Article& a) {
        return Line{"V601", "FV", ucet, Dal, amount, "08", "10", "F6", a, kDueDate, "", "", 0, amount};
    };
    struct Case {
        const char* trzbaVNdefi;
        std::vector<Line> lines;
    } cases[] = {
        {"N",
         {customer(100, kWheat), revenue("601.100", 100, kWheat), customer(20, kSeed), revenue("604.015", 20, kSeed),
          customer(10, kWheat), revenue("604.108", 10, kWheat),
          // Own product: the stock card's flag picks both accounts, as stored.
          line("123.100", Dal, 60, kWheat), line("613.100", Md, 60, kWheat),
          // The price list's accounts, cut to 7 characters and expanded for the delivery's centre.
          line("132.443", Dal, 12.35, kSeed), line("504.43", Md, 12.35, kSeed)}},
        {"A",
         {customer(100, kWheat), revenue("601.100", 100, kWheat), customer(20, kSeed), revenue("604.100", 20, kSeed),
          customer(10, kWheat), revenue("604.100", 10, kWheat), line("123.100", Dal, 60, kWheat),
          line("613.100", Md, 60, kWheat),
          // A132 expanded, A504 as stored.
          line("132.43", Dal, 12.35, kSeed), line("504.100", Md, 12.35, kSeed)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("TrzbaVNdefi ") + c.trzbaVNdefi);
        setting("TrzbaVNdefi", c.trzbaVNdefi);
        PostingSession& s = postVN({"V601"});
        ExpectLines(AllRows(s.workingLines()), c.lines);
        s.returnToIdle();
    }
}

TEST_F(SalesInvoiceTest, UnpricedNineCharacterLotLeavesTheStockSideForVNnc)
{
    invoice("F7").add();
    delivery("V701", "F7").add();
    item("V701", kWheat, 1, 100, 0).set("partie", "123456789").add();
    item("V701", kWheat, 1, 50, 30).add();
    // Lots of 8 and 10 characters without a price block nothing; their amount is just 0.
    invoice("F8").add();
    delivery("V702", "F8").add();
    item("V702", kWheat, 1, 100, 0).set("partie", "12345678").add();
    item("V702", kWheat, 1, 100, 0).set("partie", "1234567890").add();
    // A delivery without items: VAT lines with empty item texts, and nothing waits.
    invoice("F9").add();
    delivery("V703", "F9").set("dan5", 15.0).set("zaklad_5", 100.0).add();

    PostingSession& s = postVN({"V701", "V702", "V703"});

    db::Result lines = s.workingLines();
    ExpectLines(RowsOf(lines, "V701"),
                {
                    {"V701", "FV", "311.100", Md, 100, "08", "", "F7", kWheat, kDueDate, "", "", 100, 0},
                    {"V701", "FV", "604.108", Dal, 100, "08", "10", "F7", kWheat, kDueDate, "", "", 0, 100},
                    {"V701", "FV", "311.100", Md, 50, "08", "", "F7", kWheat, kDueDate, "", "", 50, 0},
                    {"V701", "FV", "604.108", Dal, 50, "08", "10", "F7", kWheat, kDueDate, "", "", 0, 50},
                });
    EXPECT_EQ(RowsOf(lines, "V702").size(), 4u);
    // Without items the VAT lines stay at the invoice's centre.
    ExpectLines(RowsOf(lines, "V703"), {
                                           {"V703", "FV", "311.100", Md, 15, "07", "", "F9", kNoItem, kDueDate},
                                           {"V703", "FV", "343.110", Dal, 15, "07", "", "F9", kNoItem, kDueDate, "15/100"},
                                       });
    const std::string v701 = std::to_string(idOf("V701")), v702 = std::to_string(idOf("V702")),
                      v703 = std::to_string(idOf("V703"));
    EXPECT_EQ(s.state().PostedIdsFA, v701 + "," + v702 + "," + v703);
    EXPECT_EQ(s.state().PostedIdsVN, v702 + "," + v703);

    s.commit();
    s.open(ValidatePeriod("04", "2013", "", false));
    ASSERT_EQ(s.list(Tab::VNnc).size(), 1u);
    EXPECT_EQ(s.list(Tab::VNnc).rows[0].text("cislodokla"), "V701");
    EXPECT_EQ(s.list(Tab::VN).size(), 0u);
}

TEST_F(SalesInvoiceTest, SecondDeliveryOfARecordedInvoiceReadsItsOwnPartner)
{
    setting("U311zADR", "A");
    db.sql().execute(std::string("update adresar set analucet1 = '311.777' where ico = '") + kCustomerIco + "'");
    fx->partner("87654321").set("analucet1", "311.888").add();
    invoice("F81").add();
    invoice("F82").add();
    delivery("V801", "F81").add();
    delivery("V802", "F82").set("ico", "87654321").add();
    delivery("V803", "F81").add();
    for (const char* number : {"V801", "V802", "V803"}) item(number, kWheat, 1, 100, 0).add();

    PostingSession& s = postVN({"V801", "V802", "V803"});

    // V803 comes after the other customer's invoice, yet keeps its own customer's account.
    db::Result lines = s.workingLines();
    for (auto [doklad, account] : {std::pair{"V801", "311.777"}, {"V802", "311.888"}, {"V803", "311.777"}}) {
        std::vector<db::Row> rows = RowsOf(lines, doklad);
        ASSERT_EQ(rows.size(), 2u) << doklad;
        EXPECT_EQ(rows[0].text("ucet"), account) << doklad;
    }
    EXPECT_EQ(s.workingRecords().size(), 2u);
}

TEST_F(SalesInvoiceTest, UniSendsRevenueAndCostOfDealersArticlesToTheDealersCentre)
{
    setting("TypUcto", "UNI");
    fx->row("dealertopc").set("dealer", "05").set("stredisko", "17").add();
    db.sql().execute(std::string("update cenik set UNISTREDISKO = 'V' where nomenkla = '") + kSeed.nomenkla + "'");
    invoice("F91").add();
    delivery("V901", "F91").add();
    item("V901", kWheat, 1, 100, 60).add();                     // dealer with a centre: 17
    item("V901", kSeed, 1, 100, 60).add();                      // article of the V set: own centre
    item("V901", kWheat, 1, 100, 60).set("dealer", "06").add(); // dealer without a centre
    auto line = [](const char* ucet, Side side, double amount, const char* centre, const char* v343,
                   const Article& a) {
        double md8 = side == Md && std::string(ucet) == "311.100" ? amount : 0;
        double dal8 = side == Dal && std::string(v343) == "15" ? amount : 0;
        return Line{"V901", "FV", ucet, side, amount, centre, v343, "F91", a, kDueDate, "", "", md8, dal8};
    };

    PostingSession& s = postVN({"V901"});

    // Under UNI the revenue line's VAT code is the item's rate itself.
    ExpectLines(AllRows(s.workingLines()),
                {
                    line("311.100", Md, 100, "08", "", kWheat),
                    line("604.108", Dal, 100, "17", "15", kWheat),
                    line("311.100", Md, 100, "08", "", kSeed),
                    line("604.015", Dal, 100, "08", "15", kSeed),
                    line("311.100", Md, 100, "08", "", kWheat),
                    line("604.108", Dal, 100, "08", "15", kWheat),
                    line("132.43", Dal, 60, "08", "", kWheat),
                    line("504.43", Md, 60, "17", "", kWheat),
                    line("132.443", Dal, 60, "08", "", kSeed),
                    line("504.43", Md, 60, "08", "", kSeed),
                    line("132.43", Dal, 60, "08", "", kWheat),
                    line("504.43", Md, 60, "08", "", kWheat),
                });
}

} // namespace

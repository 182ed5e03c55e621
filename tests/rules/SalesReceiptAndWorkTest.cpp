// Sales deliveries paid by cash receipt, work charged from production calculations, the summary
// customer line of sou311321, and a whole VN post committed to the journal.
#include <gtest/gtest.h>

#include "core/Period.h"
#include "core/Tabs.h"
#include "core/Values.h"
#include "support/SalesFixtures.h"

using namespace kex;
using namespace kex::test;

namespace {

class SalesReceiptTest : public SalesRulesFixture {};
class SalesWorkTest : public SalesRulesFixture {};

TEST_F(SalesReceiptTest, ReceiptPostsItsLinesUnlessTheTargetIsSBK)
{
    delivery("V301", "", "U8")
        .set("zaokrouhle", -0.39)
        .set("dobropiskf", "D77")
        .set("dobropis_k", "K1")
        .set("dan5", 14.99)
        .set("zaklad_5", 99.9)
        .set("dan23", 10.5)
        .set("zaklad_23", 50.0)
        .add();
    item("V301", kWheat, 3, 33.3, 20).add();
    item("V301", kSeed, 1, 50, 30).set("dan", 21).set("stredisko", "43").set("storzalohy", "Z9").add();
    // Receipt lines are dated by the delivery; the customer account is A311uc for the delivery's centre.
    auto line = [](const char* ucet, Side side, double amount, const char* centre, const char* v343,
                   const char* symbol, const Article& a, const char* zaklad = "", const char* pdoklad = "D77K1") {
        return Line{"V301", "VC", ucet, side, amount, centre, v343, symbol, a, kDeliveryDate, zaklad, pdoklad};
    };
    const std::vector<Line> stock = {
        line("132.43", Dal, 60, "08", "", "U8", kWheat, "", ""),
        line("504.43", Md, 60, "08", "", "U8", kWheat, "", ""),
        line("132.443", Dal, 30, "07", "", "U8", kSeed, "", ""),
        line("504.43", Md, 30, "07", "", "U8", kSeed, "", ""),
    };
    struct Case {
        const char* typUcto;
        const char* sou311321;
        std::vector<Line> lines;
    } cases[] = {
        {"Helios",
         "N",
         {// The rounding pair on the last item, at the first item's centre, without references.
          line("311.43", Md, -0.39, "08", "", "U8", kSeed, "", ""),
          line("548.100", Dal, -0.39, "08", "", "U8", kSeed, "", ""),
          line("311.43", Md, 99.9, "08", "", "U8", kWheat),
          line("604.108", Dal, 99.9, "08", "10", "U8", kWheat),
          line("311.43", Md, 50, "07", "", "U8", kSeed),
          // The price list's rate template takes the item's rate, as on an invoice.
          line("604.021", Dal, 50, "07", "20", "Z9", kSeed),
          // VAT at the first item's centre, with a VAT code only for Horry.
          line("311.43", Md, 14.99, "08", "", "U8", kWheat),
          line("343.110", Dal, 14.99, "08", "", "U8", kWheat, "15/99.9"),
          line("311.43", Md, 10.5, "08", "", "U8", kWheat),
          line("343.120", Dal, 10.5, "08", "", "U8", kWheat, "21/50"), stock[0], stock[1], stock[2], stock[3]}},
        {"Helios",
         "A",
         {line("548.100", Dal, -0.39, "08", "", "U8", kSeed, "", ""),
          line("604.108", Dal, 99.9, "08", "10", "U8", kWheat),
          line("604.021", Dal, 50, "07", "20", "Z9", kSeed),
          line("343.110", Dal, 14.99, "08", "", "U8", kWheat, "15/99.9"),
          line("343.120", Dal, 10.5, "08", "", "U8", kWheat, "21/50"),
          // One customer line for the whole receipt.
          line("311.43", Md, 175, "08", "", "U8", kWheat), stock[0], stock[1], stock[2], stock[3]}},
        // Only marked as posted: the stock side still follows.
        {"SBK", "N", stock},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.typUcto) + ", sou311321 " + c.sou311321);
        setting("TypUcto", c.typUcto);
        setting("sou311321", c.sou311321);
        PostingSession& s = postVN({"V301"});
        ExpectLines(AllRows(s.workingLines()), c.lines);
        EXPECT_TRUE(s.workingRecords().empty());
        EXPECT_EQ(s.state().PostedIdsFA, std::to_string(idOf("V301")));
        EXPECT_EQ(s.state().PostedIdsVN, std::to_string(idOf("V301")));
        s.returnToIdle();
    }
}

TEST_F(SalesReceiptTest, BlankReceiptNumberLeavesTheDeliveryToItsInvoice)
{
    invoice("F30").add();
    delivery("V302", "F30", " ").add();
    item("V302", kWheat, 1, 100, 0).add();

    PostingSession& s = postVN({"V302"});

    ExpectLines(AllRows(s.workingLines()),
                {
                    {"V302", "FV", "311.100", Md, 100, "08", "", "F30", kWheat, kDueDate, "", "", 100, 0},
                    {"V302", "FV", "604.108", Dal, 100, "08", "10", "F30", kWheat, kDueDate, "", "", 0, 100},
                });
    EXPECT_EQ(s.workingRecords().size(), 1u);
}

TEST_F(SalesWorkTest, WorkOfTheProducingCalculationIsChargedForTheShareSold)
{
    setting("PraceZKalkulaceNaVN", "A");
    calculation("K1", "L60", 60, 100, {{&kPacking, 4}, {&kDrying, 2}});
    calculation("K9", "L60", 60, 50, {{&kPacking, 40}}); // a later calculation of the same lot: not used
    calculation("K2", "L59", 59, 100, {{&kPacking, 4}}); // splits below 60 are not produced
    calculation("K3", "L61", 61, 0, {{&kPacking, 4}});   // produced nothing: no price per unit
    invoice("F11").add();
    delivery("V111", "F11").add();
    item("V111", kWheat, 50, 30, 20).set("partiecela", "L60").set("lomeni", 60).add();
    item("V111", kWheat, 10, 12.345, 0).set("partiecela", "L59").set("lomeni", 59).add();
    item("V111", kWheat, 10, 10, 0).set("partiecela", "L61").set("lomeni", 61).add();
    auto work = [](const char* ucet, Side side, double amount, const char* v343, const Article& a) {
        return Line{"V111", "FV", ucet, side, amount, "08", v343, "F11", a, kDeliveryDate};
    };
    auto goods = [](const char* ucet, Side side, double amount, const char* v343, double foreign) {
        return Line{"V111", "FV", ucet, side, amount, "08", v343, "F11", kWheat, kDueDate, "", "",
                    side == Md ? foreign : 0, side == Dal ? foreign : 0};
    };

    PostingSession& s = postVN({"V111"});

    ExpectLines(AllRows(s.workingLines()),
                {
                    // Half of what was produced was sold: half of each work row, unrounded.
                    work("311.100", Md, 500, "", kPacking),
                    work("602.43", Dal, 500, "10", kPacking),
                    work("311.100", Md, 0.125, "", kDrying),
                    work("602.108", Dal, 0.125, "10", kDrying),
                    // The goods net of the work: 1500 - 500.125.
                    goods("311.100", Md, 999.875, "", 1500),
                    goods("604.108", Dal, 999.875, "10", 1500),
                    goods("311.100", Md, 123.45, "", 123.45),
                    goods("604.108", Dal, 123.45, "10", 123.45),
                    goods("311.100", Md, 100, "", 100),
                    goods("604.108", Dal, 100, "10", 100),
                    goods("132.43", Dal, 1000, "", 0),
                    goods("504.43", Md, 1000, "", 0),
                });
}

TEST_F(SalesWorkTest, Sou311321SumsRoundingWorkItemsAndVatIntoOneCustomerLine)
{
    setting("sou311321", "A");
    setting("PraceZKalkulaceNaVN", "A");
    calculation("K1", "L60", 60, 100, {{&kPacking, 4}});
    invoice("F12").set("halere", 0.3).add();
    delivery("V121", "F12").set("mena", "EUR").set("kurz", 25.0).set("dan5", 255.0).set("zaklad_5", 1700.0).add();
    item("V121", kWheat, 50, 30, 20).set("pc8", 1.2).set("partiecela", "L60").set("lomeni", 60).add();
    item("V121", kSeed, 2, 100, 50).set("pc8", 4.0).add();

    PostingSession& s = postVN({"V121"});

    ExpectLines(AllRows(s.workingLines()),
                {
                    {"V121", "FV", "548.100", Dal, 0.3, "07", "", "F12", kSeed, kDueDate},
                    {"V121", "FV", "602.43", Dal, 500, "08", "10", "F12", kPacking, kDeliveryDate},
                    {"V121", "FV", "604.108", Dal, 1000, "08", "10", "F12", kWheat, kDueDate, "", "", 0, 60},
                    {"V121", "FV", "604.015", Dal, 200, "08", "10", "F12", kSeed, kDueDate, "", "", 0, 8},
                    {"V121", "FV", "343.110", Dal, 255, "08", "", "F12", kWheat, kDueDate, "15/1700"},
                    // 0.3 + 500 + 1000 + 200 + 255; in euros 60 + 8 + 255 / 25.
                    {"V121", "FV", "311.100", Md, 1955.3, "08", "", "F12", kWheat, kDueDate, "", "", 78.2, 0},
                    {"V121", "FV", "132.43", Dal, 1000, "08", "", "F12", kWheat, kDueDate},
                    {"V121", "FV", "504.43", Md, 1000, "08", "", "F12", kWheat, kDueDate},
                    {"V121", "FV", "132.443", Dal, 100, "08", "", "F12", kSeed, kDueDate},
                    {"V121", "FV", "504.43", Md, 100, "08", "", "F12", kSeed, kDueDate},
                });
}

TEST_F(SalesWorkTest, InvoiceWithoutExchangeRateHasNoForeignAmountOfItsVat)
{
    setting("sou311321", "A");
    invoice("F13").add();
    delivery("V131", "F13").set("mena", "").set("kurz", 0.0).set("dan5", 15.0).set("zaklad_5", 100.0).add();
    item("V131", kWheat, 1, 100, 0).set("pc8", 4.0).add();

    PostingSession& s = postVN({"V131"});

    ExpectLines(AllRows(s.workingLines()),
                {
                    {"V131", "FV", "604.108", Dal, 100, "08", "10", "F13", kWheat, kDueDate, "", "", 0, 4},
                    {"V131", "FV", "343.110", Dal, 15, "08", "", "F13", kWheat, kDueDate, "15/100"},
                    {"V131", "FV", "311.100", Md, 115, "08", "", "F13", kWheat, kDueDate, "", "", 4, 0},
                });
}

TEST_F(SalesWorkTest, PostedDeliveriesCommitBalancedAndStamped)
{
    setting("VZdoSalda", "A");
    setting("VZnaFAotocitMD-DAL", "A");
    setting("PraceZKalkulaceNaVN", "A");
    calculation("K1", "L60", 60, 100, {{&kPacking, 4}, {&kDrying, 2}});
    // An invoice over two deliveries with a rounding difference and VAT at both rates.
    invoice("F1").set("halere", -0.4).set("zaok", 2359.6).add();
    delivery("V101", "F1").set("dan5", 150.0).set("zaklad_5", 1000.0).add();
    item("V101", kWheat, 10, 100, 80).add();
    delivery("V102", "F1").set("dan23", 210.0).set("zaklad_23", 1000.0).add();
    item("V102", kSeed, 5, 200, 150).set("dan", 21).add();
    // An advance recorded without lines, and the invoice deducting it with work charged.
    invoice("Z1", "VZ").set("zaok", 575.0).add();
    delivery("V103", "Z1").add();
    item("V103", kWheat, 1, 500, 0).add();
    invoice("F2").add();
    delivery("V104", "F2").set("dan5", 75.0).set("zaklad_5", 500.0).add();
    item("V104", kWheat, 50, 30, 20).set("partiecela", "L60").set("lomeni", 60).add();
    item("V104", kWheat, -1, 1000, 0).set("storzalohy", "Z1").add();
    // A receipt, and a delivery whose lot waits for its price.
    delivery("V105", "", "U8").set("zaokrouhle", -0.39).set("dan5", 14.99).set("zaklad_5", 99.9).add();
    item("V105", kWheat, 3, 33.3, 20).add();
    invoice("F3").add();
    delivery("V106", "F3").add();
    item("V106", kWheat, 1, 100, 0).set("partie", "123456789").add();

    PostingSession& s = ws->posting();
    s.open(ValidatePeriod("04", "2013", "", false));
    s.selectAll(Tab::VN);
    TabPostResult posted = s.post(Tab::VN);
    const long long lines = posted.lines;
    EXPECT_EQ(posted.md, posted.dal);

    CommitResult c = s.commit();
    EXPECT_EQ(c.md, c.dal);
    // F1 3909.6, F2 with its work and deduction 3575, the receipt 174.5, F3 100.
    EXPECT_EQ(RoundTo(2, c.md), 7759.1);
    db::Row info = db.sql().query("select * from kexinfo")[0];
    EXPECT_EQ(info.asFloat("md"), info.asFloat("dal"));
    EXPECT_EQ(db.sql().query("select count(*) n from kexcto")[0].asInt("n"), lines);
    EXPECT_EQ(db.sql().query("select count(*) n from kexctof")[0].asInt("n"), 4);
    const std::string stamp = info.text("datum");
    for (const char* number : {"V101", "V102", "V103", "V104", "V105", "V106"}) {
        db::Row vn = db.sql().query(std::string("select * from vn where cislodokla = '") + number + "'")[0];
        EXPECT_EQ(vn.text("datumkexcf"), stamp) << number;
        // The delivery with the unpriced lot keeps its stock side open.
        EXPECT_EQ(vn.text("datumkexct") == stamp, std::string(number) != "V106") << number;
    }
}

} // namespace

// Purchases from growers and their supplier invoices, posted through a real posting session:
// each test arranges a few receipts, posts the PV tab for April 2006 and compares the working
// tables with a table of the lines and records the accountant expects.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "core/Tabs.h"
#include "support/LineTable.h"
#include "support/RulesFixture.h"

using namespace kex;
using test::Cells;
using test::Columns;
using test::Dal;
using test::Md;
using test::RecordMatches;
using test::Side;

namespace {

// ---- What the tables are written in -------------------------------------------------------------


// An article as the items carry it; its name is the text of the item's lines.
struct Article {
    const char* nomenkla;
    const char* name;
    const char* analucet1; // stock account in the price list
};

const Article kOats{"OVES", "Oves nahý", "132.XXX"};
const Article kWheat{"PSE", "Pšenice potravinářská", "112.0XX99"}; // longer than an account
const Article kBarley{"JEC", "Ječmen jarní 'Bojos'", "131.1YY"};
const Article kMaize{"KUK", "Kukuřice", "132.XXX"};
const Article kRape{"REP", "Řepka ozimá", "132.XXX"};
const Article kSoy{"SOJ", "Sója", "132.XXX"};
const Article kFertiliser{"HNO", "Hnojivo NPK", "132.XXX"};
const Article kSeed{"OSI", "Osivo jetele", "132.XXX"};

// The grower every receipt of these fixtures comes from.
const char* const kGrowerIco = "12345678";
const char* const kGrowerName = "Zemědělské družstvo Úvaly";
const char* const kGrowerCode = "ZDU";
const char* const kGrowerNumber = "G017"; // mkodpar
const char* const kDealer = "D1";
const char* const kReceiptDate = "2006-04-12";

// One expected journal line: the columns in which the lines of one posting differ.
struct Line {
    std::string ucet;
    Side side;
    double amount;
    std::string stredisko, v343, symbol, doklad;
    Article item;
    std::string zaklad = "";
    std::string ico = kGrowerIco;
};

// The columns every line of one table shares.
struct Shared {
    std::string denik, datzdp, datspl;
};

// ---- Comparison with a readable diff ------------------------------------------------------------

const Cells kLineColumns = {"ucet", "md", "dal", "stredisko", "v343", "symbol", "doklad", "denik", "nomenkla",
                            "text", "zaklad", "datzdp", "datspl", "ico", "nazevpodni", "kodpar", "dealer",
                            "pestitel", "mesic", "rok"};

Cells cellsOf(const Line& l, const Shared& s)
{
    const std::string md = test::ExactNumberText(l.side == Md ? l.amount : 0);
    const std::string dal = test::ExactNumberText(l.side == Dal ? l.amount : 0);
    return {l.ucet,      md,       dal,      l.stredisko, l.v343, l.symbol,    l.doklad,    s.denik, l.item.nomenkla,
            l.item.name, l.zaklad, s.datzdp, s.datspl,    l.ico,  kGrowerName, kGrowerCode, kDealer, kGrowerNumber,
            "04",        "2006"};
}

// The working journal lines in writing order against the table.
::testing::AssertionResult linesMatch(const db::Result& actual, const Shared& shared, const std::vector<Line>& expected)
{
    std::vector<Cells> want, got;
    for (const auto& l : expected) want.push_back(cellsOf(l, shared));
    for (db::Row r : actual) got.push_back(test::RowCells(r, kLineColumns));
    return test::LinesMatch(kLineColumns, want, got);
}

// The record of one invoice; the working table keeps no order of its own.
db::Row recordOf(const db::Result& records, const std::string& invoice)
{
    for (db::Row r : records)
        if (r.text("doklad") == invoice) return r;
    ADD_FAILURE() << "no open-item record of invoice " << invoice;
    return records[0];
}

// ---- The fixture ---------------------------------------------------------------------------------

class PurchaseRulesTest : public test::RulesFixture {
protected:
    PurchaseRulesTest() : RulesFixture("04", "2006") {}

    void SetUp() override
    {
        RulesFixture::SetUp();
        if (IsSkipped()) return;
        fx->centre("20", "02");
        for (const Article* a : {&kOats, &kWheat, &kBarley, &kMaize, &kRape, &kSoy, &kFertiliser, &kSeed})
            fx->article(a->nomenkla, a->analucet1).set("nazevosiva", a->name).add();
    }

    // A receipt of the grower at centre 43, dated in the period.
    test::RowBuilder receipt(const std::string& number, const std::string& invoice = "")
    {
        return std::move(fx->receipt(number, kReceiptDate, "43")
                             .set("dp", invoice.empty() ? "1" : "0")
                             .set("cislofakt", invoice)
                             .set("dealer", kDealer)
                             .set("ico", kGrowerIco)
                             .set("nazevpodni", kGrowerName)
                             .set("kodpar", kGrowerCode)
                             .set("mkodpar", kGrowerNumber));
    }

    // An item of a receipt, stored at centre 44 unless the test says otherwise.
    test::RowBuilder item(const std::string& receiptNumber, const Article& a, double quantity, double price)
    {
        return std::move(fx->receiptItem(receiptNumber, a.nomenkla, quantity, price)
                             .set("nazevosiva", a.name)
                             .set("stredisko", "44"));
    }

    // The supplier's invoice header, due a month after the receipt.
    test::RowBuilder invoice(const std::string& number, const std::string& series = "VL")
    {
        return std::move(fx->invoice(number)
                             .set("rada", series)
                             .set("plneni", "2006-04-11")
                             .set("vystaveni", "2006-04-13")
                             .set("splatnost", "2006-05-12"));
    }

    // Opens April 2006, selects the receipts and posts the PV tab.
    PostingSession& postPV(const std::vector<std::string>& receipts)
    {
        openPeriod();
        return selectAndPost(Tab::PV, receipts);
    }

    // Receipt P10 with invoice F100: three items of centre 44 (reduced, standard and zero VAT rate,
    // one settling an advance), VAT at both rates and a negative rounding difference.
    void addInvoicedReceipt()
    {
        receipt("P10", "F100")
            .set("cisdododav", "DL10")
            .set("dan5", 61.75)
            .set("zaklad_5", 1234.5)
            .set("dan23", 19.0)
            .set("zaklad_23", 100.0)
            .add();
        item("P10", kWheat, 10, 123.45).set("dan", 5).add();
        item("P10", kFertiliser, 4, 25).set("dan", 19).set("storzalohy", "Z55").add();
        item("P10", kSeed, 1, 20).set("dan", 0).add();
        invoice("F100")
            .set("zaok", 1435.0)
            .set("halere", -0.25)
            .set("ico", kGrowerIco)
            .set("kodzak", "ZDU-K")
            .set("dico", "CZ12345678")
            .set("odb1", kGrowerName)
            .set("odb2", "Úvaly")
            .set("odb3", "Polní 7")
            .set("odbpsc", "25082")
            .set("odb4", "Úvaly u Prahy")
            .set("suma_dphn", 61.7) // the header's own VAT figures, not the receipt's
            .set("suma_dphv", 19.0)
            .set("suma_z0", 20.0)
            .set("suma_zn", 1234.5)
            .set("suma_zv", 100.0)
            .add();
    }
};

// ---- Receipts without an invoice -----------------------------------------------------------------

TEST_F(PurchaseRulesTest, ReceiptWithoutInvoicePairsStockAndAcquisitionPerItem)
{
    receipt("P1").set("cisdododav", "DL1").add();
    item("P1", kOats, 20, 4.5).set("partiecela", "OV-2006-1").add();
    fx->stockCard("OV-2006-1", 0, "44").set("vlast_vyro", "A").add();
    item("P1", kWheat, 1, 1.005).add();
    item("P1", kBarley, 1, 0.505).set("stredisko", "43").add();
    item("P1", kMaize, 0, 5).add();
    item("P1", kRape, -1, 0.505).add();
    item("P1", kSoy, 125, 9876.54321).add();

    PostingSession& s = postPV({"P1"});

    const std::vector<Line> expected = {
        // ucet     side  amount      centre v343 symbol doklad item
        // Own production: the stock card's flag picks both accounts, as stored.
        {"123.100", Md, 90, "08", "", "DL1", "P1", kOats},
        {"613.100", Dal, 90, "08", "", "DL1", "P1", kOats},
        // The price list's account cut to 7 and expanded for the item's centre; stock in 11x pairs
        // with A111 of the receipt's centre. 1.005 rounds down: its double lies below the half.
        {"112.044", Md, 1, "08", "", "DL1", "P1", kWheat},
        {"111.43", Dal, 1, "08", "", "DL1", "P1", kWheat},
        // A structure template takes the item centre's structure; anything else pairs with A131.
        {"131.107", Md, 0.51, "07", "", "DL1", "P1", kBarley},
        {"131.43", Dal, 0.51, "07", "", "DL1", "P1", kBarley},
        // Nothing delivered: both lines are still written.
        {"132.44", Md, 0, "08", "", "DL1", "P1", kMaize},
        {"131.43", Dal, 0, "08", "", "DL1", "P1", kMaize},
        // A return keeps its sides with negative amounts; the half rounds away from zero.
        {"132.44", Md, -0.51, "08", "", "DL1", "P1", kRape},
        {"131.43", Dal, -0.51, "08", "", "DL1", "P1", kRape},
        // Seven integer digits reach the row exactly.
        {"132.44", Md, 1234567.9, "08", "", "DL1", "P1", kSoy},
        {"131.43", Dal, 1234567.9, "08", "", "DL1", "P1", kSoy},
    };
    EXPECT_TRUE(linesMatch(s.workingLines(), {"PV", kReceiptDate, kReceiptDate}, expected));
    EXPECT_TRUE(s.workingRecords().empty());
}

TEST_F(PurchaseRulesTest, WithTrzbaVNdefiStockGoesToA132OfTheItemCentreExceptOwnProduction)
{
    setting("TrzbaVNdefi", "A");
    receipt("P2").add();
    item("P2", kOats, 2, 10).set("partiecela", "OV-2006-2").add();
    fx->stockCard("OV-2006-2", 0, "44").set("vlast_vyro", "A").add();
    item("P2", kWheat, 3, 10).add();

    PostingSession& s = postPV({"P2"});

    const std::vector<Line> expected = {
        {"123.100", Md, 20, "08", "", "", "P2", kOats},
        {"613.100", Dal, 20, "08", "", "", "P2", kOats},
        // The price list's 11x account is not used, so the pair is A131, not A111.
        {"132.44", Md, 30, "08", "", "", "P2", kWheat},
        {"131.43", Dal, 30, "08", "", "", "P2", kWheat},
    };
    EXPECT_TRUE(linesMatch(s.workingLines(), {"PV", kReceiptDate, kReceiptDate}, expected));
}

TEST_F(PurchaseRulesTest, ReceiptFromAnotherCentreCreditsItsOwnAccountOrA395pv5OfTheDeliveringCentre)
{
    setting("A395pv5", "395.0YY");
    // P5 comes from centre 20; P6 from centre 99, which has no structure.
    receipt("P5").set("dp", "5").set("ico", "20").add();
    item("P5", kWheat, 2, 50).set("stredisko", "43").set("analucet2", "395.1234").add();
    item("P5", kOats, 1, 8).set("stredisko", "43").set("partiecela", "OV-2006-5").add();
    fx->stockCard("OV-2006-5", 0, "43").set("vlast_vyro", "A").add();
    receipt("P6").set("dp", "5").set("ico", "99").add();
    item("P6", kMaize, 4, 2.5).set("stredisko", "43").add();

    PostingSession& s = postPV({"P5", "P6"});

    const std::vector<Line> expected = {
        // ucet     side  amount centre v343 symbol doklad item   zaklad ico
        // The item's own account, cut to 7; the line names the delivering centre.
        {"112.043", Md, 100, "07", "", "", "P5", kWheat, "", "20"},
        {"395.123", Dal, 100, "02", "", "", "P5", kWheat, "", "20"},
        // Own production of another centre is still a transfer, never A613; the next
        // item's stock line is back at its own centre.
        {"123.100", Md, 8, "07", "", "", "P5", kOats, "", "20"},
        {"395.002", Dal, 8, "02", "", "", "P5", kOats, "", "20"},
        // Unknown delivering centre: the item centre's structure stays.
        {"132.43", Md, 10, "07", "", "", "P6", kMaize, "", "99"},
        {"395.007", Dal, 10, "07", "", "", "P6", kMaize, "", "99"},
    };
    EXPECT_TRUE(linesMatch(s.workingLines(), {"PV", kReceiptDate, kReceiptDate}, expected));
}

TEST_F(PurchaseRulesTest, ItemsBelongToTheirReceiptAsTheServerComparesNumbers)
{
    // Item rows carried over from older data keep trailing blanks or another letter case in the
    // receipt number; the database still counts them as the receipt's items.
    receipt("P80").add();
    fx->receiptItem("P80 ", kMaize.nomenkla, 2, 5).set("nazevosiva", kMaize.name).set("stredisko", "44").add();
    fx->receiptItem("p80", kRape.nomenkla, 1, 3).set("nazevosiva", kRape.name).set("stredisko", "44").add();

    PostingSession& s = postPV({"P80"});

    const std::vector<Line> expected = {
        {"132.44", Md, 10, "08", "", "", "P80", kMaize},
        {"131.43", Dal, 10, "08", "", "", "P80", kMaize},
        {"132.44", Md, 3, "08", "", "", "P80", kRape},
        {"131.43", Dal, 3, "08", "", "", "P80", kRape},
    };
    EXPECT_TRUE(linesMatch(s.workingLines(), {"PV", kReceiptDate, kReceiptDate}, expected));
}

// ---- Receipts with an invoice --------------------------------------------------------------------

TEST_F(PurchaseRulesTest, InvoicedReceiptPostsRecordRoundingSupplierStockAndVatLines)
{
    setting("U321zADR", "A");
    addInvoicedReceipt();
    fx->partner(kGrowerIco)
        .set("banka", "KB")
        .set("zvla_dispo", "0100")
        .set("bank_ucet", "123-456789/0100")
        .set("analucet2", "321.555")
        .add();

    PostingSession& s = postPV({"P10"});

    // The invoice's series is the journal code, its due date the lines' due date; every line
    // names the first item's structure (centre 44) while accounts expand for the receipt's centre.
    const std::vector<Line> expected = {
        // ucet     side  amount   centre v343  symbol  doklad item    zaklad
        // Rounding difference, naming the last item.
        {"321.555", Dal, -0.25, "08", "", "F100", "P10", kSeed},
        {"548.200", Md, -0.25, "08", "", "F100", "P10", kSeed},
        // Supplier and stock per item; the advance number is the stock line's symbol only.
        {"321.555", Dal, 1234.5, "08", "", "F100", "P10", kWheat},
        {"112.043", Md, 1234.5, "08", "11", "F100", "P10", kWheat},
        {"321.555", Dal, 100, "08", "", "F100", "P10", kFertiliser},
        {"132.43", Md, 100, "08", "21", "Z55", "P10", kFertiliser},
        // A rate that is neither of the year's rates takes the standard code.
        {"321.555", Dal, 20, "08", "", "F100", "P10", kSeed},
        {"132.43", Md, 20, "08", "21", "F100", "P10", kSeed},
        // The receipt's VAT per rate, naming the first item.
        {"321.555", Dal, 61.75, "08", "", "F100", "P10", kWheat},
        {"343.210", Md, 61.75, "08", "", "F100", "P10", kWheat, "5/1234.5"},
        {"321.555", Dal, 19, "08", "", "F100", "P10", kWheat},
        {"343.220", Md, 19, "08", "", "F100", "P10", kWheat, "19/100"},
    };
    EXPECT_TRUE(linesMatch(s.workingLines(), {"VL", kReceiptDate, "2006-05-12"}, expected));

    db::Result records = s.workingRecords();
    ASSERT_EQ(records.size(), 1u);
    const Columns expectedRecord = {
        {"mesic", "04"},
        {"rok", "2006"},
        {"doklad", "F100"},
        {"pdoklad", ""},
        {"denik", "VL"},
        {"ucet", "321.555"},
        {"v343", ""},
        {"stredisko", "08"},
        {"symbol", "F100"},
        {"castka", "1435"},
        {"rozdil", "-0.25"},
        {"ico", kGrowerIco},
        {"kodpar", "ZDU-K"},
        {"dic", "CZ12345678"},
        {"nazevpodni", kGrowerName},
        {"sidlo", "Úvaly"},
        {"ulicecislo", "Polní 7"},
        {"psc", "25082"},
        {"posta", "Úvaly u Prahy"},
        {"text", kWheat.name},
        {"datzdp", "2006-04-11"},
        {"datvyst", "2006-04-13"},
        {"datspl", "2006-05-12"},
        {"dan5", "61.7"},
        {"dan23", "19"},
        {"zakl0", "20"},
        {"zakl5", "1234.5"},
        {"zakl23", "100"},
        {"dealer", kDealer},
        {"banka", "KB"},
        {"zvla_dispo", "0100"},
        {"bank_ucet", "123-456789/0100"},
    };
    EXPECT_TRUE(RecordMatches(records[0], expectedRecord));
}

TEST_F(PurchaseRulesTest, WithSou311321TheSupplierAmountsBecomeOneLastLineUnlessTheySumToZero)
{
    setting("sou311321", "A");
    addInvoicedReceipt();
    // P11's invoice has nothing to pay: no supplier line at all.
    receipt("P11", "F101").add();
    item("P11", kMaize, 0, 7).add();
    invoice("F101").add();

    PostingSession& s = postPV({"P10", "P11"});

    const std::vector<Line> expected = {
        // ucet     side  amount  centre v343  symbol  doklad item    zaklad
        {"548.200", Md, -0.25, "08", "", "F100", "P10", kSeed},
        {"112.043", Md, 1234.5, "08", "11", "F100", "P10", kWheat},
        {"132.43", Md, 100, "08", "21", "Z55", "P10", kFertiliser},
        {"132.43", Md, 20, "08", "21", "F100", "P10", kSeed},
        {"343.210", Md, 61.75, "08", "", "F100", "P10", kWheat, "5/1234.5"},
        {"343.220", Md, 19, "08", "", "F100", "P10", kWheat, "19/100"},
        // Rounding, items and VAT: -0.25 + 1234.5 + 100 + 20 + 61.75 + 19.
        {"321.100", Dal, 1435, "08", "", "F100", "P10", kWheat},
        {"132.43", Md, 0, "08", "21", "F101", "P11", kMaize},
    };
    EXPECT_TRUE(linesMatch(s.workingLines(), {"VL", kReceiptDate, "2006-05-12"}, expected));
    EXPECT_EQ(s.workingRecords().size(), 2u);
}

TEST_F(PurchaseRulesTest, AbraNumbersLinesByInvoiceAndDeliveryNoteWhenTheReceiptHasOne)
{
    setting("TypUcto", "Abra");
    receipt("P40", "F140").set("cisdododav", "DL40").add();
    item("P40", kFertiliser, 4, 25).set("dan", 19).set("storzalohy", "Z55").add();
    invoice("F140").add();
    receipt("P41", "F141").add();
    item("P41", kSeed, 1, 20).set("dan", 5).add();
    invoice("F141").add();

    PostingSession& s = postPV({"P40", "P41"});

    const std::vector<Line> expected = {
        // ucet     side  amount centre v343  symbol  doklad item
        {"321.100", Dal, 100, "08", "", "DL40", "F140", kFertiliser},
        {"132.43", Md, 100, "08", "21", "Z55", "F140", kFertiliser},
        // Without a delivery note the usual numbers stay.
        {"321.100", Dal, 20, "08", "", "F141", "P41", kSeed},
        {"132.43", Md, 20, "08", "11", "F141", "P41", kSeed},
    };
    EXPECT_TRUE(linesMatch(s.workingLines(), {"VL", kReceiptDate, "2006-05-12"}, expected));
    db::Result records = s.workingRecords();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_TRUE(RecordMatches(recordOf(records, "F140"), {{"symbol", "DL40"}}));
    EXPECT_TRUE(RecordMatches(recordOf(records, "F141"), {{"symbol", "F141"}}));
}

TEST_F(PurchaseRulesTest, PremierPassesEveryItemThroughTheAcquisitionAccount)
{
    setting("TypUcto", "Premier");
    receipt("P50", "F150").set("cisdododav", "DL50").add();
    item("P50", kFertiliser, 4, 25).set("dan", 19).set("storzalohy", "Z55").add();
    item("P50", kSeed, 1, 20).set("dan", 5).add();
    invoice("F150").add();

    PostingSession& s = postPV({"P50"});

    const std::vector<Line> expected = {
        // ucet     side  amount centre v343  symbol  doklad item
        {"321.100", Dal, 100, "08", "", "F150", "P50", kFertiliser},
        {"131.43", Md, 100, "08", "21", "Z55", "P50", kFertiliser},
        {"131.43", Dal, 100, "08", "21", "Z55", "P50", kFertiliser},
        {"132.43", Md, 100, "08", "21", "Z55", "P50", kFertiliser},
        {"321.100", Dal, 20, "08", "", "F150", "P50", kSeed},
        {"131.43", Md, 20, "08", "11", "F150", "P50", kSeed},
        {"131.43", Dal, 20, "08", "11", "F150", "P50", kSeed},
        {"132.43", Md, 20, "08", "11", "F150", "P50", kSeed},
    };
    EXPECT_TRUE(linesMatch(s.workingLines(), {"VL", kReceiptDate, "2006-05-12"}, expected));
}

TEST_F(PurchaseRulesTest, MissingInvoiceHeaderAndPartnerGiveEmptyCodeZeroDatesAndTheDefaultSupplier)
{
    setting("U321zADR", "A"); // no partner row: the default supplier account still applies
    receipt("P30", "F999").set("dan5", 1.0).set("zaklad_5", 20.0).add();
    item("P30", kWheat, 1, 0.505).set("dan", 5).add();

    PostingSession& s = postPV({"P30"});

    const std::vector<Line> expected = {
        // ucet     side  amount centre v343  symbol  doklad item    zaklad
        // The item amount rounds its half away from zero, as on receipts without an invoice.
        {"321.100", Dal, 0.51, "08", "", "F999", "P30", kWheat},
        {"112.043", Md, 0.51, "08", "11", "F999", "P30", kWheat},
        {"321.100", Dal, 1, "08", "", "F999", "P30", kWheat},
        {"343.210", Md, 1, "08", "", "F999", "P30", kWheat, "5/20"},
    };
    EXPECT_TRUE(linesMatch(s.workingLines(), {"", kReceiptDate, "1899-12-30"}, expected));
    db::Result records = s.workingRecords();
    ASSERT_EQ(records.size(), 1u);
    const Columns expectedRecord = {
        {"doklad", "F999"},
        {"denik", ""},
        {"ucet", "321.100"},
        {"symbol", ""},
        {"castka", "0"},
        {"rozdil", "0"},
        {"ico", ""},
        {"nazevpodni", ""},
        {"text", kWheat.name},
        {"datzdp", "1899-12-30"},
        {"datvyst", "1899-12-30"},
        {"datspl", "1899-12-30"},
        {"dan5", "0"},
        {"zakl5", "0"},
        {"dealer", kDealer},
        {"banka", ""},
        {"bank_ucet", ""},
    };
    EXPECT_TRUE(RecordMatches(records[0], expectedRecord));
}

// ---- Key list, back button and commit ------------------------------------------------------------

TEST_F(PurchaseRulesTest, EveryPostedReceiptIsKeyedEvenWithoutItemsAndBackRemovesWhatThePostWrote)
{
    long long bare = receipt("P60").add();
    long long invoiced = receipt("P61", "F161").add();
    invoice("F161").add();
    receipt("P62").add();
    item("P62", kMaize, 1, 1).add();

    PostingSession& s = postPV({"P61", "P60"});

    EXPECT_EQ(s.state().PostedIdsPV, std::to_string(bare) + "," + std::to_string(invoiced));
    EXPECT_TRUE(s.workingLines().empty());
    ASSERT_EQ(s.workingRecords().size(), 1u); // the invoice record, under its own series "VL"

    s.back(Tab::PV);
    EXPECT_EQ(s.state().PostedIdsPV, "");
    EXPECT_TRUE(s.workingRecords().empty());
}

TEST_F(PurchaseRulesTest, CommitWritesTheJournalAndStampsOnlyThePostedReceipts)
{
    receipt("P70").add();
    item("P70", kMaize, 10, 12.5).add();
    receipt("P71", "F171").set("dan5", 50.0).set("zaklad_5", 1000.0).add();
    item("P71", kWheat, 8, 125).set("dan", 5).add();
    invoice("F171", "PV").set("zaok", 1050.5).set("halere", 0.5).add();
    receipt("P72", "F172").add();
    item("P72", kSeed, 1, 20).set("dan", 5).add();
    invoice("F172", "FP").set("zaok", 20.0).add();
    receipt("P73").add();
    item("P73", kMaize, 1, 1).add();

    PostingSession& s = postPV({"P70", "P71", "P72"});
    const long long workingLines = static_cast<long long>(s.workingLines().size());
    CommitResult result = s.commit();

    EXPECT_EQ(result.number, 1);
    EXPECT_EQ(result.file, "D00001");
    EXPECT_NE(std::find(prompter.shown.begin(), prompter.shown.end(), "Zaúčtování hotovo."), prompter.shown.end());

    db::Connection& c = db.sql();
    db::Result info = c.query("select * from kexinfo");
    ASSERT_EQ(info.size(), 1u);
    const std::string stamp = info[0].text("datum");
    EXPECT_EQ(info[0].asInt("cislo"), 1);
    EXPECT_EQ(info[0].text("soubor"), "D00001");
    EXPECT_EQ(info[0].text("obdobi"), "04/2006");
    // 125 of P70; rounding 0.5, wheat 1000 and VAT 50 of P71; 20 of P72.
    EXPECT_EQ(info[0].asFloat("md"), 1195.5);
    EXPECT_EQ(info[0].asFloat("dal"), 1195.5);
    // Only records of journal code PV count as purchase invoices; none is a sales invoice.
    EXPECT_EQ(info[0].asFloat("vl"), 1050.5);
    EXPECT_EQ(info[0].asFloat("fa"), 0);

    db::Result journal = c.query("select count(*) n, sum(md) smd, sum(dal) sdal, min(cislo) lo, max(cislo) hi,"
                                 " count(distinct datum) stamps, max(datum) stamp from kexcto");
    EXPECT_EQ(journal[0].asInt("n"), workingLines);
    EXPECT_EQ(journal[0].asFloat("smd"), 1195.5);
    EXPECT_EQ(journal[0].asFloat("sdal"), 1195.5);
    EXPECT_EQ(journal[0].asInt("lo"), 1);
    EXPECT_EQ(journal[0].asInt("hi"), 1);
    EXPECT_EQ(journal[0].asInt("stamps"), 1);
    EXPECT_EQ(journal[0].text("stamp"), stamp);
    db::Result ledger = c.query("select denik, castka, cislo, datum from kexctof order by doklad");
    ASSERT_EQ(ledger.size(), 2u);
    EXPECT_EQ(ledger[0].text("denik"), "PV");
    EXPECT_EQ(ledger[0].asFloat("castka"), 1050.5);
    EXPECT_EQ(ledger[1].text("denik"), "FP");
    for (db::Row r : ledger) {
        EXPECT_EQ(r.asInt("cislo"), 1);
        EXPECT_EQ(r.text("datum"), stamp);
    }

    db::Result receipts = c.query("select cislodokla, datumkexct, mesic, rok from pv order by cislodokla");
    ASSERT_EQ(receipts.size(), 4u);
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(receipts[i].text("cislodokla"));
        EXPECT_EQ(receipts[i].text("datumkexct"), stamp);
        EXPECT_EQ(receipts[i].text("mesic"), "04");
        EXPECT_EQ(receipts[i].text("rok"), "2006");
    }
    // Listed but not selected: its session marker is gone again and it stays postable.
    EXPECT_EQ(receipts[3].text("cislodokla"), "P73");
    EXPECT_EQ(receipts[3].text("datumkexct"), "1900-01-01 00:00:00");
    EXPECT_EQ(receipts[3].text("mesic"), "");
    EXPECT_EQ(receipts[3].text("rok"), "");
}

} // namespace

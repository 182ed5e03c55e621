#include "support/SalesFixtures.h"

#include <algorithm>

#include "core/Period.h"
#include "core/Tabs.h"
#include "core/Values.h"

namespace kex::test {
namespace {

using Cells = std::vector<std::string>;

const Cells kColumns = {"doklad", "denik", "ucet", "md", "dal", "stredisko", "v343", "symbol", "nomenkla", "text",
                        "datspl", "zaklad", "pdoklad", "md8", "dal8", "datzdp", "ico", "nazevpodni", "kodpar",
                        "mesic", "rok"};

bool isAmount(const std::string& column)
{
    return column == "md" || column == "dal" || column == "md8" || column == "dal8";
}

bool isDate(const std::string& column) { return column == "datspl" || column == "datzdp"; }

// Amounts with every digit that tells two doubles apart, so equal texts are equal values.
std::string amountText(double value) { return ExactNumberText(value); }

Cells cellsOf(const Line& l, const std::string& datzdp)
{
    return {l.doklad, l.denik, l.ucet, amountText(l.side == Side::Md ? l.amount : 0),
            amountText(l.side == Side::Dal ? l.amount : 0), l.stredisko, l.v343, l.symbol, l.item.nomenkla,
            l.item.name, l.datspl, l.zaklad, l.pdoklad, amountText(l.md8), amountText(l.dal8), datzdp,
            kCustomerIco, kCustomerName, kCustomerCode, "04", "2013"};
}

Cells cellsOf(const db::Row& r)
{
    Cells c;
    for (const auto& column : kColumns) {
        if (isAmount(column))
            c.push_back(amountText(r.asFloat(column)));
        else if (isDate(column))
            c.push_back(DateYMD(r.asDate(column)));
        else
            c.push_back(r.text(column));
    }
    return c;
}

std::string padded(const std::string& text, int width)
{
    return text + std::string(static_cast<std::size_t>(std::max(0, width - TextLength(text))), ' ');
}

// Both tables row by row: "  " rows that agree, "- " expected, "+ " actual.
std::string tableDiff(const std::vector<Cells>& expected, const std::vector<Cells>& actual)
{
    std::vector<int> width(kColumns.size(), 0);
    auto measure = [&](const Cells& row) {
        for (std::size_t i = 0; i < row.size(); ++i) width[i] = std::max(width[i], TextLength(row[i]));
    };
    measure(kColumns);
    for (const auto& r : expected) measure(r);
    for (const auto& r : actual) measure(r);
    auto format = [&](const char* mark, const Cells& row) {
        std::string out = mark;
        for (std::size_t i = 0; i < row.size(); ++i) out += (i ? " | " : "") + padded(row[i], width[i]);
        return out + "\n";
    };
    std::string out = format("  ", kColumns);
    for (std::size_t i = 0; i < std::max(expected.size(), actual.size()); ++i) {
        if (i < expected.size() && i < actual.size() && expected[i] == actual[i]) {
            out += format("  ", expected[i]);
            continue;
        }
        if (i < expected.size()) out += format("- ", expected[i]);
        if (i < actual.size()) out += format("+ ", actual[i]);
    }
    return out;
}

// The work code under which the price list prices a work article.
const char* workCode(const Article& a) { return std::string(a.nomenkla) == kPacking.nomenkla ? "903" : "904"; }

} // namespace

std::vector<db::Row> AllRows(const db::Result& result)
{
    std::vector<db::Row> rows;
    for (db::Row r : result) rows.push_back(r);
    return rows;
}

std::vector<db::Row> RowsOf(const db::Result& result, const std::string& doklad)
{
    std::vector<db::Row> rows;
    for (db::Row r : result)
        if (r.text("doklad") == doklad) rows.push_back(r);
    return rows;
}

void ExpectLines(const std::vector<db::Row>& actual, const std::vector<Line>& expected, const std::string& datzdp)
{
    std::vector<Cells> want, got;
    for (const auto& l : expected) want.push_back(cellsOf(l, datzdp));
    for (const auto& r : actual) got.push_back(cellsOf(r));
    if (want != got) ADD_FAILURE() << "journal lines differ (- expected, + actual):\n" << tableDiff(want, got);
}

void SalesRulesFixture::SetUp()
{
    if (!db.available()) GTEST_SKIP() << db.reason();
    fx.emplace(db.sql());
    dir.writeIni(ProgramDir::iniFor(db));
    ws = std::make_unique<Workstation>(prompter, dir.program());
    ws->start();
    fx->centre("43", "07");
    fx->centre("44", "08");
    fx->partner(kCustomerIco).set("nazevpodni", kCustomerName).set("dealer", "05").set("banka", "KB").add();
    fx->article(kWheat.nomenkla, "132.XXX")
        .set("nazevosiva", kWheat.name)
        .set("analucet2", "604.1YY")
        .set("analucet3", "504.XXX")
        .add();
    fx->article(kSeed.nomenkla, "132.4XX99")
        .set("nazevosiva", kSeed.name)
        .set("analucet2", "604.0DD")
        .set("analucet3", "504.XXX")
        .add();
    fx->article(kPacking.nomenkla, "")
        .set("nazevosiva", kPacking.name)
        .set("prace", workCode(kPacking))
        .set("pc", 250.0)
        .set("analucet2", "602.XXX")
        .add();
    fx->article(kDrying.nomenkla, "")
        .set("nazevosiva", kDrying.name)
        .set("prace", workCode(kDrying))
        .set("pc", 0.125)
        .set("analucet2", "602.1YY")
        .add();
}

void SalesRulesFixture::setting(const std::string& key, const std::string& value)
{
    db.sql().execute("update keximpl set ucet=" + TextLiteral(value) + " where popis=" + TextLiteral(key));
}

RowBuilder SalesRulesFixture::delivery(const std::string& number, const std::string& invoice,
                                       const std::string& receipt)
{
    return std::move(fx->row("vn")
                         .set("cislodokla", number)
                         .set("cislofakt", invoice)
                         .set("uctenka", receipt)
                         .set("datumvn1", "2013-04-10")
                         .set("stredisko", "43")
                         .set("dealer", "05")
                         .set("ico", kCustomerIco)
                         .set("nazevpodni", kCustomerName)
                         .set("kodpar", kCustomerCode)
                         .set("znakdodav", "1")
                         .set("mena", "CZK")
                         .set("kurz", 1.0));
}

RowBuilder SalesRulesFixture::item(const std::string& delivery, const Article& a, double quantity, double pc, double nc)
{
    return std::move(fx->row("vnrad")
                         .set("cislodokla", delivery)
                         .set("nomenkla", a.nomenkla)
                         .set("nazevosiva", a.name)
                         .set("stredisko", "44")
                         .set("dealer", "05")
                         .set("partie", "PS1304")
                         .set("partiecela", "PS1304")
                         .set("hmotnostvn", quantity)
                         .set("pc", pc)
                         .set("pc8", pc)
                         .set("nc", nc)
                         .set("dan", 15));
}

RowBuilder SalesRulesFixture::invoice(const std::string& number, const std::string& series)
{
    return std::move(fx->invoice(number)
                         .set("rada", series)
                         .set("stredisko", "43")
                         .set("plneni", "2013-04-10")
                         .set("vystaveni", "2013-04-11")
                         .set("splatnost", "2013-04-25")
                         .set("ico", kCustomerIco)
                         .set("kodzak", kCustomerCode)
                         .set("odb1", kCustomerName));
}

void SalesRulesFixture::calculation(const std::string& number, const std::string& lot, int lomeni, double produced,
                                    const std::vector<std::pair<const Article*, double>>& work)
{
    fx->row("pv9")
        .set("cislodokla", number)
        .set("pohyb", "9")
        .set("partie", lot)
        .set("partiecela", lot)
        .set("lomeni", lomeni)
        .set("mnozstvi", produced)
        .add();
    for (const auto& [article, units] : work)
        fx->row("pv9")
            .set("cislodokla", number)
            .set("pohyb", "3")
            .set("partie", workCode(*article))
            .set("partiecela", workCode(*article))
            .set("mnozstvi", units)
            .add();
}

PostingSession& SalesRulesFixture::postVN(const std::vector<std::string>& deliveries)
{
    PostingSession& s = ws->posting();
    s.open(ValidatePeriod("04", "2013", "", false));
    EXPECT_EQ(s.selectByKeys(Tab::VN, deliveries), std::vector<std::string>{});
    s.post(Tab::VN);
    return s;
}

long long SalesRulesFixture::idOf(const std::string& delivery)
{
    return db.sql().query("select id from vn where cislodokla = " + TextLiteral(delivery))[0].asInt("id");
}

} // namespace kex::test

#include "support/SalesFixtures.h"

#include "core/Tabs.h"

namespace kex::test {
namespace {

const Cells kColumns = {"doklad", "denik",    "ucet", "md",         "dal",    "stredisko", "v343",
                        "symbol", "nomenkla", "text", "datspl",     "zaklad", "pdoklad",   "md8",
                        "dal8",   "datzdp",   "ico",  "nazevpodni", "kodpar", "mesic",     "rok"};

Cells cellsOf(const Line& l, const std::string& datzdp)
{
    return {l.doklad,
            l.denik,
            l.ucet,
            ExactNumberText(l.side == Side::Md ? l.amount : 0),
            ExactNumberText(l.side == Side::Dal ? l.amount : 0),
            l.stredisko,
            l.v343,
            l.symbol,
            l.item.nomenkla,
            l.item.name,
            l.datspl,
            l.zaklad,
            l.pdoklad,
            ExactNumberText(l.md8),
            ExactNumberText(l.dal8),
            datzdp,
            kCustomerIco,
            kCustomerName,
            kCustomerCode,
            "04",
            "2013"};
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
    for (const auto& r : actual) got.push_back(RowCells(r, kColumns, {"datspl", "datzdp"}));
    if (::testing::AssertionResult match = LinesMatch(kColumns, want, got); !match) ADD_FAILURE() << match.message();
}

void SalesRulesFixture::SetUp()
{
    RulesFixture::SetUp();
    if (IsSkipped()) return;
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
    // Movement 9 is what the calculation produced, movement 3 the work it consumed.
    auto row = [&](const char* pohyb, const std::string& partie, double mnozstvi) {
        return std::move(fx->row("pv9")
                             .set("cislodokla", number)
                             .set("pohyb", pohyb)
                             .set("partie", partie)
                             .set("partiecela", partie)
                             .set("mnozstvi", mnozstvi));
    };
    row("9", lot, produced).set("lomeni", lomeni).add();
    for (const auto& [article, units] : work) row("3", workCode(*article), units).add();
}

PostingSession& SalesRulesFixture::postVN(const std::vector<std::string>& deliveries)
{
    openPeriod();
    return selectAndPost(Tab::VN, deliveries);
}

} // namespace kex::test

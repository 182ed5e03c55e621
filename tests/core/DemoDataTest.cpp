#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "core/DemoData.h"
#include "core/Errors.h"
#include "support/TestDatabase.h"

using namespace kex;

namespace {

const char* const kTables[] = {"strtopc", "dealertopc", "adresar", "adresarbor", "cenik",    "skarta",   "pokl_typd",
                               "fakt",    "pv",         "pvrad",   "vn",         "vnrad",    "vu",       "vurad",
                               "pv9",     "vp",         "smesi",   "krsmesi",    "pokladna", "dopr_kexc"};

DemoDataOptions demo(int documents, unsigned seed = 1, int month = 4, int year = 2006)
{
    DemoDataOptions o;
    o.documents = documents;
    o.seed = seed;
    o.month = month;
    o.year = year;
    return o;
}

// The first row's column n of a counting query.
long long count(db::Connection& c, const std::string& sql) { return c.query(sql)[0].asInt("n"); }

std::map<std::string, std::string> checksums(db::Connection& c, const std::string& database)
{
    std::map<std::string, std::string> sums;
    for (const char* table : kTables) {
        db::Result r = c.query("CHECKSUM TABLE " + database + "." + table);
        sums[table] = r[0].text("Checksum");
    }
    return sums;
}

// Source documents (list headers) of every tab, counted as the posting lists count them.
const char* const kDocumentCount =
    "select (select count(*) from pv) + (select count(*) from vn) + (select count(*) from vu)"
    " + (select count(*) from pv9 where pohyb = '9')"
    " + (select count(*) from (select distinct cislodokla, pohyb from vp) t)"
    " + (select count(*) from smesi where smes = '1') + (select count(*) from krsmesi where smes = '1')"
    " + (select count(*) from pokladna where cislo = 1) + (select count(distinct faktura) from dopr_kexc) as n";

TEST(DemoData, SameSeedGivesTheSameTablesAnotherSeedOthers)
{
    test::TestDatabase first, second;
    if (!first.available()) GTEST_SKIP() << first.reason();
    GenerateDemoData(first.sql(), demo(400, 7));
    GenerateDemoData(second.sql(), demo(400, 8));
    auto a = checksums(first.sql(), first.name());
    auto b = checksums(first.sql(), second.name());
    for (const char* table : {"adresar", "skarta", "fakt", "pv", "pvrad", "vn", "vnrad", "vu", "vp", "pokladna"})
        EXPECT_NE(a[table], b[table]) << table;

    // Generated again over the other seed's rows: the old rows go, the ids start again at 1.
    GenerateDemoData(second.sql(), demo(400, 7));
    EXPECT_EQ(checksums(first.sql(), second.name()), a);
}

TEST(DemoData, DocumentsAddUpForAnySize)
{
    test::TestDatabase db;
    if (!db.available()) GTEST_SKIP() << db.reason();
    for (int documents : {1, 2, 7, 13, 57}) {
        GenerateDemoData(db.sql(), demo(documents, 3));
        EXPECT_EQ(count(db.sql(), kDocumentCount), documents) << documents << " documents";
    }
}

TEST(DemoData, OptionsOutOfRangeChangeNothing)
{
    test::TestDatabase db;
    if (!db.available()) GTEST_SKIP() << db.reason();
    db.sql().execute("insert into pv (cislodokla) values ('1')");
    for (DemoDataOptions o :
         {demo(0), demo(1000001), demo(10, 1, 0), demo(10, 1, 13), demo(10, 1, 4, 999), demo(10, 1, 4, 10000)})
        EXPECT_THROW(GenerateDemoData(db.sql(), o), UsageError) << o.documents << " " << o.month << "/" << o.year;
    EXPECT_EQ(count(db.sql(), "select count(*) as n from pv"), 1);
}

// Every text fits its column: in strict mode the server refuses what it would otherwise cut.
TEST(DemoData, LargerPeriodFitsTheColumnsInStrictMode)
{
    test::TestDatabase db;
    if (!db.available()) GTEST_SKIP() << db.reason();
    db.sql().execute("set session sql_mode = 'STRICT_ALL_TABLES'");
    EXPECT_NO_THROW(GenerateDemoData(db.sql(), demo(3000, 11, 12, 2013)));
    db.sql().execute("set session sql_mode = ''");
    EXPECT_EQ(count(db.sql(), kDocumentCount), 3000);
}

struct YearRates {
    int month, year, reduced, standard;
};

TEST(DemoData, VatRatesAreThoseOfThePeriodsYear)
{
    test::TestDatabase db;
    if (!db.available()) GTEST_SKIP() << db.reason();
    auto& c = db.sql();
    const YearRates cases[] = {
        {4, 2006, 5, 19}, {1, 2008, 9, 19}, {6, 2011, 10, 20}, {3, 2012, 14, 20}, {2, 2013, 15, 21}};
    for (const YearRates& y : cases) {
        SCOPED_TRACE(std::to_string(y.month) + "/" + std::to_string(y.year));
        GenerateDemoData(c, demo(250, 5, y.month, y.year));
        const std::string r = std::to_string(y.reduced), s = std::to_string(y.standard);
        const std::string rates = "(0," + r + "," + s + ")";
        for (const char* sql :
             {"select count(*) as n from vnrad where dan not in ", "select count(*) as n from pvrad where dan not in ",
              "select count(*) as n from cenik where dan not in ",
              "select count(*) as n from pokladna where dph not in "})
            EXPECT_EQ(count(c, sql + rates), 0) << sql;
        EXPECT_GT(count(c, "select count(*) as n from vnrad where dan = " + r), 0);
        EXPECT_GT(count(c, "select count(*) as n from vnrad where dan = " + s), 0);
        // The VAT of every document is its base at the year's rate (the server may round a half
        // cent the other way).
        for (const char* table : {"vn", "pv", "vu"}) {
            EXPECT_EQ(count(c, std::string("select count(*) as n from ") + table +
                                   " where abs(dan5 - round(zaklad_5 * " + r +
                                   " / 100, 2)) > 0.011 or abs(dan23 - round(zaklad_23 * " + s + " / 100, 2)) > 0.011"),
                      0)
                << table;
        }
        // Earlier documents stay within the period's year, so one set of rates holds.
        EXPECT_EQ(count(c, "select count(*) as n from pv where year(datum) <> " + std::to_string(y.year)), 0);
    }
}

// One generated period of 400 documents, read by the content tests below.
class DemoDataContent : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_db = std::make_unique<test::TestDatabase>();
        if (s_db->available()) s_summary = GenerateDemoData(s_db->sql(), demo(400, 1));
    }
    static void TearDownTestSuite() { s_db.reset(); }
    void SetUp() override
    {
        if (!s_db->available()) GTEST_SKIP() << s_db->reason();
    }
    db::Connection& c() { return s_db->sql(); }

    static std::unique_ptr<test::TestDatabase> s_db;
    static DemoDataSummary s_summary;
};
std::unique_ptr<test::TestDatabase> DemoDataContent::s_db;
DemoDataSummary DemoDataContent::s_summary;

TEST_F(DemoDataContent, SummaryCountsTheRowsOfEveryTable)
{
    ASSERT_EQ(s_summary.rows.size(), std::size(kTables));
    for (std::size_t i = 0; i < s_summary.rows.size(); ++i) {
        const auto& [table, rows] = s_summary.rows[i];
        EXPECT_EQ(table, kTables[i]);
        EXPECT_EQ(count(c(), "select count(*) as n from " + table), rows) << table;
        EXPECT_GT(rows, 0) << table;
    }
    EXPECT_EQ(count(c(), kDocumentCount), 400);
    // Purchases are the largest share.
    EXPECT_EQ(count(c(), "select count(*) as n from pv"), 160);
}

struct Check {
    const char* what;
    const char* sql; // counts the rows that break it
};

TEST_F(DemoDataContent, DocumentsHangTogether)
{
    const Check checks[] = {
        {"pvrad without its pv",
         "select count(*) as n from pvrad r left join pv h on h.cislodokla = r.cislodokla where h.id is null"},
        {"vnrad without its vn",
         "select count(*) as n from vnrad r left join vn h on h.cislodokla = r.cislodokla where h.id is null"},
        {"vurad without its vu",
         "select count(*) as n from vurad r left join vu h on h.cislodokla = r.cislodokla where h.id is null"},
        {"pv without 1-4 items", "select count(*) as n from pv h where (select count(*) from pvrad r where "
                                 "r.cislodokla = h.cislodokla) not between 1 and 4"},
        {"vn with more than 4 items", "select count(*) as n from vn h where (select count(*) from vnrad r where "
                                      "r.cislodokla = h.cislodokla) > 4"},
        // The one delivery without items is an emptied note beside another of its invoice.
        {"vn without items and not beside another delivery of its invoice",
         "select count(*) as n from vn h where not exists (select 1 from vnrad r where r.cislodokla = h.cislodokla)"
         " and (h.cislofakt = '' or (select count(*) from vn o where o.cislofakt = h.cislofakt) < 2)"},
        {"vu without 1-4 items", "select count(*) as n from vu h where (select count(*) from vurad r where "
                                 "r.cislodokla = h.cislodokla) not between 1 and 4"},
        {"calculation without a product or with more than 4 other rows",
         "select count(*) as n from (select cislodokla from pv9 group by cislodokla"
         " having sum(pohyb = '9') <> 1 or count(*) - 1 not between 1 and 4) t"},
        {"voucher with more than 4 items", "select count(*) as n from pokladna where cislo not between 1 and 4"},
        {"document number used twice",
         "select count(*) as n from (select cislodokla from pv group by cislodokla having count(*) > 1"
         " union all select cislodokla from vn group by cislodokla having count(*) > 1) t"},
        {"pvrad article missing in cenik",
         "select count(*) as n from pvrad r left join cenik c on c.nomenkla = r.nomenkla where c.id is null"},
        {"vnrad article missing in cenik",
         "select count(*) as n from vnrad r left join cenik c on c.nomenkla = r.nomenkla where c.id is null"},
        {"article of vurad, pv9, vp or mixtures missing in cenik",
         "select count(*) as n from (select nomenkla from vurad union all select nomenkla from pv9 union all select "
         "nomenkla"
         " from vp union all select nomenkla from smesi union all select nomenkla from krsmesi) r"
         " left join cenik c on c.nomenkla = r.nomenkla where c.id is null"},
        {"work of a calculation without its price-list work code",
         "select count(*) as n from pv9 w left join cenik c on c.prace = w.partie where w.pohyb = '3' and c.id is "
         "null"},
        {"invoice number without fakt row",
         "select count(*) as n from (select cislofakt from pv union all select cislofakt from vn union all select "
         "cislofakt"
         " from vu) d left join fakt f on f.cfakt = d.cislofakt where d.cislofakt <> '' and f.id is null"},
        {"fakt total not its bases and VAT plus rounding",
         "select count(*) as n from fakt where abs(zaok - halere - (suma_z0 + suma_zn + suma_zv + suma_dphn + "
         "suma_dphv)) > 0.005"},
        // The program's stock-price check ("chyba NC") finds nothing in a fresh demo.
        {"stock item without its card or at another price",
         "select count(*) as n from (select partiecela, lomeni, stredisko, nc from pvrad union all select partiecela, "
         "lomeni,"
         " stredisko, nc from vnrad where char_length(partiecela) > 3 union all select partiecela, lomeni, stredisko, "
         "nc"
         " from pv9 where pohyb <> '3') r left join skarta s on s.partiecela = r.partiecela and s.lomeni = r.lomeni"
         " and s.stredisko = r.stredisko where s.id is null or s.nc <> r.nc"},
        {"posted stock side of pv, vn, vu, pv9",
         "select count(*) as n from (select datumkexct d from pv union all select datumkexct from vn"
         " union all select datumkexct from vu union all select datumkexct from pv9) t"
         " where d <> '1900-01-01 00:00:00'"},
        // An invoice side may be posted, but only by a posting before the period and after the
        // document's date, and only when no lot of the document still waits for its price.
        {"invoice side of vn, vu posted other than by an earlier posting",
         "select count(*) as n from (select datumvn1 d, datumkexcf p from vn union all select datumvu, datumkexcf"
         " from vu) t where p <> '1900-01-01 00:00:00' and not (p > '2002-12-12' and p < '2006-04-01' and p >= d)"},
        {"invoice side posted while a 9-character lot has no price",
         "select count(*) as n from (select h.datumkexcf p, r.partie, r.nc from vn h join vnrad r on r.cislodokla ="
         " h.cislodokla union all select h.datumkexcf, r.partie, r.nc from vu h join vurad r on r.cislodokla ="
         " h.cislodokla) t where p > '2002-12-12' and char_length(partie) = 9 and nc = 0"},
        {"posted vp, mixtures, cash desk",
         "select count(*) as n from (select datumkexct d from vp union all select datumkexct"
         " from smesi union all select datumkexct from krsmesi union all select datumkexct"
         " from pokladna) t where d <> '1900-01-01 00:00:00'"},
        {"posted transport", "select count(*) as n from dopr_kexc where datumkexct is not null"},
        {"document after the period or more than two months before it",
         "select count(*) as n from (select datum d from pv union all select datumvn1 from vn union all select datumvu "
         "from vu"
         " union all select datum from vp union all select zedne from pokladna union all select dne from dopr_kexc) t"
         " where d > '2006-04-30' or d < '2006-02-01'"},
    };
    for (const Check& check : checks) EXPECT_EQ(count(c(), check.sql), 0) << check.what;
    // Most documents are dated in the period's month, a few before it.
    const long long april = count(c(), "select count(*) as n from pv where datum >= '2006-04-01'");
    EXPECT_GE(april, 160 * 7 / 10);
    EXPECT_LT(april, 160);
}

TEST_F(DemoDataContent, AwkwardCasesArePresent)
{
    const Check cases[] = {
        {"invoice over several deliveries", "select count(*) as n from (select cislofakt from vn where cislofakt <> '' "
                                            "group by cislofakt having count(*) > 1) t"},
        {"service invoice over several documents", "select count(*) as n from (select cislofakt from vu where "
                                                   "cislofakt <> '' group by cislofakt having count(*) > 1) t"},
        {"9-character lot without price delivered",
         "select count(*) as n from vnrad where char_length(partie) = 9 and nc = 0"},
        {"9-character agent without price in a service",
         "select count(*) as n from vurad where char_length(partie) = 9 and nc = 0"},
        {"service invoice of series VZ",
         "select count(*) as n from vu v join fakt f on f.cfakt = v.cislofakt where f.rada = 'VZ'"},
        {"service invoice without a journal code",
         "select count(*) as n from vu v join fakt f on f.cfakt = v.cislofakt where f.denik = ''"},
        {"service at neither rate of the year",
         "select count(*) as n from vu where (celc <> 0 and dphc not in (5, 19)) or (cels <> 0 and dphs not in (5, 19))"
         " or (celd <> 0 and dphd not in (5, 19))"},
        {"service item from another centre than its document's",
         "select count(*) as n from vurad r join vu v on v.cislodokla = r.cislodokla where r.stredisko <> v.stredisko"},
        {"service to a customer with a receivable account of its own",
         "select count(*) as n from vu v join adresar a on a.ico = v.ico where a.analucet1 <> ''"},
        {"service invoice posted earlier, stock side waiting with priced agents",
         "select count(*) as n from vu v where datumkexcf > '2002-12-12' and datumkexct < '2002-12-12'"
         " and exists (select 1 from vurad r where r.cislodokla = v.cislodokla and char_length(r.partie) = 9"
         " and r.nc > 0)"},
        {"own product delivered", "select count(*) as n from vnrad r join skarta s on s.partiecela = r.partiecela"
                                  " and s.lomeni = r.lomeni and s.stredisko = r.stredisko where s.vlast_vyro = 'A'"},
        {"lot of a calculation delivered", "select count(*) as n from vnrad r join pv9 k on k.partiecela = r.partiecela"
                                           " and k.lomeni = r.lomeni and k.pohyb = '9' where r.lomeni > 59"},
        {"lot of a calculation that produced nothing delivered",
         "select count(*) as n from vnrad r join pv9 k on k.partiecela = r.partiecela"
         " and k.lomeni = r.lomeni and k.pohyb = '9' where r.lomeni > 59 and k.mnozstvi = 0"},
        {"lot of two calculations delivered",
         "select count(*) as n from vnrad r where r.lomeni > 59 and (select count(distinct k.cislodokla) from pv9 k"
         " where k.partiecela = r.partiecela and k.lomeni = r.lomeni and k.pohyb = '9') > 1"},
        {"VZ advance on a delivery of its own",
         "select count(*) as n from vn v join fakt f on f.cfakt = v.cislofakt where f.rada = 'VZ'"},
        {"VZU advance on a delivery of its own",
         "select count(*) as n from vn v join fakt f on f.cfakt = v.cislofakt where f.rada = 'VZU'"},
        {"VZPP tax document of a received advance",
         "select count(*) as n from vn v join fakt f on f.cfakt = v.cislofakt where f.rada = 'VZPP' and f.zaok > 0"},
        {"advance deducted on an invoice of the advance journal",
         "select count(*) as n from vnrad r join vn v on v.cislodokla = r.cislodokla join fakt f on f.cfakt ="
         " v.cislofakt where f.denik = 'VZ' and f.rada not like 'VZ%' and r.storzalohy <> ''"},
        {"advance deducted on a later invoice",
         "select count(*) as n from vnrad r join fakt z on z.cfakt = r.storzalohy join vn v on v.cislodokla = "
         "r.cislodokla"
         " join fakt f on f.cfakt = v.cislofakt where z.rada = 'VZ' and f.rada <> 'VZ' and r.hmotnostvn < 0"},
        {"credit note",
         "select count(*) as n from vn v join fakt f on f.cfakt = v.cislofakt where f.zaok < 0 and v.dobropiskf <> ''"},
        {"cash receipt", "select count(*) as n from vn where uctenka <> '' and cislofakt = ''"},
        {"export to a VAT payer of the EU",
         "select count(*) as n from vn where znakdodav = '4' and kod_platce <> '' and zaklad_0 <> 0"},
        {"export outside the EU", "select count(*) as n from vn where znakdodav = '4' and kod_platce = ''"},
        {"3-character lot exported to a VAT payer of the EU",
         "select count(*) as n from vnrad r join vn v on v.cislodokla = r.cislodokla"
         " where v.znakdodav = '4' and v.kod_platce <> '' and char_length(r.partie) = 3"},
        {"3-character lot exported outside the EU",
         "select count(*) as n from vnrad r join vn v on v.cislodokla = r.cislodokla"
         " where v.znakdodav = '4' and v.kod_platce = '' and char_length(r.partie) = 3"},
        {"domestic zero-rated base", "select count(*) as n from vn where znakdodav <> '4' and zaklad_0 <> 0"},
        {"domestic item at neither rate of the year",
         "select count(*) as n from vnrad r join vn v on v.cislodokla = r.cislodokla"
         " where v.znakdodav <> '4' and r.dan not in (5, 19)"},
        {"delivery without items on an invoice",
         "select count(*) as n from vn h where cislofakt <> ''"
         " and not exists (select 1 from vnrad r where r.cislodokla = h.cislodokla)"},
        {"invoice over several deliveries rounded by -0.40",
         "select count(*) as n from fakt f where abs(f.halere + 0.4) < 0.001"
         " and (select count(*) from vn v where v.cislofakt = f.cfakt) > 1"},
        {"delivery to a customer with a receivable account of its own",
         "select count(*) as n from vn v join adresar a on a.ico = v.ico"
         " where a.analucet1 <> '' and v.cislofakt <> ''"},
        {"invoice posted earlier, stock side waiting",
         "select count(*) as n from vn where datumkexcf > '2002-12-12' and datumkexct < '2002-12-12'"
         " and cislofakt <> '' and uctenka = ''"},
        {"receipt posted earlier, stock side waiting",
         "select count(*) as n from vn where datumkexcf > '2002-12-12' and datumkexct < '2002-12-12'"
         " and uctenka <> ''"},
        {"9-character lot priced since on a delivery whose stock side waits",
         "select count(*) as n from vnrad r join vn v on v.cislodokla = r.cislodokla"
         " where v.datumkexcf > '2002-12-12' and char_length(r.partie) = 9 and r.nc > 0"},
        {"invoice without exchange rate", "select count(*) as n from vn where cislofakt <> '' and kurz = 0"},
        {"zero sales price", "select count(*) as n from vnrad where pc = 0 and nomenkla not like 'ZAL%'"},
        {"zero purchase price", "select count(*) as n from pvrad where nc = 0"},
        {"return to a grower", "select count(*) as n from pvrad where hmotnostpv < 0"},
        {"receipt from a grower without invoice", "select count(*) as n from pv where dp = '1' and cislofakt = ''"},
        {"receipt from a grower with invoice", "select count(*) as n from pv where dp = '1' and cislofakt <> ''"},
        {"invoice of a grower with a payable account of its own",
         "select count(*) as n from pv p join adresar a on a.ico = p.ico"
         " where a.analucet2 <> '' and p.cislofakt <> ''"},
        {"purchase of goods with invoice",
         "select count(*) as n from pv where dp = '2' and cislofakt <> '' and cisdododav <> ''"},
        {"purchase with dp 0 and invoice", "select count(*) as n from pv where dp = '0' and cislofakt <> ''"},
        {"receipt from another centre with an own account",
         "select count(*) as n from pv h join pvrad r on r.cislodokla = h.cislodokla where h.dp = '5' and r.analucet2 "
         "<> ''"},
        {"receipt from a centre strtopc does not know",
         "select count(*) as n from pv where dp = '5' and ico not in (select stred from strtopc)"},
        {"own product taken over from another centre",
         "select count(*) as n from pv h join pvrad r on r.cislodokla = h.cislodokla join skarta s on s.partiecela ="
         " r.partiecela and s.lomeni = r.lomeni and s.stredisko = r.stredisko where h.dp = '5' and s.vlast_vyro = 'A'"},
        {"purchase item settling an advance",
         "select count(*) as n from pvrad r join fakt f on f.cfakt = r.storzalohy"},
        {"confirmed transfer in both directions",
         "select count(*) as n from vp v join vp p on p.cislodokla = v.cislodokla and p.pohyb = 'P'"
         " where v.pohyb = 'V' and v.potvrzeno > '2002-12-12' and p.potvrzeno > '2002-12-12'"},
        {"transfer of an own product", "select count(*) as n from vp r join skarta s on s.partiecela = r.partiecela"
                                       " and s.lomeni = r.lomeni and s.stredisko = r.stredisko"
                                       " where r.pohyb = 'V' and s.vlast_vyro = 'A'"},
        {"transfer with a row without price", "select count(*) as n from vp where nc = 0"},
        {"transfer of a 3-character lot",
         "select count(*) as n from vp where char_length(partiecela) = 3 and pohyb = 'V'"},
        {"calculation with work charged",
         "select count(*) as n from pv9 where pohyb = '3' and char_length(partiecela) = 3"},
        {"mixture", "select count(*) as n from smesi where smes = '1' and nc > 0"},
        {"feed mixture with a component without lot",
         "select count(*) as n from krsmesi where smes <> '1' and char_length(partie) <= 3"},
        {"cash taken for receipts (SEU)", "select count(*) as n from pokladna where typ = 'SEU' and cislo = 1"},
        {"voucher mixing receipts and payments", "select count(*) as n from (select pokdoklad from pokladna group by "
                                                 "pokdoklad having count(distinct pohyb) > 1) t"},
        {"transport split by tonnes", "select count(*) as n from dopr_kexc where km = 0 and tun <> 0"},
        {"transport order without tonnage", "select count(*) as n from dopr_kexc where tun = 0"},
        {"transport invoice of one order",
         "select count(*) as n from (select faktura from dopr_kexc group by faktura having count(*) = 1) t"},
        {"centre with a structure code of its own", "select count(*) as n from strtopc where structo <> stred"},
        {"dealer without a centre",
         "select count(*) as n from adresar where dealer not in (select dealer from dealertopc)"},
        {"price-list article of the UNI set", "select count(*) as n from cenik where UNISTREDISKO = 'V'"},
    };
    for (const Check& check : cases) EXPECT_GT(count(c(), check.sql), 0) << check.what;
}

} // namespace

#include "core/DemoData.h"

#include <algorithm>

#include "core/DemoDataInternal.h"
#include "core/Errors.h"
#include "core/Values.h"

namespace kex {
namespace demo {

// ---- Random -----------------------------------------------------------------------------------

std::uint64_t Random::next()
{
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double Random::amount(double low, double high, int decimals)
{
    const double r = unit();
    return RoundTo(decimals, low + r * (high - low));
}

// ---- Rows -------------------------------------------------------------------------------------

void RowValues::separate()
{
    if (!m_sql.empty()) m_sql += ',';
}

RowValues& RowValues::text(std::string_view value)
{
    separate();
    m_sql += TextLiteral(value);
    return *this;
}

RowValues& RowValues::number(double value)
{
    separate();
    m_sql += HeaderAmountLiteral(value);
    return *this;
}

RowValues& RowValues::integer(long long value)
{
    separate();
    m_sql += IntLiteral(value);
    return *this;
}

RowValues& RowValues::date(const DateTime& value)
{
    separate();
    m_sql += DateLiteral(value);
    return *this;
}

RowValues& RowValues::stamp(const DateTime& value)
{
    separate();
    m_sql += StampLiteral(value);
    return *this;
}

RowValues& RowValues::null()
{
    separate();
    m_sql += "NULL";
    return *this;
}

namespace {
// About 54,000 rows a second on our server in one transaction; larger statements gain nothing.
constexpr int kRowsPerStatement = 500;
} // namespace

TableWriter::TableWriter(db::Connection& connection, std::string table, std::string columns)
    : m_connection(connection)
    , m_table(std::move(table))
    , m_head("insert into " + m_table + " (" + columns + ") values ")
{
}

void TableWriter::add(const RowValues& row)
{
    if (m_pendingRows == 0) {
        m_pending = m_head;
    } else {
        m_pending += ',';
    }
    m_pending += '(';
    m_pending += row.sql();
    m_pending += ')';
    ++m_pendingRows;
    ++m_rows;
    if (m_pendingRows == kRowsPerStatement) flush();
}

void TableWriter::flush()
{
    if (m_pendingRows == 0) return;
    m_connection.execute(m_pending);
    m_pending.clear();
    m_pendingRows = 0;
}

Writers::Writers(db::Connection& c)
    : strtopc(c, "strtopc", "stred,pc,structo,nazevstr")
    , dealertopc(c, "dealertopc", "dealer,stredisko")
    , adresar(c, "adresar",
              "id,ico,dic,nazevpodni,sidlo,ulicecislo,psc,posta,kodpar,dealer,banka,bank_ucet,zvla_dispo,analucet1,"
              "analucet2,kredit")
    , adresarbor(c, "adresarbor", "kodpar,uctoskupina")
    , cenik(c, "cenik",
            "id,nomenkla,nazevosiva,prace,pc,dan,analucet1,analucet2,analucet3,analucet4,analucet5,analucet6,"
            "UNISTREDISKO")
    , skarta(c, "skarta", "id,partiecela,lomeni,stredisko,nomenkla,vlast_vyro,nc")
    , pokl_typd(c, "pokl_typd", "id,zkratka,stredisko,nazev,sazba")
    , fakt(c, "fakt",
           "id,cfakt,stredisko,denik,rada,plneni,vystaveni,splatnost,zaok,halere,ico,kodzak,dico,odb1,odb2,odb3,odbpsc,"
           "odb4,suma_dphn,suma_dphv,suma_z0,suma_zn,suma_zv,mena,kurz,devizy,skontokc,skontospla,exportz,uhrazeno")
    , pv(c, "pv",
         "id,cislodokla,cislofakt,cisdododav,datum,dp,stredisko,dealer,ico,nazevpodni,kodpar,mkodpar,dan5,dan23,"
         "zaklad_5,zaklad_23,mesic,rok,datumkexct")
    , pvrad(c, "pvrad",
            "id,cislodokla,stredisko,nomenkla,nazevosiva,partie,partiecela,lomeni,hmotnostpv,nc,dan,analucet2,"
            "storzalohy")
    , vn(c, "vn",
         "id,cislodokla,cislofakt,uctenka,datumvn1,stredisko,dealer,ico,nazevpodni,kodpar,znakdodav,kod_platce,"
         "dobropiskf,dobropis_k,storzalohy,mena,kurz,dan5,dan23,zaklad_0,zaklad_5,zaklad_23,zaokrouhle,skonto_z5,"
         "skonto_z23,mesic,rok,datumkexct,datumkexcf")
    , vnrad(c, "vnrad",
            "id,cislodokla,stredisko,dealer,nomenkla,nazevosiva,partie,partiecela,lomeni,hmotnostvn,nc,pc,pc8,dan,"
            "analucet2,storzalohy,cislovz")
    , vu(c, "vu",
         "id,cislodokla,cislofakt,datumvu,stredisko,dealer,ico,nazevpodni,kodpar,partie,nomenkla,celc,cels,celd,dphc,"
         "dphs,dphd,dphm,dan5,dan23,zaklad_5,zaklad_23,mesic,rok,datumkexct,datumkexcf")
    , vurad(c, "vurad", "id,cislodokla,stredisko,nomenkla,nazevosiva,partie,partiecela,lomeni,hmotnostvu,nc,pc")
    , pv9(c, "pv9",
          "id,cislodokla,datum,stredisko,pohyb,nomenkla,nazevosiva,partie,partiecela,lomeni,mnozstvi,nc,analucet1,"
          "mesic,rok,datumkexct")
    , vp(c, "vp",
         "id,cislodokla,cislodokl2,pohyb,datum,stredisko,ico,nazevpodni,kodpar,nomenkla,nazevosiva,partie,partiecela,"
         "lomeni,mnozstvi,nc,analucet1,potvrzeno,mesic,rok,datumkexct")
    , smesi(c, "smesi",
            "id,cislodokla,datum,stredisko,smes,nomenkla,nazevosiva,partie,partiecela,lomeni,mnozstvi,nc,mesic,rok,"
            "datumkexct")
    , krsmesi(c, "krsmesi",
              "id,cislodokla,datum,stredisko,smes,nomenkla,nazevosiva,partie,partiecela,lomeni,mnozstvi,nc,mesic,rok,"
              "datumkexct")
    , pokladna(c, "pokladna",
               "id,pokdoklad,cislo,poradovec,zedne,typ,pohyb,jmeno,identifik,text,predko,koddp,zakl,dan,zaok,dph,ucet1,"
               "ucet2,ucet3,ucet4,stredisko,nstredisko,mesic,rok,datumkexct")
    , dopr_kexc(c, "dopr_kexc",
                "id,faktura,objednavka,ode_ico,den_plneni,den_splat,dne,suma_fa,ic,dopravce,kodpar,tun,km,nomenkla,"
                "nazevosiva,datumkexct")
{
}

std::vector<TableWriter*> Writers::all()
{
    return {&strtopc, &dealertopc, &adresar, &adresarbor, &cenik, &skarta, &pokl_typd, &fakt,    &pv,       &pvrad,
            &vn,      &vnrad,      &vu,      &vurad,      &pv9,   &vp,     &smesi,     &krsmesi, &pokladna, &dopr_kexc};
}

// ---- VAT --------------------------------------------------------------------------------------

VatRates VatRatesOfYear(int year)
{
    if (year >= 2013) return {15, 21};
    if (year == 2012) return {14, 20};
    if (year >= 2010) return {10, 20};
    if (year >= 2008) return {9, 19};
    return {5, 19};
}

void VatSums::addBase(Rate rate, double amount)
{
    double& base = rate == Rate::Reduced ? baseReduced : rate == Rate::Standard ? baseStandard : base0;
    base = RoundTo(2, base + amount);
}

void VatSums::computeVat(const VatRates& rates)
{
    vatReduced = RoundTo(2, baseReduced * rates.reduced / 100.0);
    vatStandard = RoundTo(2, baseStandard * rates.standard / 100.0);
}

void VatSums::add(const VatSums& o)
{
    base0 = RoundTo(2, base0 + o.base0);
    baseReduced = RoundTo(2, baseReduced + o.baseReduced);
    baseStandard = RoundTo(2, baseStandard + o.baseStandard);
    vatReduced = RoundTo(2, vatReduced + o.vatReduced);
    vatStandard = RoundTo(2, vatStandard + o.vatStandard);
}

double VatSums::total() const { return RoundTo(2, base0 + baseReduced + baseStandard + vatReduced + vatStandard); }

DateTime NotPosted() { return MakeDate(1900, 1, 1); }

// ---- Company: time, money, numbers ------------------------------------------------------------

namespace {

int daysInMonth(int year, int month)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

std::string twoDigits(int n) { return PadLeft(std::to_string(n % 100), U'0', 2); }

} // namespace

Company::Company(db::Connection& connection, const DemoDataOptions& options)
    : m_options(options)
    , m_vat(VatRatesOfYear(options.year))
    , m_writers(std::make_unique<Writers>(connection))
    , m_partnersByKind(static_cast<int>(PartnerKind::Carrier) + 1)
{
    // Prices of the catalogue are those of 2006; other years move them by 3 % a year. Multiplied
    // step by step so no library function can change a price between builds.
    const int year = std::clamp(options.year, 1990, 2040);
    for (int y = 2006; y < year; ++y) m_priceFactor *= 1.03;
    for (int y = year; y < 2006; ++y) m_priceFactor /= 1.03;
    m_eurRate = options.year < 2008 ? 28.5 : options.year < 2013 ? 25.0 : 26.5;
    buildCentres();
    buildArticles();
    buildPartners();
    buildLots();
}

Company::~Company() = default;

Random Company::stream(int section) const
{
    return Random((static_cast<std::uint64_t>(m_options.seed) << 20) ^
                  (static_cast<std::uint64_t>(section) * 0xD1B54A32D192ED03ull));
}

DateTime Company::documentDate(Random& rng) const
{
    int month = m_options.month;
    const bool earlier = rng.chance(0.15);
    const int back = rng.between(1, 2);
    if (earlier) month = std::max(1, month - back);
    const int day = rng.between(1, daysInMonth(m_options.year, month));
    return MakeDate(m_options.year, month, day);
}

DateTime Company::dayInMonth(Random& rng, int firstDay, int lastDay) const
{
    const int days = daysInMonth(m_options.year, m_options.month);
    const int last = std::min(lastDay, days);
    const int first = std::min(firstDay, last);
    return MakeDate(m_options.year, m_options.month, rng.between(first, last));
}

DateTime Company::monthEnd(const DateTime& date) const
{
    return MakeDate(date.year, date.month, daysInMonth(date.year, date.month));
}

DateTime Company::earlierDate(Random& rng) const
{
    const int year = m_options.year, month = m_options.month;
    if (month == 1) return MakeDate(year, 1, rng.between(1, 5));
    return MakeDate(year, month - 1, rng.between(1, daysInMonth(year, month - 1)));
}

DateTime Company::earlierPostingStamp(const DateTime& date) const
{
    const int day = date.month == m_options.month ? date.day : daysInMonth(date.year, date.month);
    return MakeDate(date.year, date.month, day, 18);
}

std::string Company::monthText(const DateTime& date) const { return twoDigits(date.month); }

std::string Company::yearText(const DateTime& date) const { return std::to_string(date.year); }

double Company::price(double level2006) const { return RoundTo(2, level2006 * m_priceFactor); }

std::string Company::nextDocumentNumber(char kind) { return nextNumber(std::string(1, kind), 6); }

std::string Company::nextNumber(const std::string& prefix, int width)
{
    const long long seq = ++m_numberSeq[prefix];
    return prefix + twoDigits(m_options.year) + PadLeft(std::to_string(seq), U'0', width);
}

std::string Company::nextInvoiceNumber(Series series)
{
    // Ten characters, two digits of the series first, so an invoice number never equals the nine
    // characters of a document number.
    static const char* const prefixes[] = {"91", "92", "93", "94", "95", "81", "82", "96", "97"};
    static_assert(std::size(prefixes) == static_cast<std::size_t>(Series::Count));
    const long long seq = ++m_invoiceSeq[static_cast<int>(series)];
    return prefixes[static_cast<int>(series)] + twoDigits(m_options.year) + PadLeft(std::to_string(seq), U'0', 6);
}

std::string Company::nextLotCode(char kind, int centre)
{
    const std::string& code = centres[centre].code;
    const int year = m_options.year;
    switch (kind) {
    case 'P': // bought this year: 9 characters, the lots whose price may come later
        return std::to_string(year % 10) + code + PadLeft(std::to_string(++m_lotSeq["P" + code]), U'0', 6);
    case 'O': // carried over from last year: 8 characters
        return std::to_string((year + 9) % 10) + code + PadLeft(std::to_string(++m_lotSeq["O" + code]), U'0', 5);
    default: // own lots (harvest, calculations, mixtures): a letter, the year and a number
        return std::string(1, kind) + std::to_string(year % 10) +
               PadLeft(std::to_string(++m_lotSeq[std::string(1, kind)]), U'0', 4);
    }
}

} // namespace demo

// ---- The generator ----------------------------------------------------------------------------

namespace {

using demo::Company;

void checkOptions(const DemoDataOptions& o)
{
    if (o.documents < 1 || o.documents > 1000000)
        throw UsageError("The number of documents must be from 1 to 1000000, not " + std::to_string(o.documents) + ".");
    if (o.month < 1 || o.month > 12)
        throw UsageError("The month of the period must be from 1 to 12, not " + std::to_string(o.month) + ".");
    if (o.year < 1000 || o.year > 9999)
        throw UsageError("The year of the period must have four digits, not " + std::to_string(o.year) + ".");
}

// Shares of the documents per tab in per cent: purchases from growers are the bulk of the trade.
enum Tab { PV, VN, VU, KA, VP, SM, KS, PO, DP, TabCount };
constexpr int kShares[TabCount] = {40, 22, 8, 5, 8, 3, 3, 8, 3};

// Splits the documents by the shares, the remainder to the largest fractions (the earlier tab on a
// tie), so the counts always add up to the total.
std::array<int, TabCount> splitDocuments(int documents)
{
    std::array<int, TabCount> counts{};
    std::array<long long, TabCount> fraction{};
    int given = 0;
    for (int t = 0; t < TabCount; ++t) {
        const long long scaled = static_cast<long long>(documents) * kShares[t];
        counts[t] = static_cast<int>(scaled / 100);
        fraction[t] = scaled % 100;
        given += counts[t];
    }
    while (given < documents) {
        int best = 0;
        for (int t = 1; t < TabCount; ++t)
            if (fraction[t] > fraction[best]) best = t;
        ++counts[best];
        fraction[best] = -1;
        ++given;
    }
    return counts;
}

} // namespace

DemoDataSummary GenerateDemoData(db::Connection& connection, const DemoDataOptions& options)
{
    checkOptions(options);
    const std::array<int, TabCount> counts = splitDocuments(options.documents);

    Company company(connection, options); // the catalogue, built in memory
    connection.execute("START TRANSACTION");
    try {
        for (demo::TableWriter* writer : company.out().all()) connection.execute("delete from " + writer->table());
        demo::WriteLookups(company);
        demo::WriteCalculations(company, counts[KA]);
        demo::WriteMixtures(company, counts[SM], false);
        demo::WriteMixtures(company, counts[KS], true);
        demo::WritePurchases(company, counts[PV]);
        demo::WriteTransfers(company, counts[VP]);
        demo::WriteSales(company, counts[VN]);
        demo::WriteServices(company, counts[VU]);
        demo::WriteCashDesk(company, counts[PO]);
        demo::WriteTransport(company, counts[DP]);
        demo::WriteStockCards(company);
        DemoDataSummary summary;
        for (demo::TableWriter* writer : company.out().all()) {
            writer->flush();
            summary.rows.emplace_back(writer->table(), writer->rows());
        }
        connection.execute("COMMIT");
        return summary;
    } catch (...) {
        try {
            connection.execute("ROLLBACK");
        } catch (const db::DbError&) {
            // A lost connection rolls the transaction back on the server anyway.
        }
        throw;
    }
}

} // namespace kex

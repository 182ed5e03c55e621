#pragma once
// The parts the demo-data generator's files share: its random numbers, the batched row writer, and
// the company every document refers to (centres, price list, partners, lots). Not for use outside
// core/DemoData*.cpp.
#include <array>
#include <cstdint>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/DateTime.h"
#include "core/DemoData.h"
#include "db/Connection.h"

namespace kex::demo {

// splitmix64: small, fast, and the same sequence on every platform and library version.
class Random {
public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t next();
    // 0 <= result < n; n must be positive.
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
    int between(int low, int high) { return low + below(high - low + 1); }
    // 0 <= result < 1, 53 random bits.
    double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
    bool chance(double p) { return unit() < p; }
    // A value between low and high rounded to `decimals` places by RoundTo.
    double amount(double low, double high, int decimals);
    template <class T> const T& pick(const std::vector<T>& items)
    {
        return items[below(static_cast<int>(items.size()))];
    }

private:
    std::uint64_t m_state;
};

// One parenthesised row of a multi-row INSERT, built with the literal helpers of core/Values.h.
class RowValues {
public:
    RowValues& text(std::string_view value);
    RowValues& number(double value);
    RowValues& integer(long long value);
    RowValues& date(const DateTime& value);
    RowValues& stamp(const DateTime& value);
    RowValues& null();
    const std::string& sql() const { return m_sql; }

private:
    void separate();
    std::string m_sql;
};

// Collects rows of one table and sends them as INSERTs of up to 500 rows.
class TableWriter {
public:
    TableWriter(db::Connection& connection, std::string table, std::string columns);
    void add(const RowValues& row);
    void flush();
    const std::string& table() const { return m_table; }
    long long rows() const { return m_rows; }
    // Ids of tables with an id column are given here, 1, 2, ..., so a rerun writes the same rows
    // whatever the table's auto-increment counter says.
    long long nextId() { return ++m_lastId; }

private:
    db::Connection& m_connection;
    std::string m_table;
    std::string m_head;
    std::string m_pending;
    int m_pendingRows = 0;
    long long m_rows = 0;
    long long m_lastId = 0;
};

enum class Rate { Zero, Reduced, Standard };

struct VatRates {
    int reduced = 5;
    int standard = 19;
    int of(Rate rate) const { return rate == Rate::Reduced ? reduced : rate == Rate::Standard ? standard : 0; }
};

// The two Czech VAT rates of a calendar year.
VatRates VatRatesOfYear(int year);

enum class ArticleKind {
    Grain, // bought from growers, sold on
    Oilseed,
    Seed, // certified seed; own seed comes out of the calculations
    Fertiliser,
    Agent,         // seed treatment agents, stock material
    FeedComponent, // soy meal, premixes, limestone
    GrassSeed,
    FeedMixture, // own products of the feed mill only
    SeedMixture, // own products of the seed plant only
    Service,     // cleaning, drying, transport, treatment
    Work,        // work articles priced for calculations (cenik.prace)
    Advance,
    Packaging,
};

struct Article {
    std::string nomenkla;
    std::string name;
    ArticleKind kind;
    Rate rate;
    double cost;  // purchase price per unit, 2006 level
    double price; // sales price per unit, 2006 level
    std::string prace;
    std::array<std::string, 6> accounts; // analucet1 .. analucet6
    bool uni = false;                    // UNISTREDISKO "V"
    std::string processedInto;           // Grain: the seed article its calculations produce
};

struct Centre {
    std::string code;
    std::string pc;
    std::string structo;
    std::string name;
    bool cashDesk = false;
    std::vector<ArticleKind> stock; // kinds of articles kept in stock here
};

enum class PartnerKind { Grower, FarmCompany, Customer, PersonCustomer, ExportEu, ExportThird, Supplier, Carrier };

struct Partner {
    PartnerKind kind;
    std::string ico, dic, name, town, street, psc, post, kodpar, dealer;
    std::string bank, bankAccount, disposition, receivableAccount, payableAccount, country;
    double credit = 0;
    bool vatPayer = true;
};

// One stock card: a lot (partiecela) with its split (lomeni) in one centre.
struct Lot {
    std::string code;
    int lomeni = 0;
    int centre = 0;
    int article = 0;
    bool own = false;
    double nc = 0;
};

// Sums of the VAT figures of a document or invoice.
struct VatSums {
    double base0 = 0, baseReduced = 0, baseStandard = 0, vatReduced = 0, vatStandard = 0;
    void addBase(Rate rate, double amount);
    // Computes the VAT of the bases (each rounded to 2 places).
    void computeVat(const VatRates& rates);
    void add(const VatSums& other);
    double total() const;
};

// Invoice number series; each has its own counter and number prefix. VZU and VZPP are advance
// series too: an advance asked and not yet posted to the books, and the tax document of an advance
// already received.
enum class Series {
    SalesFV,
    CreditDF,
    ExportDO,
    AdvanceVZ,
    ServicesFU,
    Purchase,
    PurchaseAdvance,
    AdvanceVZU,
    AdvanceVZPP,
    Count
};

class Writers;

// Everything the documents refer to, and the helpers that keep them consistent.
class Company {
public:
    Company(db::Connection& connection, const DemoDataOptions& options);
    ~Company();

    const DemoDataOptions& options() const { return m_options; }
    const VatRates& vat() const { return m_vat; }
    Writers& out() { return *m_writers; }
    Random stream(int section) const;

    // ---- time ----
    // A document date: mostly in the period's month, some in the one or two months before it
    // within the same year.
    DateTime documentDate(Random& rng) const;
    // A day of the period's month between the two days (cut to the month's length).
    DateTime dayInMonth(Random& rng, int firstDay, int lastDay) const;
    DateTime monthEnd(const DateTime& date) const;
    // A document whose invoice side an earlier posting already took: dated in the month before the
    // period (in January, in the period's first days, as the year may not be left).
    DateTime earlierDate(Random& rng) const;
    // The time of that earlier posting: the evening of the last day of the document's month, or of
    // the document's own day when it lies in the period's month.
    DateTime earlierPostingStamp(const DateTime& date) const;
    std::string monthText(const DateTime& date) const;
    std::string yearText(const DateTime& date) const;

    // ---- money ----
    double price(double level2006) const;
    double eurRate() const { return m_eurRate; }

    // ---- catalogue ----
    std::vector<Centre> centres;
    std::vector<Article> articles;
    std::vector<Partner> partners;
    std::vector<Lot> lots;
    // Lots of calculations the sales rules treat apart, -1 when the period has too few
    // calculations: one whose calculation produced nothing yet, and one two calculations produced.
    int nothingProducedLot = -1;
    int twiceCalculatedLot = -1;
    int centreIndex(std::string_view code) const;
    int articleIndex(std::string_view nomenkla) const;
    const std::vector<int>& partnersOf(PartnerKind kind) const;
    int pickPartner(Random& rng, PartnerKind kind) const;
    int rateValue(const Article& article) const { return m_vat.of(article.rate); }

    // Bought lots of an article in a centre (cards in that centre).
    const std::vector<int>& lotsOf(int centre, int article) const;
    // A random lot of the centre whose article kind is one of `kinds`, bought lots only or own
    // products too; -1 when there is none.
    enum class Origin { Bought, Any };
    int pickLot(Random& rng, int centre, std::initializer_list<ArticleKind> kinds,
                Origin origin = Origin::Bought) const;
    // First lot that satisfies the test, or -1.
    template <class Test> int findLot(Test test) const
    {
        for (std::size_t i = 0; i < lots.size(); ++i)
            if (test(lots[i])) return static_cast<int>(i);
        return -1;
    }
    // Adds the card unless the lot has one with that split in that centre; returns the card's
    // index. Adding moves `lots`: hold no reference to a lot across it (nor across cardIn).
    int addLot(Lot lot);
    // The card of the lot in another centre (a transfer or a receipt from another centre), made
    // with the same price and origin when it does not exist yet.
    int cardIn(int lot, int centre);

    // ---- numbers ----
    // Document numbers: one digit of the document kind, two of the year, six of the sequence.
    std::string nextDocumentNumber(char kind);
    // Numbers of other forms: the prefix, two digits of the year, the sequence to `width` digits.
    std::string nextNumber(const std::string& prefix, int width);
    std::string nextInvoiceNumber(Series series);
    std::string nextLotCode(char kind, int centre);

private:
    void buildCentres();
    void buildArticles();
    void buildPartners();
    void buildLots();

    DemoDataOptions m_options;
    VatRates m_vat;
    double m_priceFactor = 1;
    double m_eurRate = 28.5;
    std::unique_ptr<Writers> m_writers;
    std::map<std::string, long long> m_numberSeq;
    std::array<long long, static_cast<int>(Series::Count)> m_invoiceSeq{};
    std::map<std::string, long long> m_lotSeq;
    std::vector<std::vector<int>> m_partnersByKind;
    struct Pool {
        std::vector<int> bought;
        std::vector<int> own;
    };
    std::map<std::pair<int, int>, Pool> m_pools; // by centre and article
    std::map<std::string, int> m_cardIndex;      // lot code + "/" + lomeni + "/" + centre
};

// The writers of every table the generator fills, in the order the summary lists them.
class Writers {
public:
    explicit Writers(db::Connection& connection);
    TableWriter strtopc, dealertopc, adresar, adresarbor, cenik, skarta, pokl_typd, fakt, pv, pvrad, vn, vnrad, vu,
        vurad, pv9, vp, smesi, krsmesi, pokladna, dopr_kexc;
    std::vector<TableWriter*> all();
};

// The invoice header of sales and purchases alike.
struct InvoiceHeader {
    std::string number;
    std::string centre;
    std::string denik;
    std::string rada;
    DateTime supplied, issued, due;
    const Partner* partner = nullptr;
    VatSums sums;
    std::string currency = "CZK";
    double rate = 1; // kurz
    bool exportInvoice = false;
    bool discount = false;
    double paidShare = 0; // part of the total already paid
};
void WriteInvoice(Company& company, const InvoiceHeader& invoice);

// The sections, in the order GenerateDemoData runs them: production first, because sales sell the
// lots it makes; stock cards last, because transfers and products add cards.
void WriteLookups(Company& company);
void WriteCalculations(Company& company, int count);
void WriteMixtures(Company& company, int count, bool feed);
void WritePurchases(Company& company, int count);
void WriteTransfers(Company& company, int count);
void WriteSales(Company& company, int count);
void WriteServices(Company& company, int count);
void WriteCashDesk(Company& company, int count);
void WriteTransport(Company& company, int count);
void WriteStockCards(Company& company);

// The posting state every document starts with: not posted.
DateTime NotPosted();

} // namespace kex::demo

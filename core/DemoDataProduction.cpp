// Production documents: calculations of the seed plant, mixtures, feed mixtures, and transfers
// between the company's centres.
#include <algorithm>
#include <stdexcept>

#include "core/DemoDataInternal.h"
#include "core/Values.h"

namespace kex::demo {
namespace {

enum Section { CalculationsSection = 30, MixturesSection = 31, FeedMixturesSection = 32, TransfersSection = 33 };

using K = ArticleKind;

// One row of pv9, smesi or krsmesi.
struct ProductionRow {
    std::string movement; // pv9.pohyb or smesi.smes
    int article = 0;
    std::string partie;
    std::string partiecela;
    int lomeni = 0;
    double quantity = 0;
    double nc = 0;
};

ProductionRow lotRow(const Company& company, const std::string& movement, int lot, double quantity)
{
    const Lot& l = company.lots[lot];
    return {movement, l.article, l.code, l.code, l.lomeni, quantity, l.nc};
}

// Work of a calculation or a mixing: partie is the price list's work code, the lot three characters.
ProductionRow workRow(const Company& company, const std::string& movement, const char* nomenkla, double quantity)
{
    const int article = company.articleIndex(nomenkla);
    const Article& a = company.articles[article];
    return {movement, article, a.prace, "3" + a.prace.substr(1), 0, quantity, a.cost};
}

double valueOf(const std::vector<ProductionRow>& rows)
{
    double value = 0;
    for (const ProductionRow& r : rows) value = RoundTo(2, value + RoundTo(2, r.quantity * r.nc));
    return value;
}

// What a calculation leaves behind for the next one of the same lot.
struct Calculated {
    int centre = 0;
    int rawArticle = 0;
    int lot = 0; // the product's card
};

enum class CalculationCase {
    Ordinary,
    NothingProduced, // the output not entered yet: quantity 0, and so no price
    SameLotAgain,    // a further run that adds to the lot of an earlier calculation
};

// A calculation of the seed plant (or the drier): raw grain, work and treatment agent consumed, a
// lot of own seed (lomeni 60 and more) produced. Sales of that lot can charge its work.
Calculated writeCalculation(Company& company, Random& rng, CalculationCase kind = CalculationCase::Ordinary,
                            const Calculated* earlier = nullptr)
{
    Writers& out = company.out();
    const bool plant = earlier ? company.centres[earlier->centre].code == "40" : rng.chance(0.85);
    const int centre = earlier ? earlier->centre : company.centreIndex(plant ? "40" : "50");
    const DateTime date = company.documentDate(rng);
    const char* const raws[] = {"PSOZ", "JECJ"};
    const int rawArticle = earlier ? earlier->rawArticle : company.articleIndex(plant ? raws[rng.below(2)] : "KUKU");
    const std::vector<int>& rawLots = company.lotsOf(centre, rawArticle);
    if (rawLots.empty()) throw std::logic_error("demo data: no raw grain for a calculation");
    const int rawLot = rng.pick(rawLots);
    const double input = rng.amount(10, 80, 3);

    std::vector<ProductionRow> rows{lotRow(company, "1", rawLot, input)};
    if (plant) {
        rows.push_back(workRow(company, "3", "PRCIST", input));
        if (rng.chance(0.6)) {
            rows.push_back(workRow(company, "3", "PRMOR", input));
            const int agent = company.pickLot(rng, centre, {K::Agent});
            const double dose = rng.amount(1.5, 2.5, 2);
            if (agent >= 0) rows.push_back(lotRow(company, "2", agent, RoundTo(1, input * dose)));
        } else if (rng.chance(0.5)) {
            rows.push_back(workRow(company, "3", "PRBAL", input));
        }
    } else {
        rows.push_back(workRow(company, "3", "PRSUS", input));
    }

    const double yield = rng.amount(0.9, 0.97, 3);
    const double output = kind == CalculationCase::NothingProduced ? 0 : RoundTo(3, input * yield);
    int productLot = earlier ? earlier->lot : -1;
    if (kind != CalculationCase::SameLotAgain) {
        Lot product;
        product.code = company.nextLotCode('K', centre);
        product.lomeni = 60 + rng.below(10);
        product.centre = centre;
        const std::string& processedInto = company.articles[rawArticle].processedInto;
        product.article = processedInto.empty() ? rawArticle : company.articleIndex(processedInto);
        product.own = true;
        product.nc = output > 0 ? RoundTo(2, valueOf(rows) / output) : 0;
        productLot = company.addLot(product);
    }
    // A further run keeps the card's price, so the lot has one price wherever it is read.
    rows.push_back(lotRow(company, "9", productLot, output));

    const std::string number = company.nextDocumentNumber('4');
    for (const ProductionRow& r : rows) {
        const Article& a = company.articles[r.article];
        out.pv9.add(RowValues()
                        .integer(out.pv9.nextId())
                        .text(number)
                        .date(date)
                        .text(company.centres[centre].code)
                        .text(r.movement)
                        .text(a.nomenkla)
                        .text(a.name)
                        .text(r.partie)
                        .text(r.partiecela)
                        .integer(r.lomeni)
                        .number(r.quantity)
                        .number(r.nc)
                        .text("")
                        .text(company.monthText(date))
                        .text(company.yearText(date))
                        .stamp(NotPosted()));
    }
    return {centre, rawArticle, productLot};
}

// One mixing: components from stock (and, at the feed mill, the mixing work without a lot) make a
// new lot of an own product.
void writeMixture(Company& company, Random& rng, bool feed)
{
    Writers& out = company.out();
    TableWriter& table = feed ? out.krsmesi : out.smesi;
    const int centre = company.centreIndex(feed ? "30" : "40");
    const DateTime date = company.documentDate(rng);
    const char* const feeds[] = {"KSA1", "KSN1", "KSBR2"};
    const char* const grasses[] = {"SMPARK", "SMJETR"};
    const int productArticle = company.articleIndex(feed ? feeds[rng.below(3)] : grasses[rng.below(2)]);

    std::vector<ProductionRow> rows;
    double tonnes = 0;
    const bool work = feed && rng.chance(0.4);
    const int components = rng.between(1, work ? 3 : 4);
    for (int i = 0; i < components; ++i) {
        const int lot = feed ? company.pickLot(rng, centre, {K::Grain, K::FeedComponent})
                             : company.pickLot(rng, centre, {K::GrassSeed});
        if (lot < 0) continue;
        // Premixes and limestone go in by the hundredweight, grain and meal by the tonne.
        const Article& a = company.articles[company.lots[lot].article];
        const bool additive = a.kind == K::FeedComponent && a.nomenkla != "SOJA";
        const double quantity = !feed      ? rng.amount(0.1, 1, 3)
                                : additive ? rng.amount(0.05, 0.5, 3)
                                           : rng.amount(1, 10, 3);
        rows.push_back(lotRow(company, "0", lot, quantity));
        tonnes = RoundTo(3, tonnes + quantity);
    }
    if (rows.empty()) throw std::logic_error("demo data: no components for a mixture");
    if (work) rows.push_back(workRow(company, "0", "PRMIX", tonnes));

    Lot product;
    product.code = company.nextLotCode(feed ? 'F' : 'S', centre);
    product.centre = centre;
    product.article = productArticle;
    product.own = true;
    product.nc = RoundTo(2, valueOf(rows) / tonnes);
    // Components without a price yet still give the mixture a price of its own.
    if (product.nc <= 0) product.nc = RoundTo(2, company.articles[productArticle].price * 0.8);
    const int productLot = company.addLot(product);
    rows.insert(rows.begin(), lotRow(company, "1", productLot, tonnes));

    const std::string number = company.nextDocumentNumber(feed ? '6' : '5');
    for (const ProductionRow& r : rows) {
        const Article& a = company.articles[r.article];
        table.add(RowValues()
                      .integer(table.nextId())
                      .text(number)
                      .date(date)
                      .text(company.centres[centre].code)
                      .text(r.movement)
                      .text(a.nomenkla)
                      .text(a.name)
                      .text(r.partie)
                      .text(r.partiecela)
                      .integer(r.lomeni)
                      .number(r.quantity)
                      .number(r.nc)
                      .text(company.monthText(date))
                      .text(company.yearText(date))
                      .stamp(NotPosted()));
    }
}

// ---- Transfers ------------------------------------------------------------------------------------

struct TransferItem {
    int article = 0;
    std::string lot;
    int lomeni = 0;
    double quantity = 0;
    double nc = 0;
    std::string account;
};

enum class TransferCase { Ordinary, OwnProduct, Packaging, Unpriced, ReceiptUnconfirmed, IssueOnly };

class TransfersWriter {
public:
    TransfersWriter(Company& company, int count)
        : m_company(company), m_rng(company.stream(TransfersSection)), m_left(count)
    {
    }

    void run()
    {
        transfer(TransferCase::OwnProduct);
        transfer(TransferCase::Packaging);
        transfer(TransferCase::Unpriced);
        transfer(TransferCase::ReceiptUnconfirmed);
        while (m_left >= 2) transfer(m_rng.chance(0.05) ? TransferCase::ReceiptUnconfirmed : TransferCase::Ordinary);
        if (m_left == 1) transfer(TransferCase::IssueOnly);
    }

private:
    int stockCentre()
    {
        static const char* const codes[] = {"10", "20", "30", "40", "50", "60"};
        return m_company.centreIndex(codes[m_rng.below(6)]);
    }

    TransferItem fromLot(int lot, int to)
    {
        TransferItem item;
        {
            const Lot& l = m_company.lots[lot]; // cardIn below may move the lots
            item.article = l.article;
            item.lot = l.code;
            item.lomeni = l.lomeni;
            item.nc = l.nc;
        }
        m_company.cardIn(lot, to); // the receiving centre's card of the lot
        const ArticleKind kind = m_company.articles[item.article].kind;
        item.quantity = kind == K::Agent ? m_rng.amount(10, 100, 1) : m_rng.amount(1, 25, 3);
        return item;
    }

    // An issue (pohyb "V") from one centre and its receipt (pohyb "P") in another under one
    // number, each direction a document of its own; both confirmed unless the case says otherwise.
    void transfer(TransferCase kind)
    {
        const int documents = kind == TransferCase::IssueOnly ? 1 : 2;
        if (m_left < documents) return;
        m_left -= documents;

        int from = stockCentre();
        std::vector<TransferItem> items;
        std::vector<int> ownLots;
        if (kind == TransferCase::OwnProduct) {
            for (int i = 0; i < static_cast<int>(m_company.lots.size()); ++i)
                if (m_company.lots[i].own) ownLots.push_back(i);
            if (!ownLots.empty()) from = m_company.lots[m_rng.pick(ownLots)].centre;
        }
        int to = from;
        while (to == from) to = stockCentre();

        if (!ownLots.empty()) {
            std::vector<int> here;
            for (int lot : ownLots)
                if (m_company.lots[lot].centre == from) here.push_back(lot);
            items.push_back(fromLot(m_rng.pick(here), to));
        }
        if (kind == TransferCase::Packaging) {
            TransferItem bags;
            bags.article = m_company.articleIndex("OBAL");
            bags.lot = "801";
            bags.quantity = m_rng.between(5, 40);
            bags.nc = m_company.articles[bags.article].cost;
            items.push_back(bags);
        }
        if (kind == TransferCase::Unpriced) {
            const int lot = m_company.findLot([&](const Lot& l) { return l.nc == 0 && !l.own; });
            if (lot >= 0) {
                from = m_company.lots[lot].centre;
                while (to == from) to = stockCentre();
                items.push_back(fromLot(lot, to));
            }
        }
        const int wanted = m_rng.between(1, 4);
        while (static_cast<int>(items.size()) < wanted) {
            const int lot = m_company.pickLot(m_rng, from,
                                              {K::Grain, K::Oilseed, K::Seed, K::Fertiliser, K::Agent, K::FeedComponent,
                                               K::GrassSeed, K::FeedMixture, K::SeedMixture},
                                              Company::Origin::Any);
            if (lot < 0) break;
            items.push_back(fromLot(lot, to));
        }
        if (items.empty())
            items.push_back(fromLot(m_company.pickLot(m_rng, m_company.centreIndex("10"), {K::Grain}), to));
        for (TransferItem& item : items)
            if (m_rng.chance(0.1)) item.account = "395.100";

        const DateTime date = m_company.documentDate(m_rng);
        const int hour = m_rng.between(7, 15);
        const int minute = m_rng.below(60);
        const DateTime confirmed = MakeDate(date.year, date.month, date.day, hour, minute);
        const std::string number = m_company.nextDocumentNumber('7');
        write(number, "V", from, to, date, confirmed, items);
        if (kind != TransferCase::IssueOnly) {
            const bool receiptConfirmed = kind != TransferCase::ReceiptUnconfirmed;
            write(number, "P", to, from, date, receiptConfirmed ? AddDays(confirmed, 1) : NotPosted(), items);
        }
    }

    void write(const std::string& number, const char* movement, int centre, int other, const DateTime& date,
               const DateTime& confirmed, const std::vector<TransferItem>& items)
    {
        TableWriter& vp = m_company.out().vp;
        const bool issue = movement[0] == 'V';
        const Centre& here = m_company.centres[centre];
        const Centre& there = m_company.centres[other];
        for (const TransferItem& item : items) {
            const Article& a = m_company.articles[item.article];
            vp.add(RowValues()
                       .integer(vp.nextId())
                       .text(number)
                       .text((issue ? "P" : "V") + number)
                       .text(movement)
                       .date(date)
                       .text(here.code)
                       .text(there.code)
                       .text(there.name)
                       .text("STR" + there.code)
                       .text(a.nomenkla)
                       .text(a.name)
                       .text(item.lot)
                       .text(item.lot)
                       .integer(item.lomeni)
                       .number(item.quantity)
                       .number(item.nc)
                       .text(item.account)
                       .stamp(confirmed)
                       .text(m_company.monthText(date))
                       .text(m_company.yearText(date))
                       .stamp(NotPosted()));
        }
    }

    Company& m_company;
    Random m_rng;
    int m_left;
};

} // namespace

void WriteCalculations(Company& company, int count)
{
    Random rng = company.stream(CalculationsSection);
    int i = 0;
    // The calculations the work charged on sales branches on come first: one that produced
    // nothing (no price per unit to charge) and a lot made by two calculations (the first counts).
    if (count >= 3) {
        company.nothingProducedLot = writeCalculation(company, rng, CalculationCase::NothingProduced).lot;
        const Calculated first = writeCalculation(company, rng);
        company.twiceCalculatedLot = writeCalculation(company, rng, CalculationCase::SameLotAgain, &first).lot;
        i = 3;
    }
    for (; i < count; ++i) writeCalculation(company, rng);
}

void WriteMixtures(Company& company, int count, bool feed)
{
    Random rng = company.stream(feed ? FeedMixturesSection : MixturesSection);
    for (int i = 0; i < count; ++i) writeMixture(company, rng, feed);
}

void WriteTransfers(Company& company, int count) { TransfersWriter(company, count).run(); }

} // namespace kex::demo

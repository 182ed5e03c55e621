// Purchase receipts: grain from growers, goods from suppliers, receipts from the company's other
// centres, with the suppliers' invoices.
#include <algorithm>

#include "core/DemoDataInternal.h"
#include "core/Values.h"

namespace kex::demo {
namespace {

enum Section { PurchasesSection = 20 };

using K = ArticleKind;

struct PurchaseItem {
    int lot = 0;
    double quantity = 0;
    double nc = 0;
    std::string account;    // the item's own acquisition account (receipts from another centre)
    std::string storzalohy; // the supplier's advance invoice the item settles
};

struct Receipt {
    std::string number;
    std::string invoice;
    std::string deliveryNote;
    DateTime date;
    char dp = '1';
    int centre = 0;
    const Partner* partner = nullptr;
    int fromCentre = -1;       // dp "5": the delivering centre
    std::string missingCentre; // dp "5" from a centre strtopc does not know
    std::vector<PurchaseItem> items;
};

class PurchasesWriter {
public:
    PurchasesWriter(Company& company, int count)
        : m_company(company), m_rng(company.stream(PurchasesSection)), m_left(count)
    {
    }

    void run()
    {
        // The kinds of receipts the posting rules tell apart come first.
        fromGrower(false);
        // The first farm company has a payable account of its own (adresar.analucet2).
        fromGrower(true, m_company.partnersOf(PartnerKind::FarmCompany).front());
        fromSupplier('2', true, true);
        fromCentre(false);
        fromCentre(true);
        ownHarvest();
        fromSupplier('0', true, false);
        returnToGrower();
        unpriced();
        while (m_left > 0) {
            const int roll = m_rng.below(100);
            if (roll < 55) {
                fromGrower(m_rng.chance(0.4));
            } else if (roll < 70) {
                const bool invoiced = m_rng.chance(0.9);
                const bool advance = m_rng.chance(0.05);
                fromSupplier('2', invoiced, advance);
            } else if (roll < 82) {
                fromCentre(false);
            } else if (roll < 94) {
                fromSupplier('0', true, false);
            } else if (roll < 97) {
                fromSupplier('0', false, false);
            } else {
                returnToGrower();
            }
        }
    }

private:
    bool take()
    {
        if (m_left < 1) return false;
        --m_left;
        return true;
    }

    int stockCentre()
    {
        static const char* const codes[] = {"10", "10", "20", "30", "40", "50"};
        return m_company.centreIndex(codes[m_rng.below(6)]);
    }

    PurchaseItem item(int lot, bool small = false)
    {
        const Lot& l = m_company.lots[lot];
        const Article& a = m_company.articles[l.article];
        PurchaseItem i;
        i.lot = lot;
        double low = 3, high = 30;
        int decimals = 3;
        if (a.kind == K::Agent)
            low = 20, high = 400, decimals = 1;
        else if (a.kind == K::GrassSeed || a.kind == K::Seed)
            low = 0.5, high = 10;
        else if (a.price > 20000)
            low = 0.5, high = 4;
        if (small) high = low * 2;
        i.quantity = m_rng.amount(low, high, decimals);
        i.nc = l.nc;
        return i;
    }

    void fillItems(Receipt& r, std::initializer_list<ArticleKind> kinds)
    {
        const int count = m_rng.between(1, 4);
        for (int n = 0; n < count; ++n) {
            int lot = m_company.pickLot(m_rng, r.centre, kinds);
            if (lot < 0) lot = m_company.pickLot(m_rng, m_company.centreIndex("10"), {K::Grain});
            r.items.push_back(item(lot));
        }
    }

    // From a random grower or farm company, or from the partner given.
    void fromGrower(bool invoiced, int partner = -1)
    {
        if (!take()) return;
        Receipt r;
        const bool company = m_rng.chance(0.5);
        r.partner =
            &m_company.partners[m_company.pickPartner(m_rng, company ? PartnerKind::FarmCompany : PartnerKind::Grower)];
        if (partner >= 0) r.partner = &m_company.partners[partner];
        r.date = m_company.documentDate(m_rng);
        r.centre = stockCentre();
        r.dp = '1';
        fillItems(r, {K::Grain, K::Oilseed});
        const bool note = m_rng.chance(0.5);
        if (invoiced && note) r.deliveryNote = "DL" + std::to_string(m_rng.between(100000, 999999));
        write(r, invoiced, false);
    }

    void fromSupplier(char dp, bool invoiced, bool advance)
    {
        if (!take()) return;
        Receipt r;
        r.partner = &m_company.partners[m_company.pickPartner(m_rng, PartnerKind::Supplier)];
        r.date = m_company.documentDate(m_rng);
        static const char* const codes[] = {"10", "20", "30", "40"};
        r.centre = m_company.centreIndex(codes[m_rng.below(4)]);
        r.dp = dp;
        fillItems(r, {K::Fertiliser, K::Agent, K::Seed, K::FeedComponent, K::GrassSeed});
        r.deliveryNote = "DL" + std::to_string(m_rng.between(100000, 999999));
        write(r, invoiced, advance);
    }

    // dp "5": taken over from another centre of the company; ico names the delivering centre. The
    // lot keeps its card there and gets one here.
    void fromCentre(bool unknownCentre)
    {
        if (!take()) return;
        Receipt r;
        r.date = m_company.documentDate(m_rng);
        r.centre = stockCentre();
        r.dp = '5';
        int from = r.centre;
        while (from == r.centre) from = stockCentre();
        if (unknownCentre) {
            r.missingCentre = "99";
            from = r.centre;
        } else {
            r.fromCentre = from;
        }
        const int count = m_rng.between(1, 4);
        for (int n = 0; n < count; ++n) {
            int lot = m_company.pickLot(m_rng, from, {K::Grain, K::Oilseed, K::Seed, K::Fertiliser, K::FeedComponent},
                                        Company::Origin::Any);
            if (lot < 0) lot = m_company.pickLot(m_rng, m_company.centreIndex("10"), {K::Grain});
            PurchaseItem i = item(m_company.cardIn(lot, r.centre));
            if (m_rng.chance(0.3)) i.account = "395.050";
            r.items.push_back(i);
        }
        write(r, false, false);
    }

    // The farm's own harvest taken into the main warehouse: own products on a dp "5" receipt.
    void ownHarvest()
    {
        if (!take()) return;
        Receipt r;
        r.date = m_company.documentDate(m_rng);
        r.centre = m_company.centreIndex("10");
        r.fromCentre = m_company.centreIndex("60");
        r.dp = '5';
        const int count = m_rng.between(1, 2);
        for (int n = 0; n < count; ++n) {
            const int lot = m_company.pickLot(m_rng, r.fromCentre, {K::Grain, K::Oilseed}, Company::Origin::Any);
            if (lot >= 0) r.items.push_back(item(m_company.cardIn(lot, r.centre)));
        }
        write(r, false, false);
    }

    // Grain taken back by the grower: negative quantities.
    void returnToGrower()
    {
        if (!take()) return;
        Receipt r;
        r.partner = &m_company.partners[m_company.pickPartner(m_rng, PartnerKind::Grower)];
        r.date = m_company.documentDate(m_rng);
        r.centre = stockCentre();
        r.dp = '1';
        int lot = m_company.pickLot(m_rng, r.centre, {K::Grain, K::Oilseed});
        if (lot < 0) lot = m_company.pickLot(m_rng, m_company.centreIndex("10"), {K::Grain});
        PurchaseItem i = item(lot, true);
        i.quantity = -i.quantity;
        r.items.push_back(i);
        write(r, false, false);
    }

    // Grain bought before its price is agreed: the lot has no price, the item's price is zero.
    void unpriced()
    {
        const int lot = m_company.findLot([](const Lot& l) { return l.nc == 0 && !l.own; });
        if (lot < 0 || !take()) return;
        Receipt r;
        r.partner = &m_company.partners[m_company.pickPartner(m_rng, PartnerKind::Grower)];
        r.date = m_company.dayInMonth(m_rng, 1, 31);
        r.centre = m_company.lots[lot].centre;
        r.dp = '1';
        r.items.push_back(item(lot));
        write(r, false, false);
    }

    void write(Receipt& r, bool invoiced, bool advance)
    {
        Writers& out = m_company.out();
        const VatRates& vat = m_company.vat();
        const bool payer = r.partner && r.partner->vatPayer;
        VatSums sums;
        for (const PurchaseItem& i : r.items) {
            const Article& a = m_company.articles[m_company.lots[i.lot].article];
            sums.addBase(payer ? a.rate : Rate::Zero, RoundTo(2, i.quantity * i.nc));
        }
        sums.computeVat(vat);
        if (advance && !r.items.empty()) r.items.front().storzalohy = writeAdvance(r);

        r.number = m_company.nextDocumentNumber('1');
        if (invoiced) r.invoice = m_company.nextInvoiceNumber(Series::Purchase);
        const std::string centre = m_company.centres[r.centre].code;
        std::string ico, name, kodpar, grower, dealer = "01";
        if (r.partner) {
            ico = r.partner->ico;
            name = r.partner->name;
            kodpar = r.partner->kodpar;
            dealer = r.partner->dealer;
            const bool fromGrower =
                r.partner->kind == PartnerKind::Grower || r.partner->kind == PartnerKind::FarmCompany;
            if (fromGrower) grower = r.partner->kodpar;
        } else if (r.fromCentre >= 0) {
            ico = m_company.centres[r.fromCentre].code;
            name = m_company.centres[r.fromCentre].name;
            kodpar = "STR" + ico;
        } else {
            ico = r.missingCentre;
            name = "Středisko " + ico;
            kodpar = "STR" + ico;
        }
        out.pv.add(RowValues()
                       .integer(out.pv.nextId())
                       .text(r.number)
                       .text(r.invoice)
                       .text(r.deliveryNote)
                       .date(r.date)
                       .text(std::string(1, r.dp))
                       .text(centre)
                       .text(dealer)
                       .text(ico)
                       .text(name)
                       .text(kodpar)
                       .text(grower)
                       .number(sums.vatReduced)
                       .number(sums.vatStandard)
                       .number(sums.baseReduced)
                       .number(sums.baseStandard)
                       .text(m_company.monthText(r.date))
                       .text(m_company.yearText(r.date))
                       .stamp(NotPosted()));
        for (const PurchaseItem& i : r.items) {
            const Lot& l = m_company.lots[i.lot];
            const Article& a = m_company.articles[l.article];
            out.pvrad.add(RowValues()
                              .integer(out.pvrad.nextId())
                              .text(r.number)
                              .text(centre)
                              .text(a.nomenkla)
                              .text(a.name)
                              .text(l.code)
                              .text(l.code)
                              .integer(l.lomeni)
                              .number(i.quantity)
                              .number(i.nc)
                              .integer(payer ? vat.of(a.rate) : 0)
                              .text(i.account)
                              .text(i.storzalohy));
        }
        if (!invoiced) return;

        InvoiceHeader inv;
        inv.number = r.invoice;
        inv.centre = centre;
        inv.rada = "PV";
        inv.supplied = r.date;
        const int lateBy = m_rng.between(0, 3);
        inv.issued = std::min(AddDays(r.date, lateBy), m_company.monthEnd(r.date));
        inv.due = AddDays(inv.issued, 30);
        inv.partner = r.partner;
        inv.sums = sums;
        inv.paidShare = m_rng.chance(0.25) ? 1 : 0;
        WriteInvoice(m_company, inv);
    }

    // An advance the company paid the supplier before the delivery (series PZ, no document of ours).
    std::string writeAdvance(const Receipt& r)
    {
        InvoiceHeader inv;
        inv.number = m_company.nextInvoiceNumber(Series::PurchaseAdvance);
        inv.centre = m_company.centres[r.centre].code;
        inv.rada = "PZ";
        inv.supplied = AddDays(r.date, -m_rng.between(5, 20));
        inv.issued = inv.supplied;
        inv.due = AddDays(inv.issued, 7);
        inv.partner = r.partner;
        inv.sums.addBase(Rate::Standard, 1000.0 * m_rng.between(10, 100));
        inv.sums.computeVat(m_company.vat());
        inv.paidShare = 1;
        WriteInvoice(m_company, inv);
        return inv.number;
    }

    Company& m_company;
    Random m_rng;
    int m_left;
};

} // namespace

void WritePurchases(Company& company, int count) { PurchasesWriter(company, count).run(); }

} // namespace kex::demo

// Sales deliveries with their invoices and cash receipts, service deliveries, and the invoice
// headers of sales and purchases.
#include <algorithm>
#include <cmath>

#include "core/DemoDataInternal.h"
#include "core/Values.h"

namespace kex::demo {
namespace {

enum Section { SalesSection = 10, ServicesSection = 11 };

using K = ArticleKind;

struct SaleItem {
    int article = 0;
    int lot = -1; // -1: no stock card (services, work, advances)
    std::string partie;
    double quantity = 0;
    double nc = 0;
    double pc = 0;
    std::string storzalohy;
    std::string cislovz;
    int centre = -1; // a service item issued from another centre's store; -1: the document's centre
};

struct Delivery {
    std::string number;
    std::string invoice;
    std::string receipt;
    DateTime date;
    int centre = 0;
    const Partner* partner = nullptr; // none: an anonymous cash sale
    bool exportSale = false;
    std::string currency = "CZK";
    double rate = 1;
    std::string creditOf;
    std::string settles;
    bool discount = false;
    DateTime invoicePosted = NotPosted(); // datumkexcf: the invoice side taken by an earlier posting
    std::vector<SaleItem> items;
};

double quantityOf(Random& rng, const Article& a, bool small)
{
    double low = 5, high = 30;
    int decimals = 3;
    switch (a.kind) {
    case K::Seed:
        low = 0.5, high = 8;
        break;
    case K::Fertiliser:
        low = 1, high = 20;
        break;
    case K::Agent:
        low = 10, high = 200, decimals = 1;
        break;
    case K::FeedComponent:
        low = 1, high = 20;
        break;
    case K::GrassSeed:
    case K::SeedMixture:
        low = 0.1, high = 2;
        break;
    case K::FeedMixture:
        low = 2, high = 25;
        break;
    default:
        if (a.price > 20000) low = 0.5, high = 3; // poppy, mustard
        break;
    }
    if (small) {
        low /= 20;
        high /= 20;
    }
    return rng.amount(low, high, decimals);
}

SaleItem stockItem(Company& company, Random& rng, int lot, bool small)
{
    const Lot& l = company.lots[lot];
    const Article& a = company.articles[l.article];
    SaleItem item;
    item.article = l.article;
    item.lot = lot;
    item.partie = l.code;
    item.quantity = quantityOf(rng, a, small);
    item.nc = l.nc;
    const double markup = rng.amount(0.95, 1.1, 3);
    item.pc = RoundTo(2, a.price * markup);
    return item;
}

// An item of goods from the centre's stock; grain from the main warehouse when the centre keeps
// none of the kinds.
SaleItem goodsItem(Company& company, Random& rng, int centre, std::initializer_list<ArticleKind> kinds, bool small)
{
    int lot = company.pickLot(rng, centre, kinds, Company::Origin::Any);
    if (lot < 0) lot = company.pickLot(rng, company.centreIndex("10"), {K::Grain});
    return stockItem(company, rng, lot, small);
}

// Transport or bagging charged on the delivery: a 3-character lot and no stock card. Lots beginning
// with 95 are transport, which is never posted as work revenue.
SaleItem chargedService(Company& company, Random& rng, bool transport)
{
    SaleItem item;
    item.article = company.articleIndex(transport ? "DOPRAVA" : "PRBAL");
    item.partie = transport ? "950" : "310";
    item.quantity = rng.amount(5, 30, 3);
    item.pc = company.articles[item.article].price;
    return item;
}

SaleItem chargedService(Company& company, Random& rng)
{
    const bool transport = rng.chance(0.5);
    return chargedService(company, rng, transport);
}

constexpr std::initializer_list<ArticleKind> kSaleKinds = {
    K::Grain, K::Oilseed, K::Seed, K::Fertiliser, K::FeedComponent, K::GrassSeed, K::FeedMixture, K::SeedMixture};

void fillGoods(Company& company, Random& rng, Delivery& d, int count, bool small)
{
    for (int i = 0; i < count; ++i) {
        const bool service = !small && !d.exportSale && rng.chance(0.08);
        d.items.push_back(service ? chargedService(company, rng)
                                  : goodsItem(company, rng, d.centre, kSaleKinds, small));
    }
}

Rate itemRate(const Company& company, const Delivery& d, const SaleItem& item)
{
    return d.exportSale ? Rate::Zero : company.articles[item.article].rate;
}

double amountOf(const SaleItem& item) { return RoundTo(2, item.quantity * item.pc); }

VatSums deliverySums(const Company& company, const Delivery& d)
{
    VatSums sums;
    for (const SaleItem& item : d.items) sums.addBase(itemRate(company, d, item), amountOf(item));
    sums.computeVat(company.vat());
    return sums;
}

// Writes the delivery and its items; returns its VAT figures.
VatSums writeDelivery(Company& company, const Delivery& d, bool invoiceDiscount)
{
    Writers& out = company.out();
    const VatSums sums = deliverySums(company, d);

    double rounding = 0;
    if (!d.receipt.empty()) rounding = RoundTo(2, RoundHalfAway(sums.total()) - sums.total());
    const Partner* p = d.partner;
    const std::string dealer = p ? p->dealer : "01";
    const double discountZ5 = invoiceDiscount ? RoundTo(2, sums.baseReduced * 0.02) : 0;
    const double discountZ23 = invoiceDiscount ? RoundTo(2, sums.baseStandard * 0.02) : 0;
    out.vn.add(RowValues()
                   .integer(out.vn.nextId())
                   .text(d.number)
                   .text(d.invoice)
                   .text(d.receipt)
                   .date(d.date)
                   .text(company.centres[d.centre].code)
                   .text(dealer)
                   .text(p ? p->ico : "")
                   .text(p ? p->name : "Prodej za hotové")
                   .text(p ? p->kodpar : "")
                   .text(d.exportSale ? "4" : "1")
                   // the customer's VAT registration in the EU; none outside it
                   .text(d.exportSale && p && p->kind == PartnerKind::ExportEu ? p->country : "")
                   .text(d.creditOf)
                   .text("")
                   .text(d.settles)
                   .text(d.currency)
                   .number(d.rate)
                   .number(sums.vatReduced)
                   .number(sums.vatStandard)
                   .number(sums.base0)
                   .number(sums.baseReduced)
                   .number(sums.baseStandard)
                   .number(rounding)
                   .number(discountZ5)
                   .number(discountZ23)
                   .text(company.monthText(d.date))
                   .text(company.yearText(d.date))
                   .stamp(NotPosted())
                   .stamp(d.invoicePosted));
    for (const SaleItem& item : d.items) {
        const Article& a = company.articles[item.article];
        const int lomeni = item.lot >= 0 ? company.lots[item.lot].lomeni : 0;
        const double pc8 = d.rate > 0 ? RoundTo(2, item.pc / d.rate) : 0;
        out.vnrad.add(RowValues()
                          .integer(out.vnrad.nextId())
                          .text(d.number)
                          .text(company.centres[d.centre].code)
                          .text(dealer)
                          .text(a.nomenkla)
                          .text(a.name)
                          .text(item.partie)
                          .text(item.partie)
                          .integer(lomeni)
                          .number(item.quantity)
                          .number(item.nc)
                          .number(item.pc)
                          .number(pc8)
                          .integer(company.vat().of(itemRate(company, d, item)))
                          .text("")
                          .text(item.storzalohy)
                          .text(item.cislovz));
    }
    return sums;
}

// The header of an invoice over the deliveries already written with its number.
void writeSalesInvoice(Company& company, Random& rng, const std::vector<Delivery>& deliveries,
                       const std::vector<VatSums>& sums, Series series, const char* rada, const char* denik)
{
    const Delivery& last = deliveries.back();
    InvoiceHeader inv;
    inv.number = last.invoice;
    inv.centre = company.centres[last.centre].code;
    inv.rada = rada;
    inv.denik = denik;
    inv.supplied = last.date;
    const int lateBy = rng.between(0, 2);
    inv.issued = std::min(AddDays(last.date, lateBy), company.monthEnd(last.date));
    const bool advance =
        series == Series::AdvanceVZ || series == Series::AdvanceVZU || series == Series::AdvanceVZPP;
    inv.due = AddDays(inv.issued, advance ? 7 : 14);
    inv.partner = last.partner;
    for (const VatSums& s : sums) inv.sums.add(s);
    inv.currency = last.currency;
    inv.rate = last.rate;
    inv.exportInvoice = last.exportSale;
    inv.discount = last.discount;
    const int paid = rng.below(10);
    inv.paidShare = paid < 7 ? 0 : paid < 9 ? 1 : 0.5;
    // The tax document of an advance is issued for a payment already received.
    if (series == Series::AdvanceVZPP) inv.paidShare = 1;
    WriteInvoice(company, inv);
}

class SalesWriter {
public:
    SalesWriter(Company& company, int count) : m_company(company), m_rng(company.stream(SalesSection)), m_left(count)
    {
        for (int i = 0; i < static_cast<int>(company.lots.size()); ++i) {
            if (!company.lots[i].own) continue;
            m_ownLots.push_back(i);
            if (company.lots[i].lomeni >= 60) m_calculatedLots.push_back(i);
        }
    }

    void run()
    {
        // The cases the posting rules branch on come first, so even a small period has them.
        invoice(3);
        receipt();
        unpricedLot();
        ownProduct();
        advanceAndSettlement();
        creditNote();
        exportSale(true, true);
        exportSale(false, true);
        zeroPrice();
        withoutExchangeRate();
        advanceAndSettlement(Series::AdvanceVZU, "VZU", "", "VZ");
        advanceAndSettlement(Series::AdvanceVZPP, "VZPP", "VZ", "VN");
        roundedOverDeliveries();
        emptiedDelivery();
        invoiceLot(m_company.nothingProducedLot);
        invoiceLot(m_company.twiceCalculatedLot);
        stockSideWaiting(false);
        stockSideWaiting(true);
        while (m_left > 0) {
            const int roll = m_rng.below(100);
            if (roll < 50) {
                const bool several = m_rng.chance(0.25);
                invoice(several ? m_rng.between(2, 3) : 1);
            } else if (roll < 68) {
                receipt();
            } else if (roll < 72) {
                exportSale(true);
            } else if (roll < 74) {
                exportSale(false);
            } else if (roll < 78) {
                creditNote();
            } else if (roll < 83) {
                advanceAndSettlement();
            } else if (roll < 85) {
                notInvoiced();
            } else {
                ownProduct();
            }
        }
    }

private:
    bool take(int slots)
    {
        if (m_left < slots) return false;
        m_left -= slots;
        return true;
    }

    Delivery start(PartnerKind kind, DateTime date)
    {
        Delivery d;
        d.partner = &m_company.partners[m_company.pickPartner(m_rng, kind)];
        d.date = date;
        static const char* const centres[] = {"10", "10", "20", "30", "40", "50", "60"};
        d.centre = m_company.centreIndex(centres[m_rng.below(7)]);
        return d;
    }

    // Writes deliveries that share one invoice and the invoice itself.
    void finishInvoice(std::vector<Delivery>& deliveries, Series series, const char* rada, const char* denik)
    {
        const std::string number = m_company.nextInvoiceNumber(series);
        std::vector<VatSums> sums;
        for (Delivery& d : deliveries) {
            d.invoice = number;
            d.number = m_company.nextDocumentNumber('2');
            sums.push_back(writeDelivery(m_company, d, d.discount));
        }
        writeSalesInvoice(m_company, m_rng, deliveries, sums, series, rada, denik);
    }

    void invoice(int deliveries)
    {
        if (deliveries < 1 || !take(deliveries)) return;
        const bool discount = m_rng.chance(0.1);
        Delivery first = start(PartnerKind::Customer, m_company.documentDate(m_rng));
        first.discount = discount;
        std::vector<Delivery> list;
        for (int i = 0; i < deliveries; ++i) {
            Delivery d = first;
            if (i > 0) {
                const int after = m_rng.between(0, 5);
                d.date = std::min(AddDays(list.back().date, after), m_company.monthEnd(list.back().date));
            }
            fillGoods(m_company, m_rng, d, m_rng.between(1, 4), false);
            list.push_back(std::move(d));
        }
        finishInvoice(list, Series::SalesFV, "FV", "VN");
        m_invoiced.push_back(list.front());
    }

    void receipt()
    {
        if (!take(1)) return;
        const bool known = m_rng.chance(0.7);
        Delivery d = start(PartnerKind::PersonCustomer, m_company.documentDate(m_rng));
        if (!known) d.partner = nullptr;
        d.centre = m_company.centreIndex(m_rng.chance(0.6) ? "10" : "20");
        fillGoods(m_company, m_rng, d, m_rng.between(1, 4), true);
        d.receipt = m_company.nextDocumentNumber('U');
        d.number = m_company.nextDocumentNumber('2');
        writeDelivery(m_company, d, false);
    }

    // A delivery of a lot bought with its price still open: the invoice can be posted, the stock
    // side waits for the price.
    void unpricedLot()
    {
        const int lot = m_company.findLot([](const Lot& l) { return l.nc == 0 && l.code.size() == 9 && !l.own; });
        if (lot < 0 || !take(1)) return;
        Delivery d = start(PartnerKind::Customer, m_company.dayInMonth(m_rng, 1, 31));
        d.centre = m_company.lots[lot].centre;
        d.items.push_back(stockItem(m_company, m_rng, lot, false));
        fillGoods(m_company, m_rng, d, m_rng.between(0, 2), false);
        std::vector<Delivery> list{d};
        finishInvoice(list, Series::SalesFV, "FV", "VN");
    }

    // Own products: seed out of a calculation (its work can be charged on the invoice), mixtures
    // and the farm's own harvest.
    void ownProduct()
    {
        if (m_ownLots.empty() || !take(1)) {
            invoice(1);
            return;
        }
        const bool fromCalculation = !m_calculatedLots.empty() && m_rng.chance(0.5);
        const int lot = fromCalculation ? m_rng.pick(m_calculatedLots) : m_rng.pick(m_ownLots);
        writeLotInvoice(lot);
    }

    // A delivery of the lot given (none when it is -1), invoiced alone.
    void invoiceLot(int lot)
    {
        if (lot < 0 || !take(1)) return;
        writeLotInvoice(lot);
    }

    void writeLotInvoice(int lot)
    {
        Delivery d = start(PartnerKind::Customer, m_company.dayInMonth(m_rng, 1, 31));
        d.centre = m_company.lots[lot].centre;
        d.items.push_back(stockItem(m_company, m_rng, lot, false));
        fillGoods(m_company, m_rng, d, m_rng.between(0, 2), false);
        std::vector<Delivery> list{d};
        finishInvoice(list, Series::SalesFV, "FV", "VN");
    }

    // An advance invoice (series VZ, VZU or VZPP) on a delivery of its own, and the later delivery
    // whose invoice deducts it: an item of minus one advance with the advance's number in
    // storzalohy. A settlement kept in the advance journal (denik "VZ") does not swap the
    // deduction's sides.
    void advanceAndSettlement(Series series = Series::AdvanceVZ, const char* rada = "VZ", const char* advanceDenik = "",
                              const char* settlementDenik = "VN")
    {
        if (m_left < 2) {
            invoice(1);
            return;
        }
        take(2);
        Delivery settlement = start(PartnerKind::Customer, m_company.dayInMonth(m_rng, 15, 31));
        fillGoods(m_company, m_rng, settlement, m_rng.between(1, 3), false);
        // The advance was asked at the rate of the first goods, for part of the goods at that rate.
        const Rate rate = m_company.articles[settlement.items.front().article].rate;
        double goods = 0;
        for (const SaleItem& i : settlement.items)
            if (m_company.articles[i.article].rate == rate) goods += amountOf(i);
        const double share = m_rng.amount(0.3, 0.6, 2);
        const double advanceBase = std::max(100.0, RoundTo(-2, goods * share));
        const int advanceArticle = m_company.articleIndex(rate == Rate::Reduced ? "ZALN" : "ZALV");

        Delivery advance = settlement;
        advance.date = m_company.dayInMonth(m_rng, 1, 10);
        advance.items.clear();
        SaleItem a;
        a.article = advanceArticle;
        a.quantity = 1;
        a.pc = advanceBase;
        advance.items.push_back(a);
        std::vector<Delivery> advanceList{advance};
        finishInvoice(advanceList, series, rada, advanceDenik);

        SaleItem deduction = a;
        deduction.quantity = -1;
        deduction.storzalohy = advanceList.front().invoice;
        deduction.cislovz = advanceList.front().number;
        settlement.items.push_back(deduction);
        settlement.settles = advanceList.front().invoice;
        std::vector<Delivery> list{settlement};
        finishInvoice(list, Series::SalesFV, "FV", settlementDenik);
    }

    // A credit note for part of the goods of an earlier invoice: negative quantities at the same
    // prices, the credited invoice in dobropiskf.
    void creditNote()
    {
        if (m_invoiced.empty()) {
            invoice(1);
            return;
        }
        if (!take(1)) return;
        const Delivery& original = m_invoiced[m_rng.below(static_cast<int>(m_invoiced.size()))];
        Delivery d = original;
        const bool sameMonth = original.date.month == m_company.options().month;
        d.date = m_company.dayInMonth(m_rng, sameMonth ? original.date.day : 1, 31);
        d.creditOf = original.invoice;
        d.settles.clear();
        d.discount = false;
        d.items.clear();
        const int count = std::min<int>(static_cast<int>(original.items.size()), m_rng.between(1, 2));
        for (int i = 0; i < count; ++i) {
            SaleItem item = original.items[i];
            const double part = m_rng.amount(0.1, 0.5, 2);
            item.quantity = -RoundTo(3, item.quantity * part);
            d.items.push_back(item);
        }
        std::vector<Delivery> list{d};
        finishInvoice(list, Series::CreditDF, "DF", "DF");
    }

    // Goods abroad at 0 %; `charged`: bagging (to the EU) or transport (outside it) charged too, a
    // 3-character lot that takes the export VAT codes of work.
    void exportSale(bool eu, bool charged = false)
    {
        if (!take(1)) return;
        Delivery d = start(eu ? PartnerKind::ExportEu : PartnerKind::ExportThird, m_company.documentDate(m_rng));
        d.exportSale = true;
        d.currency = "EUR";
        d.rate = m_company.eurRate();
        d.centre = m_company.centreIndex(m_rng.chance(0.5) ? "10" : "50");
        for (int i = m_rng.between(1, charged ? 3 : 4); i > 0; --i)
            d.items.push_back(goodsItem(m_company, m_rng, d.centre, {K::Grain, K::Oilseed}, false));
        if (charged) d.items.push_back(chargedService(m_company, m_rng, !eu));
        std::vector<Delivery> list{d};
        finishInvoice(list, Series::ExportDO, "DO", "DO");
    }

    // A sample given free of charge beside goods sold.
    void zeroPrice()
    {
        if (!take(1)) return;
        Delivery d = start(PartnerKind::Customer, m_company.dayInMonth(m_rng, 1, 31));
        fillGoods(m_company, m_rng, d, m_rng.between(1, 2), false);
        SaleItem sample = goodsItem(m_company, m_rng, d.centre, kSaleKinds, true);
        sample.pc = 0;
        d.items.push_back(sample);
        std::vector<Delivery> list{d};
        finishInvoice(list, Series::SalesFV, "FV", "VN");
    }

    // An old-style domestic invoice without currency and exchange rate (kurz 0).
    void withoutExchangeRate()
    {
        if (!take(1)) return;
        Delivery d = start(PartnerKind::Customer, m_company.documentDate(m_rng));
        d.currency = "";
        d.rate = 0;
        fillGoods(m_company, m_rng, d, m_rng.between(1, 3), false);
        std::vector<Delivery> list{d};
        finishInvoice(list, Series::SalesFV, "FV", "VN");
    }

    // An invoice over two deliveries to the first customer (who has a receivable account of its
    // own) whose total ends in 40 hellers, so the invoice is rounded down by 0.40. The second
    // delivery also leases storage space, a domestic sale at 0 %; its price is what makes the
    // total end so.
    void roundedOverDeliveries()
    {
        if (!take(2)) return;
        Delivery first = start(PartnerKind::Customer, m_company.dayInMonth(m_rng, 1, 20));
        first.partner = &m_company.partners[m_company.partnersOf(PartnerKind::Customer).front()];
        Delivery second = first;
        fillGoods(m_company, m_rng, first, m_rng.between(1, 3), false);
        second.date = std::min(AddDays(first.date, m_rng.between(1, 5)), m_company.monthEnd(first.date));
        fillGoods(m_company, m_rng, second, m_rng.between(1, 2), false);
        SaleItem lease;
        lease.article = m_company.articleIndex("NAJEM");
        lease.quantity = 1;
        lease.pc = m_company.articles[lease.article].price;
        second.items.push_back(lease);
        // In hellers, so no binary fraction decides the rounding.
        const long long total = std::llround(deliverySums(m_company, first).total() * 100) +
                                std::llround(deliverySums(m_company, second).total() * 100);
        const long long add = ((40 - total % 100) % 100 + 100) % 100;
        second.items.back().pc = RoundTo(2, lease.pc + static_cast<double>(add) / 100);
        std::vector<Delivery> list{first, second};
        finishInvoice(list, Series::SalesFV, "FV", "VN");
    }

    // A delivery note emptied when its goods went onto the next note of the same invoice: the
    // invoice's first delivery has no items.
    void emptiedDelivery()
    {
        if (!take(2)) return;
        Delivery emptied = start(PartnerKind::Customer, m_company.dayInMonth(m_rng, 1, 25));
        Delivery full = emptied;
        full.date = std::min(AddDays(emptied.date, m_rng.between(0, 3)), m_company.monthEnd(emptied.date));
        fillGoods(m_company, m_rng, full, m_rng.between(1, 3), false);
        std::vector<Delivery> list{emptied, full};
        finishInvoice(list, Series::SalesFV, "FV", "VN");
    }

    // A delivery whose invoice side an earlier posting took while a 9-character lot of it had no
    // price yet; the price has come since, so its stock side waits on the list "VN nc" (journal
    // "Vn", or "Vc" when it was paid by a cash receipt). All its lots have their price.
    void stockSideWaiting(bool receipt)
    {
        const int centre = m_company.centreIndex("10");
        const int lot = m_company.findLot(
            [&](const Lot& l) { return l.centre == centre && l.code.size() == 9 && l.nc > 0 && !l.own; });
        if (lot < 0 || !take(1)) return;
        Delivery d = start(receipt ? PartnerKind::PersonCustomer : PartnerKind::Customer, m_company.earlierDate(m_rng));
        d.centre = centre;
        d.invoicePosted = m_company.earlierPostingStamp(d.date);
        d.items.push_back(stockItem(m_company, m_rng, lot, receipt));
        const SaleItem more = goodsItem(m_company, m_rng, centre, {K::Grain, K::Oilseed, K::Fertiliser}, receipt);
        if (more.nc > 0) d.items.push_back(more);
        if (receipt) {
            d.receipt = m_company.nextDocumentNumber('U');
            d.number = m_company.nextDocumentNumber('2');
            writeDelivery(m_company, d, false);
            return;
        }
        std::vector<Delivery> list{d};
        finishInvoice(list, Series::SalesFV, "FV", "VN");
    }

    // Goods delivered and not invoiced yet: no list shows them.
    void notInvoiced()
    {
        if (!take(1)) return;
        Delivery d = start(PartnerKind::Customer, m_company.documentDate(m_rng));
        fillGoods(m_company, m_rng, d, m_rng.between(1, 4), false);
        d.number = m_company.nextDocumentNumber('2');
        writeDelivery(m_company, d, false);
    }

    Company& m_company;
    Random m_rng;
    int m_left;
    std::vector<Delivery> m_invoiced;
    std::vector<int> m_ownLots;
    std::vector<int> m_calculatedLots; // own lots of calculations: lomeni 60 and more
};

// ---- Services -----------------------------------------------------------------------------------

struct ServiceDoc {
    std::string number;
    std::string invoice;
    DateTime date;
    int centre = 0;
    const Partner* partner = nullptr;
    std::string lot;      // the customer's lot processed
    std::string nomenkla; // its article
    double cleaning = 0, drying = 0, transport = 0;
    Rate cleaningRate = Rate::Standard, dryingRate = Rate::Standard, transportRate = Rate::Standard;
    Rate treatmentRate = Rate::Standard;
    DateTime invoicePosted = NotPosted(); // datumkexcf: the invoice side taken by an earlier posting
    std::vector<SaleItem> items;
};

// What a service document of a special case has; the ordinary document has none of it.
struct ServiceCase {
    bool unpricedAgent = false;      // its first agent is a 9-character lot still without a price
    bool pricedAgent = false;        // its first agent is a 9-character lot whose price has come
    bool agentFromElsewhere = false; // its first agent comes from the store of another centre
    bool zeroRatedTransport = false; // carriage abroad, exempt: a service rate of 0 %
    bool earlier = false;            // dated before the period, its invoice side already posted
    int partner = -1;                // the customer; -1: drawn
};

class ServicesWriter {
public:
    ServicesWriter(Company& company, int count)
        : m_company(company), m_rng(company.stream(ServicesSection)), m_left(count)
    {
    }

    void run()
    {
        // The first farm company has a receivable account of its own (adresar.analucet1).
        invoice(2, {.partner = m_company.partnersOf(PartnerKind::FarmCompany).front()});
        invoice(1, {.unpricedAgent = true});
        invoice(1, {.agentFromElsewhere = true});
        invoice(1, {.zeroRatedTransport = true});
        invoice(1, {}, Series::AdvanceVZ, "VZ", "VZ");
        // No journal code: the invoice's series stands in for it.
        invoice(1, {}, Series::ServicesFU, "FU", "");
        // Posted on the invoice side while its agent had no price; the stock side waits on "VU nc".
        invoice(1, {.pricedAgent = true, .earlier = true});
        while (m_left > 0) {
            const int roll = m_rng.below(100);
            if (roll < 3) {
                notInvoiced();
            } else {
                const bool several = m_rng.chance(0.2);
                invoice(several ? 2 : 1, {});
            }
        }
    }

private:
    // A service document; with `previous` another one of the same invoice: same customer and
    // centre, a few days later.
    ServiceDoc make(const ServiceCase& c, const ServiceDoc* previous)
    {
        ServiceDoc d;
        const bool company = m_rng.chance(0.6);
        d.partner =
            &m_company.partners[m_company.pickPartner(m_rng, company ? PartnerKind::FarmCompany : PartnerKind::Grower)];
        if (c.partner >= 0) d.partner = &m_company.partners[c.partner];
        d.date = m_company.documentDate(m_rng);
        if (c.earlier) {
            d.date = m_company.earlierDate(m_rng);
            d.invoicePosted = m_company.earlierPostingStamp(d.date);
        }
        const bool withAgent = c.unpricedAgent || c.pricedAgent || c.agentFromElsewhere;
        const bool plant = withAgent || m_rng.chance(0.8);
        d.centre = m_company.centreIndex(plant ? "40" : "50");
        if (previous) {
            d.partner = previous->partner;
            d.centre = previous->centre;
            const int after = m_rng.between(0, 4);
            d.date = std::min(AddDays(previous->date, after), m_company.monthEnd(previous->date));
        }
        const bool atPlant = m_company.centres[d.centre].code == "40";
        d.lot = "Z" + m_company.yearText(d.date).substr(2) + PadLeft(std::to_string(m_rng.between(1, 99999)), U'0', 5);
        static const char* const seeds[] = {"OSPSOZ", "OSJECJ", "OSREP", "OSKUK"};
        d.nomenkla = seeds[m_rng.below(4)];
        const double tonnes = m_rng.amount(5, 60, 3);
        const Article& cleaning = m_company.articles[m_company.articleIndex("CIST")];
        const Article& drying = m_company.articles[m_company.articleIndex("SUS")];
        const bool cleaned = atPlant ? m_rng.chance(0.85) : m_rng.chance(0.3);
        const bool dried = atPlant ? m_rng.chance(0.3) : true;
        const bool carried = m_rng.chance(0.25) || c.zeroRatedTransport;
        const int km = m_rng.between(5, 60);
        if (cleaned) d.cleaning = RoundTo(2, tonnes * cleaning.price);
        if (dried) d.drying = RoundTo(2, tonnes * drying.price);
        if (carried) d.transport = RoundTo(2, tonnes * km * m_company.price(2.6));
        if (m_rng.chance(0.15)) d.cleaningRate = Rate::Reduced;
        if (m_rng.chance(0.1)) d.dryingRate = Rate::Reduced;
        if (c.zeroRatedTransport) d.transportRate = Rate::Zero;

        const bool treated = atPlant && (withAgent || m_rng.chance(0.65));
        if (treated) {
            SaleItem work;
            work.article = m_company.articleIndex("MORENI");
            work.partie = "903";
            work.quantity = tonnes;
            work.pc = m_company.articles[work.article].price;
            d.items.push_back(work);
            const int agents = m_rng.between(1, 2);
            auto agentLot = [&](bool priced) {
                return m_company.findLot([&](const Lot& l) {
                    return (l.nc > 0) == priced && l.code.size() == 9 && l.centre == d.centre &&
                           m_company.articles[l.article].kind == K::Agent;
                });
            };
            for (int i = 0; i < agents; ++i) {
                int lot = m_company.pickLot(m_rng, d.centre, {K::Agent});
                if (c.unpricedAgent && i == 0) lot = agentLot(false);
                if (c.pricedAgent && i == 0) lot = agentLot(true);
                // A document whose stock side is to be posted has no agent still waiting for its price.
                const bool waits = lot >= 0 && m_company.lots[lot].nc == 0;
                if (c.agentFromElsewhere && i == 0 && waits) lot = agentLot(true);
                if ((c.pricedAgent || c.agentFromElsewhere) && i > 0 && waits) continue;
                if (lot < 0) continue;
                int itemCentre = -1;
                if (c.agentFromElsewhere && i == 0) {
                    itemCentre = m_company.centreIndex("10");
                    lot = m_company.cardIn(lot, itemCentre);
                }
                const Lot& l = m_company.lots[lot];
                SaleItem agent;
                agent.centre = itemCentre;
                agent.article = l.article;
                agent.lot = lot;
                agent.partie = l.code;
                const double dose = m_rng.amount(1.5, 2.5, 2);
                agent.quantity = RoundTo(1, tonnes * dose);
                agent.nc = l.nc;
                agent.pc = m_company.articles[l.article].price;
                d.items.push_back(agent);
            }
        } else {
            SaleItem bags;
            bags.article = m_company.articleIndex("OBAL");
            bags.partie = "801";
            bags.quantity = std::ceil(tonnes);
            bags.pc = m_company.articles[bags.article].price;
            d.items.push_back(bags);
        }
        return d;
    }

    VatSums write(const ServiceDoc& d)
    {
        Writers& out = m_company.out();
        const VatRates& vat = m_company.vat();
        VatSums sums;
        sums.addBase(d.cleaningRate, d.cleaning);
        sums.addBase(d.dryingRate, d.drying);
        sums.addBase(d.transportRate, d.transport);
        for (const SaleItem& item : d.items) sums.addBase(d.treatmentRate, amountOf(item));
        sums.computeVat(vat);
        const std::string centre = m_company.centres[d.centre].code;
        out.vu.add(RowValues()
                       .integer(out.vu.nextId())
                       .text(d.number)
                       .text(d.invoice)
                       .date(d.date)
                       .text(centre)
                       .text(d.partner->dealer)
                       .text(d.partner->ico)
                       .text(d.partner->name)
                       .text(d.partner->kodpar)
                       .text(d.lot)
                       .text(d.nomenkla)
                       .number(d.cleaning)
                       .number(d.drying)
                       .number(d.transport)
                       .integer(vat.of(d.cleaningRate))
                       .integer(vat.of(d.dryingRate))
                       .integer(vat.of(d.transportRate))
                       .integer(vat.of(d.treatmentRate))
                       .number(sums.vatReduced)
                       .number(sums.vatStandard)
                       .number(sums.baseReduced)
                       .number(sums.baseStandard)
                       .text(m_company.monthText(d.date))
                       .text(m_company.yearText(d.date))
                       .stamp(NotPosted())
                       .stamp(d.invoicePosted));
        for (const SaleItem& item : d.items) {
            const Article& a = m_company.articles[item.article];
            out.vurad.add(RowValues()
                              .integer(out.vurad.nextId())
                              .text(d.number)
                              .text(item.centre >= 0 ? m_company.centres[item.centre].code : centre)
                              .text(a.nomenkla)
                              .text(a.name)
                              .text(item.partie)
                              .text(item.partie)
                              .integer(item.lot >= 0 ? m_company.lots[item.lot].lomeni : 0)
                              .number(item.quantity)
                              .number(item.nc)
                              .number(item.pc));
        }
        return sums;
    }

    // Documents of one invoice; the case is that of the first document, the others are ordinary.
    void invoice(int documents, const ServiceCase& c, Series series = Series::ServicesFU, const char* rada = "FU",
                 const char* denik = "VU")
    {
        if (m_left < documents) return;
        m_left -= documents;
        std::vector<ServiceDoc> docs;
        for (int i = 0; i < documents; ++i) {
            ServiceDoc d = make(i == 0 ? c : ServiceCase{}, i > 0 ? &docs.back() : nullptr);
            docs.push_back(std::move(d));
        }
        const std::string number = m_company.nextInvoiceNumber(series);
        InvoiceHeader inv;
        for (ServiceDoc& d : docs) {
            d.number = m_company.nextDocumentNumber('3');
            d.invoice = number;
            inv.sums.add(write(d));
        }
        const ServiceDoc& last = docs.back();
        inv.number = number;
        inv.centre = m_company.centres[last.centre].code;
        inv.rada = rada;
        inv.denik = denik;
        inv.supplied = last.date;
        const int lateBy = m_rng.between(0, 2);
        inv.issued = std::min(AddDays(last.date, lateBy), m_company.monthEnd(last.date));
        inv.due = AddDays(inv.issued, 14);
        inv.partner = last.partner;
        inv.paidShare = m_rng.chance(0.3) ? 1 : 0;
        WriteInvoice(m_company, inv);
    }

    void notInvoiced()
    {
        --m_left;
        ServiceDoc d = make({}, nullptr);
        d.number = m_company.nextDocumentNumber('3');
        write(d);
    }

    Company& m_company;
    Random m_rng;
    int m_left;
};

} // namespace

void WriteInvoice(Company& company, const InvoiceHeader& inv)
{
    TableWriter& fakt = company.out().fakt;
    const double total = inv.sums.total();
    const double rounded = RoundHalfAway(total);
    const double halere = RoundTo(2, rounded - total);
    const double foreign = inv.rate > 0 ? RoundTo(2, rounded / inv.rate) : 0;
    const double discount = inv.discount ? RoundTo(2, rounded * 0.02) : 0;
    const DateTime discountDue = inv.discount ? AddDays(inv.issued, 7) : NotPosted();
    const Partner& p = *inv.partner;
    fakt.add(RowValues()
                 .integer(fakt.nextId())
                 .text(inv.number)
                 .text(inv.centre)
                 .text(inv.denik)
                 .text(inv.rada)
                 .date(inv.supplied)
                 .date(inv.issued)
                 .date(inv.due)
                 .number(rounded)
                 .number(halere)
                 .text(p.ico)
                 .text(p.kodpar)
                 .text(p.dic)
                 .text(p.name)
                 .text(p.town)
                 .text(p.street)
                 .text(p.psc)
                 .text(p.post)
                 .number(inv.sums.vatReduced)
                 .number(inv.sums.vatStandard)
                 .number(inv.sums.base0)
                 .number(inv.sums.baseReduced)
                 .number(inv.sums.baseStandard)
                 .text(inv.currency)
                 .number(inv.rate)
                 .number(foreign)
                 .number(discount)
                 .date(discountDue)
                 .text(inv.exportInvoice ? "A" : "")
                 .number(RoundTo(2, rounded * inv.paidShare)));
}

void WriteSales(Company& company, int count) { SalesWriter(company, count).run(); }

void WriteServices(Company& company, int count) { ServicesWriter(company, count).run(); }

} // namespace kex::demo

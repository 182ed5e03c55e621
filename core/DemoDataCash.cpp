// Cash-desk vouchers and carriers' transport invoices.
#include <algorithm>

#include "core/DemoDataInternal.h"
#include "core/Values.h"

namespace kex::demo {
namespace {

enum Section { CashSection = 40, TransportSection = 41 };

struct CashLine {
    const char* text;
    const char* predko;
    const char* counter; // ucet2; empty: the receivable of the cash desk's own receipts
    Rate rate;
    double low, high;
    bool grower = false; // paid to or by a partner of the address book
};

struct VoucherType {
    const char* code;
    char pohyb;
    std::vector<CashLine> lines;
};

const std::vector<VoucherType>& voucherTypes()
{
    const Rate Z = Rate::Zero, R = Rate::Reduced, S = Rate::Standard;
    static const std::vector<VoucherType> types = {
        {"PPD",
         'P',
         {{"Tržba za drobný prodej", "Tržba", "604.900", S, 200, 8000},
          {"Prodej odpadu ze sušárny", "Tržba", "604.910", R, 100, 3000},
          {"Vklad z banky", "Převod", "261.100", Z, 5000, 50000},
          {"Vrácení zálohy na cestovné", "Záloha", "335.100", Z, 200, 3000},
          {"Úhrada faktury v hotovosti", "Úhrada", "311.100", Z, 1000, 40000, true}}},
        {"VPD",
         'V',
         {{"Nákup PHM", "PHM", "501.200", S, 500, 6000},
          {"Oprava techniky", "Opravy", "511.100", S, 300, 15000},
          {"Kancelářské potřeby", "Režie", "501.300", S, 50, 2000},
          {"Občerstvení na poradu", "Režie", "513.100", S, 100, 1500},
          {"Poštovné", "Režie", "518.300", Z, 20, 500},
          {"Záloha na cestovné", "Záloha", "335.100", Z, 500, 5000},
          {"Výkup od pěstitele v hotovosti", "Výkup", "321.100", Z, 2000, 60000, true}}},
        {"VPN",
         'V',
         {{"Odborná literatura", "Režie", "501.300", R, 100, 1500}, {"Pitná voda", "Režie", "501.300", R, 50, 800}}},
        // Cash taken for sales receipts: their VAT is posted with the receipts themselves.
        {"SEU", 'P', {{"Tržba za účtenky", "Účtenky", "", Z, 1000, 30000}}},
    };
    return types;
}

class CashWriter {
public:
    CashWriter(Company& company, int count) : m_company(company), m_rng(company.stream(CashSection)), m_left(count) {}

    void run()
    {
        voucher(3, false); // SEU
        voucher(0, true);  // receipt with a payment among its items
        while (m_left > 0) {
            const int roll = m_rng.below(100);
            voucher(roll < 30 ? 0 : roll < 75 ? 1 : roll < 85 ? 2 : 3, false);
        }
    }

private:
    void voucher(int typeIndex, bool mixed)
    {
        if (m_left < 1) return;
        --m_left;
        static const char* const desks[] = {"10", "10", "20", "90"};
        const int centre = m_company.centreIndex(desks[m_rng.below(4)]);
        const std::string code = m_company.centres[centre].code;
        const VoucherType& type = voucherTypes()[typeIndex];
        const DateTime date = m_company.documentDate(m_rng);
        const std::string number = m_company.nextNumber("PD", 6);
        const std::string serial = m_company.nextNumber(code + "/", 4);
        // Partner of the voucher: someone of the address book for partner lines, else the
        // employee who paid or took the cash.
        const Partner& partner = m_company.partners[m_company.pickPartner(m_rng, PartnerKind::Grower)];
        const Partner& employee = m_company.partners[m_company.pickPartner(m_rng, PartnerKind::PersonCustomer)];

        const int items = m_rng.between(mixed ? 2 : 1, 4);
        TableWriter& out = m_company.out().pokladna;
        for (int i = 1; i <= items; ++i) {
            const VoucherType& itemType = mixed && i == items ? voucherTypes()[1] : type;
            const CashLine& line = m_rng.pick(itemType.lines);
            const bool whole = m_rng.chance(0.5);
            const double base =
                whole ? RoundTo(0, m_rng.amount(line.low, line.high, 0)) : m_rng.amount(line.low, line.high, 2);
            const int rate = m_company.vat().of(line.rate);
            const double vat = RoundTo(2, base * rate / 100.0);
            const double rounding = RoundTo(2, RoundHalfAway(base + vat) - (base + vat));
            const bool receipt = itemType.pohyb == 'P';
            std::string vatAccount;
            if (rate != 0)
                vatAccount = receipt ? (line.rate == Rate::Reduced ? "343.110" : "343.120")
                                     : (line.rate == Rate::Reduced ? "343.210" : "343.220");
            const std::string counter = *line.counter ? line.counter : "311." + code;
            const bool otherCentre = m_rng.chance(0.4);
            const std::string costCentre = otherCentre ? m_company.centres[m_rng.below(6)].code : code;
            const Partner& who = line.grower ? partner : employee;
            const std::string taxDocument = rate != 0 ? "DD" + std::to_string(m_rng.between(100000, 999999)) : "";
            out.add(RowValues()
                        .integer(out.nextId())
                        .text(number)
                        .integer(i)
                        .text(serial)
                        .date(date)
                        .text(type.code)
                        .text(std::string(1, itemType.pohyb))
                        .text(line.grower ? who.ico : "")
                        .text(who.name)
                        .text(line.text)
                        .text(line.predko)
                        .text(taxDocument)
                        .number(base)
                        .number(vat)
                        .number(rounding)
                        .integer(rate)
                        .text("211." + code)
                        .text(counter)
                        .text(vatAccount)
                        .text(receipt ? "648.300" : "548.300")
                        .text(code)
                        .text(costCentre)
                        .text(m_company.monthText(date))
                        .text(m_company.yearText(date))
                        .stamp(NotPosted()));
        }
    }

    Company& m_company;
    Random m_rng;
    int m_left;
};

// A carrier's invoice over one to four transport orders of one centre. Its total is split over the
// orders by tonne-kilometres, or by tonnes when an order has no distance.
enum class TransportCase { Ordinary, WithoutDistance, EmptyRun, Single };

void writeTransportInvoice(Company& company, Random& rng, TransportCase kind)
{
    const Partner& carrier = company.partners[company.pickPartner(rng, PartnerKind::Carrier)];
    static const char* const centres[] = {"10", "20", "30", "40", "50"};
    const std::string centre = centres[rng.below(5)];
    const int orders = kind == TransportCase::Single ? 1 : kind == TransportCase::Ordinary ? rng.between(1, 4) : 3;
    static const char* const goods[] = {"PSOZ", "PSKR", "JECJ", "REPKA", "KUKU", "LAV27", "DAM390", "SOJA"};
    const double tariff = company.price(2.4); // per tonne-kilometre
    const double flat = company.price(150);   // per tonne, for loads without a distance

    struct Order {
        std::string number;
        DateTime date;
        double tonnes = 0;
        double km = 0;
        int article = 0;
    };
    std::vector<Order> list;
    double total = 0;
    for (int i = 0; i < orders; ++i) {
        Order o;
        o.number = company.nextNumber("OB", 6);
        o.date = company.documentDate(rng);
        o.tonnes = rng.amount(5, 28, 2);
        o.km = rng.between(5, 250);
        o.article = company.articleIndex(goods[rng.below(8)]);
        if (kind == TransportCase::WithoutDistance && i == 1) o.km = 0;
        if (kind == TransportCase::EmptyRun && i == 1) o.tonnes = 0;
        total = RoundTo(2, total + RoundTo(2, o.km > 0 ? o.tonnes * o.km * tariff : o.tonnes * flat));
        list.push_back(o);
    }
    DateTime supplied = list.front().date;
    for (const Order& o : list) supplied = std::max(supplied, o.date);
    const DateTime due = AddDays(supplied, 30);
    const std::string invoice = company.nextNumber("D", 6);

    TableWriter& out = company.out().dopr_kexc;
    for (const Order& o : list) {
        const Article& a = company.articles[o.article];
        out.add(RowValues()
                    .integer(out.nextId())
                    .text(invoice)
                    .text(o.number)
                    .text(centre)
                    .date(supplied)
                    .date(due)
                    .date(o.date)
                    .number(total)
                    .text(carrier.ico)
                    .text(carrier.name)
                    .text(carrier.kodpar)
                    .number(o.tonnes)
                    .number(o.km)
                    .text(a.nomenkla)
                    .text(a.name)
                    .null());
    }
}

} // namespace

void WriteCashDesk(Company& company, int count) { CashWriter(company, count).run(); }

void WriteTransport(Company& company, int count)
{
    Random rng = company.stream(TransportSection);
    const TransportCase first[] = {TransportCase::WithoutDistance, TransportCase::EmptyRun, TransportCase::Single};
    for (int i = 0; i < count; ++i) writeTransportInvoice(company, rng, i < 3 ? first[i] : TransportCase::Ordinary);
}

} // namespace kex::demo

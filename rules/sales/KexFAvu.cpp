// The invoice side of a service delivery. An invoice may cover several service documents: its
// open-item record and rounding pair come with the first of them met in the posting, and every
// document adds its own service, treatment and VAT lines. The revenue comes from the header's
// cleaning, drying and transport amounts and from the treatment items. Advance series are
// posted like any other invoice here.
#include "core/Values.h"
#include "rules/sales/CustomerSide.h"

namespace kex {
namespace {

// Treatment items whose lot code has 9 characters or more are agents issued from stock; shorter
// ones are the treatment work itself.
constexpr int kAgentLotLength = 9;

class ServiceInvoicePosting {
public:
    ServiceInvoicePosting(RuleContext& ctx, const SalesDelivery& d, const db::Row* invoice)
        : m_ctx(ctx), m_s(ctx.settings), m_st(ctx.state), m_d(d), m_invoice(invoice)
    {
    }

    void writeRecord();
    void writeRounding();
    void writeServices();
    void writeTreatment();
    void writeVat();
    void writeSummary();

private:
    // No advance or export accounts for services.
    std::string customerAccount() const { return InvoiceCustomerAccount(m_ctx, m_d, false); }
    std::string vatCode(long long rate) const;
    JournalLine line() const;
    // The customer's debit (with sou311321 its share of the summary line) and the revenue credit.
    void writeRevenue(long double amount, const std::string& account, const std::string& v343, const std::string& text);

    RuleContext& m_ctx;
    const Settings& m_s;
    SessionState& m_st;
    const SalesDelivery& m_d;
    const db::Row* m_invoice;
};

// A service at the reduced rate takes the reduced code; every other rate, 0 included, the standard one.
std::string ServiceInvoicePosting::vatCode(long long rate) const
{
    return rate == m_st.VatRateReduced ? m_s.KODnVU : m_s.KODvVU;
}

JournalLine ServiceInvoicePosting::line() const
{
    const db::Row& doc = m_d.row;
    JournalLine l = DocumentLine(m_ctx, doc);
    l.symbol = doc.text("cislofakt");
    l.text = doc.text("partie");
    l.datzdp = doc.asDate("datumvu");
    l.nomenkla = doc.text("nomenkla");
    l.datspl = m_st.CurrentDocDate;
    return l;
}

void ServiceInvoicePosting::writeRecord()
{
    // The centre structure is the document's, made current by KexVU: a service invoice is kept
    // where the seed was processed.
    OpenItemRecord r = InvoiceRecord(m_ctx, m_d, m_invoice);
    r.ucet = customerAccount();
    r.text = "Čištění osiva " + m_d.row.text("partie");
    m_ctx.lines.add(r);
}

// The invoice's rounding difference: customer debit, rounding credit.
void ServiceInvoicePosting::writeRounding()
{
    m_st.LineAmount = FieldAmount(m_invoice, "halere");
    if (m_st.LineAmount == 0) return;
    WriteRoundingPair(m_ctx, line(), customerAccount(), m_st.LineAmount);
}

void ServiceInvoicePosting::writeRevenue(long double amount, const std::string& account, const std::string& v343,
                                         const std::string& text)
{
    m_st.LineAmount = amount;
    if (amount == 0) return;
    JournalLine customer = line(), revenue = line();
    customer.text = revenue.text = text;
    customer.ucet = customerAccount();
    revenue.ucet = account;
    revenue.v343 = v343;
    WriteCustomerPair(m_ctx, customer, revenue, amount);
}

// Cleaning, drying and transport, each with its own amount and VAT rate on the header.
void ServiceInvoicePosting::writeServices()
{
    const db::Row& doc = m_d.row;
    const std::string partie = doc.text("partie");
    writeRevenue(doc.asFloat("celc"), m_s.A604VUc, vatCode(doc.asInt("dphc")), partie);
    writeRevenue(doc.asFloat("cels"), m_s.A604VUs, vatCode(doc.asInt("dphs")), partie);
    writeRevenue(doc.asFloat("celd"), m_s.A604VUd, vatCode(doc.asInt("dphd")), partie);
}

// Treatment at the treatment rate: with U602morZcenikuA5 each item on its article's own revenue
// account, otherwise summed into the treatment work and the agents.
void ServiceInvoicePosting::writeTreatment()
{
    const std::string code = vatCode(m_d.row.asInt("dphm"));
    if (m_s.U602morZcenikuA5) {
        for (const db::Row& item : m_d.items) {
            const double amount = RoundTo(2, item.asFloat("pc") * item.asFloat("hmotnostvu"));
            const std::string account =
                ExpandAccount(LeftText(item.text("analucet5"), 7), item.text("stredisko"), m_ctx.strtopc.structo(), "");
            writeRevenue(amount, account, code, item.text("nazevosiva"));
        }
        return;
    }
    long double treatment = 0, agents = 0;
    for (const db::Row& item : m_d.items) {
        const double amount = RoundTo(2, item.asFloat("pc") * item.asFloat("hmotnostvu"));
        (TextLength(item.text("partiecela")) < kAgentLotLength ? treatment : agents) += amount;
    }
    const std::string partie = m_d.row.text("partie");
    writeRevenue(treatment, m_s.A604VUm, code, partie);
    writeRevenue(agents, m_s.A604VUmoridla, code, partie);
}

// VAT at the reduced and the standard rate; services have no zero-rated line.
void ServiceInvoicePosting::writeVat()
{
    for (const VatRate& rate : ServiceVatRates(m_ctx)) WriteVatPair(m_ctx, m_d.row, line(), customerAccount(), rate);
}

// With sou311321 the customer's side of the document is one line. Services deduct no advances and
// have no foreign amounts.
void ServiceInvoicePosting::writeSummary() { WriteCustomerSummary(m_ctx, line(), customerAccount(), 0); }

} // namespace

void KexFAvu(RuleContext& ctx, const SalesDelivery& d, SalesLookups& lookups)
{
    SessionState& st = ctx.state;
    AppendKey(st.PostedIdsFAvu, d.row.text("id"));
    st.SumBase = st.SumAdvance = 0;
    const db::Row* invoice = lookups.invoice(d.row.text("cislofakt"));
    ServiceInvoicePosting posting(ctx, d, invoice);

    if (ChooseInvoiceJournal(ctx, d, invoice, lookups)) {
        posting.writeRecord();
        RememberRecord(ctx, invoice, lookups);
        posting.writeRounding();
    }
    posting.writeServices();
    posting.writeTreatment();
    posting.writeVat();
    posting.writeSummary();
}

} // namespace kex

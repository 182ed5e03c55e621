// The cash receipt of a sales delivery paid on the spot: the customer's debit and the revenue
// credit per item, the VAT credits and the receipt's rounding difference. A receipt has no
// open-item record. For the target system SBK the receipt is only marked as posted.
#include "core/Values.h"
#include "rules/sales/CustomerSide.h"

namespace kex {
namespace {

class ReceiptPosting {
public:
    ReceiptPosting(RuleContext& ctx, const SalesDelivery& d) : m_ctx(ctx), m_s(ctx.settings), m_st(ctx.state), m_d(d) {}

    void writeRounding();
    void writeItem(const db::Row& item, const SalesLookups& lookups);
    void writeVat();
    void writeSummary();

private:
    std::string customerAccount() const { return ReceiptCustomerAccount(m_ctx, m_d); }
    std::string revenueAccount(const db::Row& item) const;
    JournalLine line(const db::Row* item) const;
    JournalLine lineWithRefs(const db::Row* item) const;

    RuleContext& m_ctx;
    const Settings& m_s;
    SessionState& m_st;
    const SalesDelivery& m_d;
};

std::string ReceiptPosting::revenueAccount(const db::Row& item) const
{
    const std::string partie = item.text("partie");
    const int length = TextLength(partie);
    if (item.text("vlast_vyro") == "A") return m_s.A601;
    // Lots of 3 characters are work; those beginning with 95 are transport, not work revenue.
    if (m_s.TrzbaVNpracedefi && length == 3 && LeftText(partie, 2) != "95") return m_s.A602;
    if (m_s.TrzbaVNdefi && length > 3) return m_s.A604;
    // The article's revenue account by its VAT rate, as on an invoice: a rate template left
    // unexpanded would give an account the chart does not have.
    return ExpandAccount(LeftText(item.text("analucet2_1"), 7), m_d.row.text("stredisko"), m_ctx.strtopc.structo(),
                         item.text("dan"));
}

JournalLine ReceiptPosting::line(const db::Row* item) const
{
    JournalLine l = SalesLine(m_ctx, m_d, item);
    l.symbol = m_d.row.text("uctenka");
    l.datspl = m_d.row.asDate("datumvn1");
    return l;
}

JournalLine ReceiptPosting::lineWithRefs(const db::Row* item) const
{
    JournalLine l = line(item);
    l.pdoklad = CreditNoteRefs(m_d.row);
    return l;
}

// The receipt's rounding difference as stored on the delivery, on the last item.
void ReceiptPosting::writeRounding()
{
    m_st.LineAmount = m_d.row.asFloat("zaokrouhle");
    if (m_st.LineAmount == 0) return;
    WriteRoundingPair(m_ctx, line(m_d.last()), customerAccount(), m_st.LineAmount);
}

void ReceiptPosting::writeItem(const db::Row& item, const SalesLookups& lookups)
{
    m_ctx.strtopc.locate(item.text("stredisko"));
    m_st.LineAmount = 0;
    KexPraceZkalkulace(m_ctx, m_d, item, lookups);
    // The goods amount net of the work charged separately; not rounded again.
    m_st.LineAmount = RoundTo(2, item.asFloat("pc") * item.asFloat("hmotnostvn")) - m_st.LineAmount;
    JournalLine customer = lineWithRefs(&item), revenue = lineWithRefs(&item);
    customer.ucet = customerAccount();
    revenue.ucet = revenueAccount(item);
    revenue.v343 = ItemVatCode(m_ctx, item);
    revenue.stredisko = RevenueCentre(m_ctx, item);
    if (!item.text("storzalohy").empty()) revenue.symbol = item.text("storzalohy");
    WriteCustomerPair(m_ctx, customer, revenue, m_st.LineAmount);
}

void ReceiptPosting::writeVat()
{
    for (const VatRate& rate : SalesVatRates(m_ctx))
        WriteVatPair(m_ctx, m_d.row, lineWithRefs(m_d.first()), customerAccount(), rate);
}

// With sou311321 the customer's side of the receipt is one line.
void ReceiptPosting::writeSummary() { WriteCustomerSummary(m_ctx, lineWithRefs(m_d.first()), customerAccount(), 0); }

} // namespace

void KexUC(RuleContext& ctx, const SalesDelivery& d, const SalesLookups& lookups)
{
    SessionState& st = ctx.state;
    // Marked as posted for every target, SBK included, so the commit stamps the receipt.
    AppendKey(st.PostedIdsFA, d.row.text("id"));
    st.SumBase = st.SumAdvance = 0;
    if (ctx.settings.TypUcto == "SBK") return;

    const db::Row* first = d.first();
    ctx.strtopc.locate(FieldText(first, "stredisko"));
    ReceiptPosting posting(ctx, d);
    posting.writeRounding();
    for (const db::Row& item : d.items) posting.writeItem(item, lookups);
    ctx.strtopc.locate(FieldText(first, "stredisko"));
    posting.writeVat();
    posting.writeSummary();
}

} // namespace kex

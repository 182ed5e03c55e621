// The cash receipt of a sales delivery paid on the spot: the customer's debit and the revenue
// credit per item, the VAT credits and the receipt's rounding difference. A receipt has no
// open-item record. For the target system SBK the receipt is only marked as posted.
#include "core/Values.h"
#include "rules/sales/SalesPosting.h"

namespace kex {
namespace {

class ReceiptPosting {
public:
    ReceiptPosting(RuleContext& ctx, const SalesDelivery& d) : m_ctx(ctx), m_s(ctx.settings), m_st(ctx.state), m_d(d) {}

    void writeRounding();
    void writeItem(const db::Row& item, const SalesLookups& lookups);
    void writeVatPair(const char* vatColumn, const char* baseColumn, const std::string& account,
                      const std::string& code, int rate);
    void writeSummary();

private:
    std::string customerAccount() const
    {
        return ExpandAccount(m_s.A311uc, m_d.row.text("stredisko"), m_ctx.strtopc.structo(), "");
    }
    std::string revenueAccount(const db::Row& item) const;
    JournalLine line(const db::Row* item) const;
    // The customer's debit, or with sou311321 its share of the one summary line.
    void writeCustomer(const db::Row* item, long double amount, bool withRefs);

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

void ReceiptPosting::writeCustomer(const db::Row* item, long double amount, bool withRefs)
{
    if (m_s.sou311321) {
        m_st.SumBase += amount;
        return;
    }
    JournalLine c = line(item);
    if (withRefs) c.pdoklad = CreditNoteRefs(m_d.row);
    c.ucet = customerAccount();
    c.md = amount;
    m_ctx.lines.add(c);
}

// The receipt's rounding difference as stored on the delivery, on the last item.
void ReceiptPosting::writeRounding()
{
    m_st.LineAmount = m_d.row.asFloat("zaokrouhle");
    if (m_st.LineAmount == 0) return;
    const db::Row* last = m_d.last();
    writeCustomer(last, m_st.LineAmount, false);
    JournalLine r2 = line(last);
    r2.ucet = m_s.A548VN;
    r2.dal = m_st.LineAmount;
    m_ctx.lines.add(r2);
}

void ReceiptPosting::writeItem(const db::Row& item, const SalesLookups& lookups)
{
    m_ctx.strtopc.locate(item.text("stredisko"));
    m_st.LineAmount = 0;
    KexPraceZkalkulace(m_ctx, m_d, item, lookups);
    // The goods amount net of the work charged separately; not rounded again.
    m_st.LineAmount = RoundTo(2, item.asFloat("pc") * item.asFloat("hmotnostvn")) - m_st.LineAmount;
    writeCustomer(&item, m_st.LineAmount, true);
    JournalLine c2 = line(&item);
    c2.pdoklad = CreditNoteRefs(m_d.row);
    c2.ucet = revenueAccount(item);
    c2.v343 = ItemVatCode(m_ctx, item);
    c2.stredisko = RevenueCentre(m_ctx, item);
    if (!item.text("storzalohy").empty()) c2.symbol = item.text("storzalohy");
    c2.dal = m_st.LineAmount;
    m_ctx.lines.add(c2);
}

void ReceiptPosting::writeVatPair(const char* vatColumn, const char* baseColumn, const std::string& account,
                                  const std::string& code, int rate)
{
    m_st.LineAmount = m_d.row.asFloat(vatColumn);
    if (m_st.LineAmount == 0) return;
    const db::Row* first = m_d.first();
    writeCustomer(first, m_st.LineAmount, true);
    JournalLine vat = line(first);
    vat.pdoklad = CreditNoteRefs(m_d.row);
    vat.ucet = account;
    vat.v343 = m_s.TypUcto == "Horry" ? code : "";
    vat.zaklad = VatBaseText(rate, m_d.row, baseColumn);
    vat.dal = m_st.LineAmount;
    m_ctx.lines.add(vat);
}

void ReceiptPosting::writeSummary()
{
    if (!m_s.sou311321 || m_st.SumBase == 0) return;
    const db::Row* first = m_d.first();
    JournalLine t = line(first);
    t.pdoklad = CreditNoteRefs(m_d.row);
    t.ucet = customerAccount();
    t.md = m_st.SumBase;
    m_ctx.lines.add(t);
}

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
    posting.writeVatPair("dan5", "zaklad_5", ctx.settings.A343nVN, ctx.settings.KODnVN, st.VatRateReduced);
    posting.writeVatPair("dan23", "zaklad_23", ctx.settings.A343vVN, ctx.settings.KODvVN, st.VatRateStandard);
    posting.writeSummary();
}

} // namespace kex

// The invoice side of a sales delivery settled by an invoice. An invoice may cover several
// deliveries: its open-item record and rounding pair come with the first of them met in the
// posting, and every delivery adds its own customer, revenue and VAT lines. Advance invoices
// (series VZ, VZU) write no lines, and a record only with VZdoSalda.
#include "core/Values.h"
#include "rules/sales/CustomerSide.h"

namespace kex {
namespace {

class InvoicePosting {
public:
    InvoicePosting(RuleContext& ctx, const SalesDelivery& d, const db::Row* invoice)
        : m_ctx(ctx), m_s(ctx.settings), m_st(ctx.state), m_d(d), m_invoice(invoice),
          m_rada(FieldText(invoice, "rada")), m_export(d.row.text("znakdodav") == "4")
    {
    }

    bool advanceSeries() const { return m_rada == "VZ" || m_rada == "VZU"; }
    void writeRecord();
    void writeRounding();
    void writeItem(const db::Row& item, const SalesLookups& lookups);
    void writeVat();
    void writeSummary();

private:
    std::string customerAccount(const db::Row* item) const;
    std::string revenueAccount(const db::Row& item) const;
    std::string revenueVatCode(const db::Row& item) const;
    bool swapped(const db::Row& item) const;
    JournalLine line(const db::Row* item) const;
    JournalLine lineWithCurrency(const db::Row* item) const;
    JournalLine lineWithRefs(const db::Row* item) const;
    void writeAdvanceVat(const db::Row& item, long double foreign);
    void writeZeroRated();

    RuleContext& m_ctx;
    const Settings& m_s;
    SessionState& m_st;
    const SalesDelivery& m_d;
    const db::Row* m_invoice;
    const std::string m_rada;
    const bool m_export;
};

// Every series beginning with "VZ" settles an advance, by the item's VAT rate.
std::string InvoicePosting::customerAccount(const db::Row* item) const
{
    if (LeftText(m_rada, 2) == "VZ") return ExpandAccount(m_s.A324311, "", "", FieldText(item, "dan"));
    return InvoiceCustomerAccount(m_ctx, m_d, m_export);
}

std::string InvoicePosting::revenueAccount(const db::Row& item) const
{
    const std::string partie = item.text("partie");
    const int length = TextLength(partie);
    if (item.text("vlast_vyro") == "A") return m_export ? m_s.A601ex : m_s.A601;
    // Lots of 3 characters are work; those beginning with 95 are transport, not work revenue.
    if (m_s.TrzbaVNpracedefi && length == 3 && LeftText(partie, 2) != "95") return m_s.A602;
    if (m_s.TrzbaVNdefiExport && m_export && length > 3) return m_s.A604ex;
    if (m_s.TrzbaVNdefi && length > 3) return m_s.A604;
    return ExpandAccount(LeftText(item.text("analucet2_1"), 7), m_d.row.text("stredisko"), m_ctx.strtopc.structo(),
                         item.text("dan"));
}

std::string InvoicePosting::revenueVatCode(const db::Row& item) const
{
    if (m_s.TypUcto == "UNI") return item.text("dan");
    const long long rate = item.asInt("dan");
    if (!m_export || rate == m_st.VatRateReduced || rate == m_st.VatRateStandard) return ItemVatCode(m_ctx, item);
    // An export at any other rate: goods or work, to a VAT payer or not.
    const bool goods = TextLength(item.text("partie")) > 3;
    if (!m_d.row.text("kod_platce").empty()) return goods ? m_s.KODeVN : m_s.KODeVNprace;
    return goods ? m_s.KODe3VN : m_s.KODe3VNprace;
}

// The deduction of a settled advance: its debit and credit change sides. An advance invoice's
// own items are never swapped.
bool InvoicePosting::swapped(const db::Row& item) const
{
    return m_s.VZnaFAotocitMD_DAL && !item.text("storzalohy").empty() && m_st.CurrentDenik != "VZ";
}

JournalLine InvoicePosting::line(const db::Row* item) const
{
    JournalLine l = SalesLine(m_ctx, m_d, item);
    l.symbol = m_d.row.text("cislofakt");
    l.datspl = m_st.CurrentDocDate;
    return l;
}

JournalLine InvoicePosting::lineWithRefs(const db::Row* item) const
{
    JournalLine l = line(item);
    l.pdoklad = CreditNoteRefs(m_d.row);
    return l;
}

JournalLine InvoicePosting::lineWithCurrency(const db::Row* item) const
{
    JournalLine l = lineWithRefs(item);
    l.mena = m_d.row.text("mena");
    l.kurz = m_d.row.asFloat("kurz");
    return l;
}

void InvoicePosting::writeRecord()
{
    OpenItemRecord r = InvoiceRecord(m_ctx, m_d, m_invoice);
    r.pdoklad = CreditNoteRefs(m_d.row) + m_d.row.text("storzalohy");
    r.ucet = customerAccount(m_d.first());
    r.text = FieldText(m_d.first(), "nazevosiva");
    // An advance paid in advance (VZPP) holds its whole total as a zero-rated base to be settled.
    if (m_rada == "VZPP") {
        r.castka = 0.0;
        r.zakl0 = -FieldAmount(m_invoice, "zaok");
    }
    r.mena = FieldText(m_invoice, "mena");
    r.kurz = FieldAmount(m_invoice, "kurz");
    r.devizy = FieldAmount(m_invoice, "devizy");
    r.skontokc = FieldAmount(m_invoice, "skontokc");
    r.skontospla = FieldDate(m_invoice, "skontospla");
    m_ctx.lines.add(r);
}

// The invoice's rounding difference, on the last item: customer debit, rounding credit.
void InvoicePosting::writeRounding()
{
    m_st.LineAmount = FieldAmount(m_invoice, "halere");
    if (m_st.LineAmount == 0 || advanceSeries()) return;
    WriteRoundingPair(m_ctx, line(m_d.last()), customerAccount(m_d.last()), m_st.LineAmount);
}

void InvoicePosting::writeItem(const db::Row& item, const SalesLookups& lookups)
{
    m_ctx.strtopc.locate(item.text("stredisko"));
    m_st.LineAmount = 0;
    KexPraceZkalkulace(m_ctx, m_d, item, lookups);
    // The goods amount net of the work charged separately; not rounded again.
    m_st.LineAmount = RoundTo(2, item.asFloat("hmotnostvn") * item.asFloat("pc")) - m_st.LineAmount;
    const long double foreign = RoundTo(2, item.asFloat("hmotnostvn") * item.asFloat("pc8"));
    const bool swap = swapped(item);
    if (m_s.sou311321) {
        if (swap)
            m_st.SumAdvance -= m_st.LineAmount;
        else
            m_st.SumBase += m_st.LineAmount;
        m_st.SumForeign += foreign;
    } else {
        JournalLine c1 = lineWithCurrency(&item);
        c1.ucet = customerAccount(&item);
        c1.md = swap ? 0 : m_st.LineAmount;
        c1.dal = swap ? -m_st.LineAmount : 0;
        if (!item.text("cislovz").empty()) c1.pdoklad = item.text("cislovz");
        c1.md8 = static_cast<double>(foreign);
        m_ctx.lines.add(c1);
    }
    JournalLine c2 = lineWithCurrency(&item);
    c2.ucet = revenueAccount(item);
    c2.v343 = revenueVatCode(item);
    c2.stredisko = RevenueCentre(m_ctx, item);
    if (!item.text("storzalohy").empty() && m_st.CurrentDenik != "VZ") c2.symbol = item.text("storzalohy");
    c2.md = swap ? -m_st.LineAmount : 0;
    c2.dal = swap ? 0 : m_st.LineAmount;
    c2.dal8 = static_cast<double>(foreign);
    m_ctx.lines.add(c2);
    if (m_s.TypUcto == "UNI" && swap) writeAdvanceVat(item, foreign);
}

// UNI keeps the VAT of a deducted advance on the advance account: the pair moves it back into
// the revenue.
void InvoicePosting::writeAdvanceVat(const db::Row& item, long double foreign)
{
    const long double vat = item.asFloat("dan") * -m_st.LineAmount / 100;
    m_st.LineAmount = RoundTo(2, static_cast<double>(vat));
    m_st.SumAdvance += m_st.LineAmount;
    m_st.SumBase += m_st.LineAmount;
    const std::string rate = item.text("dan");
    const std::string centre = m_d.row.text("stredisko");

    JournalLine a = lineWithCurrency(&item);
    a.v343 = rate;
    a.stredisko = RevenueCentre(m_ctx, item);
    a.symbol = item.text("storzalohy");
    a.dal8 = static_cast<double>(foreign);

    JournalLine a1 = a;
    a1.ucet = ExpandAccount(m_s.A324311, centre, m_ctx.strtopc.structo(), rate);
    a1.md = m_st.LineAmount;
    m_ctx.lines.add(a1);
    JournalLine a2 = a;
    a2.ucet = ExpandAccount(LeftText(item.text("analucet2_1"), 7), centre, m_ctx.strtopc.structo(), rate);
    a2.dal = m_st.LineAmount;
    m_ctx.lines.add(a2);
}

// VAT by rate, then the zero-rated base.
void InvoicePosting::writeVat()
{
    const db::Row* first = m_d.first();
    for (const VatRate& rate : SalesVatRates(m_ctx)) {
        if (!WriteVatPair(m_ctx, m_d.row, lineWithRefs(first), customerAccount(first), rate) || !m_s.sou311321)
            continue;
        // Without an exchange rate the VAT has no foreign amount; it counts as 0 rather than infinity.
        const double kurz = m_d.row.asFloat("kurz");
        m_st.SumForeign += kurz == 0 ? 0.0L : m_st.LineAmount / kurz;
    }
    writeZeroRated();
}

// The zero-rated base: a pair of zero amounts that carries the base.
void InvoicePosting::writeZeroRated()
{
    m_st.LineAmount = m_d.row.asFloat("zaklad_0");
    if (m_st.LineAmount == 0) return;
    const db::Row* first = m_d.first();
    JournalLine customer = lineWithRefs(first), zero = lineWithRefs(first);
    customer.ucet = customerAccount(first);
    if (!m_export)
        zero.ucet = m_s.A3430VN;
    else
        zero.ucet = m_d.row.text("kod_platce").empty() ? m_s.A343e3VN : m_s.A343eVN;
    zero.zaklad = "00/" + ReplaceChar(m_d.row.text("zaklad_0"), U',', ".");
    WriteCustomerPair(m_ctx, customer, zero, 0);
}

// With sou311321 the customer's side of the delivery is one line: the rounding, items, work and
// VAT as debit, the deducted advances as credit.
void InvoicePosting::writeSummary()
{
    WriteCustomerSummary(m_ctx, lineWithCurrency(m_d.first()), customerAccount(m_d.first()), m_st.SumForeign);
}

} // namespace

void KexFA(RuleContext& ctx, const SalesDelivery& d, SalesLookups& lookups)
{
    SessionState& st = ctx.state;
    AppendKey(st.PostedIdsFA, d.row.text("id"));
    const db::Row* invoice = lookups.invoice(d.row.text("cislofakt"));
    ctx.strtopc.locate(FieldText(invoice, "stredisko"));
    st.SumBase = st.SumForeign = st.SumAdvance = 0;
    InvoicePosting posting(ctx, d, invoice);

    if (ChooseInvoiceJournal(ctx, d, invoice, lookups) && (!posting.advanceSeries() || ctx.settings.VZdoSalda)) {
        posting.writeRecord();
        RememberRecord(ctx, invoice, lookups);
        posting.writeRounding();
    }
    if (posting.advanceSeries()) return;
    for (const db::Row& item : d.items) posting.writeItem(item, lookups);
    posting.writeVat();
    posting.writeSummary();
}

} // namespace kex

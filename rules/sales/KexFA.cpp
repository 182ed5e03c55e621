// The invoice side of a sales delivery settled by an invoice. An invoice may cover several
// deliveries: its open-item record and rounding pair come with the first of them met in the
// posting, and every delivery adds its own customer, revenue and VAT lines. Advance invoices
// (series VZ, VZU) write no lines, and a record only with VZdoSalda.
#include <cmath>

#include "core/Values.h"
#include "rules/sales/SalesPosting.h"

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
    void writeAdvanceVat(const db::Row& item, long double foreign);
    void writeVatPair(const char* vatColumn, const char* baseColumn, const std::string& account,
                      const std::string& code, int rate);

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
    const std::string own = FieldText(m_d.partner, "analucet1");
    if (m_s.U311zADR && !own.empty()) return own;
    return m_export ? m_s.A311ex : m_s.A311;
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
    if (rate == m_st.VatRateReduced) return m_s.KODnVN;
    if (rate == m_st.VatRateStandard) return m_s.KODvVN;
    if (!m_export) return m_s.KOD0VN;
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

JournalLine InvoicePosting::lineWithCurrency(const db::Row* item) const
{
    JournalLine l = line(item);
    l.pdoklad = CreditNoteRefs(m_d.row);
    l.mena = m_d.row.text("mena");
    l.kurz = m_d.row.asFloat("kurz");
    return l;
}

void InvoicePosting::writeRecord()
{
    const db::Row* first = m_d.first();
    const db::Row* partner = m_d.partner;
    const bool vzpp = m_rada == "VZPP";
    OpenItemRecord r;
    r.mesic = m_st.PostingMonth;
    r.rok = m_st.PostingYear;
    r.doklad = m_d.row.text("cislofakt");
    r.pdoklad = CreditNoteRefs(m_d.row) + m_d.row.text("storzalohy");
    r.denik = m_st.CurrentDenik;
    r.ucet = customerAccount(first);
    r.stredisko = m_ctx.strtopc.structo();
    r.symbol = FieldText(m_invoice, "cfakt");
    r.castka = vzpp ? 0.0 : FieldAmount(m_invoice, "zaok");
    r.rozdil = FieldAmount(m_invoice, "halere");
    r.ico = FieldText(m_invoice, "ico");
    r.kodpar = FieldText(m_invoice, "kodzak");
    r.dic = FieldText(m_invoice, "dico");
    r.nazevpodni = FieldText(m_invoice, "odb1");
    r.sidlo = FieldText(m_invoice, "odb2");
    r.ulicecislo = FieldText(m_invoice, "odb3");
    r.psc = FieldText(m_invoice, "odbpsc");
    r.posta = FieldText(m_invoice, "odb4");
    r.text = FieldText(first, "nazevosiva");
    r.datzdp = FieldDate(m_invoice, "plneni");
    r.datvyst = FieldDate(m_invoice, "vystaveni");
    r.datspl = FieldDate(m_invoice, "splatnost");
    r.dan5 = FieldAmount(m_invoice, "suma_dphn");
    r.dan23 = FieldAmount(m_invoice, "suma_dphv");
    // An advance paid in advance (VZPP) holds its whole total as a zero-rated base to be settled.
    r.zakl0 = vzpp ? -FieldAmount(m_invoice, "zaok") : FieldAmount(m_invoice, "suma_z0");
    r.zakl5 = FieldAmount(m_invoice, "suma_zn");
    r.zakl23 = FieldAmount(m_invoice, "suma_zv");
    r.dealer = m_d.row.text("dealer").empty() ? FieldText(partner, "dealer") : m_d.row.text("dealer");
    r.banka = FieldText(partner, "banka");
    r.zvla_dispo = FieldText(partner, "zvla_dispo");
    r.bank_ucet = FieldText(partner, "bank_ucet");
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
    const db::Row* last = m_d.last();
    if (m_s.sou311321) {
        m_st.SumBase += m_st.LineAmount;
    } else {
        JournalLine r1 = line(last);
        r1.ucet = customerAccount(last);
        r1.md = m_st.LineAmount;
        m_ctx.lines.add(r1);
    }
    JournalLine r2 = line(last);
    r2.ucet = m_s.A548VN;
    r2.dal = m_st.LineAmount;
    m_ctx.lines.add(r2);
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

void InvoicePosting::writeVatPair(const char* vatColumn, const char* baseColumn, const std::string& account,
                                  const std::string& code, int rate)
{
    m_st.LineAmount = m_d.row.asFloat(vatColumn);
    if (m_st.LineAmount == 0) return;
    // Without an exchange rate the VAT has no foreign amount; it counts as 0 rather than infinity.
    const double kurz = m_d.row.asFloat("kurz");
    const long double foreign = kurz == 0 ? 0.0L : m_st.LineAmount / kurz;
    const db::Row* first = m_d.first();
    if (m_s.sou311321) {
        m_st.SumBase += m_st.LineAmount;
        m_st.SumForeign += foreign;
    } else {
        JournalLine customer = line(first);
        customer.pdoklad = CreditNoteRefs(m_d.row);
        customer.ucet = customerAccount(first);
        customer.md = m_st.LineAmount;
        m_ctx.lines.add(customer);
    }
    JournalLine vat = line(first);
    vat.pdoklad = CreditNoteRefs(m_d.row);
    vat.ucet = account;
    vat.v343 = m_s.TypUcto == "Horry" ? code : "";
    vat.zaklad = VatBaseText(rate, m_d.row, baseColumn);
    vat.dal = m_st.LineAmount;
    m_ctx.lines.add(vat);
}

// VAT by rate, then the zero-rated base as a pair of zero amounts that carries the base.
void InvoicePosting::writeVat()
{
    writeVatPair("dan5", "zaklad_5", m_s.A343nVN, m_s.KODnVN, m_st.VatRateReduced);
    writeVatPair("dan23", "zaklad_23", m_s.A343vVN, m_s.KODvVN, m_st.VatRateStandard);
    m_st.LineAmount = m_d.row.asFloat("zaklad_0");
    if (m_st.LineAmount == 0) return;
    const db::Row* first = m_d.first();
    if (!m_s.sou311321) {
        JournalLine customer = line(first);
        customer.pdoklad = CreditNoteRefs(m_d.row);
        customer.ucet = customerAccount(first);
        m_ctx.lines.add(customer);
    }
    JournalLine zero = line(first);
    zero.pdoklad = CreditNoteRefs(m_d.row);
    if (!m_export)
        zero.ucet = m_s.A3430VN;
    else
        zero.ucet = m_d.row.text("kod_platce").empty() ? m_s.A343e3VN : m_s.A343eVN;
    zero.zaklad = "00/" + ReplaceChar(m_d.row.text("zaklad_0"), U',', ".");
    m_ctx.lines.add(zero);
}

// With sou311321 the customer's side of the delivery is one line: the rounding, items, work and
// VAT as debit, the deducted advances as credit.
void InvoicePosting::writeSummary()
{
    if (!m_s.sou311321 || (m_st.SumBase == 0 && m_st.SumForeign == 0 && m_st.SumAdvance == 0)) return;
    const db::Row* first = m_d.first();
    JournalLine t = lineWithCurrency(first);
    t.ucet = customerAccount(first);
    t.md = m_st.SumBase;
    t.dal = m_st.SumAdvance;
    t.md8 = static_cast<double>(m_st.SumForeign);
    m_ctx.lines.add(t);
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

    auto recorded = lookups.recorded.find(d.row.text("cislofakt"));
    if (recorded != lookups.recorded.end()) {
        st.CurrentDenik = recorded->second.denik;
        st.CurrentDocDate = recorded->second.datspl;
    } else {
        const std::string denik = FieldText(invoice, "denik");
        st.CurrentDenik = denik.empty() ? FieldText(invoice, "rada") : denik;
        st.CurrentDocDate = FieldDate(invoice, "splatnost");
        if (!posting.advanceSeries() || ctx.settings.VZdoSalda) {
            posting.writeRecord();
            // A further delivery reads the record back as the working table holds it: a journal
            // code of two characters.
            lookups.recorded.emplace(FieldText(invoice, "cfakt"),
                                     RecordedInvoice{LeftText(st.CurrentDenik, 2), st.CurrentDocDate});
            posting.writeRounding();
        }
    }
    if (posting.advanceSeries()) return;
    for (const db::Row& item : d.items) posting.writeItem(item, lookups);
    posting.writeVat();
    posting.writeSummary();
}

} // namespace kex

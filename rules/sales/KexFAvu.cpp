// The invoice side of a service delivery. An invoice may cover several service documents: its
// open-item record and rounding pair come with the first of them met in the posting, and every
// document adds its own service, treatment and VAT lines. The revenue comes from the header's
// cleaning, drying and transport amounts and from the treatment items. Advance series are
// posted like any other invoice here.
#include "core/Values.h"
#include "rules/sales/SalesPosting.h"

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
    std::string customerAccount() const;
    std::string vatCode(long long rate) const;
    JournalLine line() const;
    // The customer's debit (with sou311321 its share of the summary line) and the revenue credit.
    void writeRevenue(long double amount, const std::string& account, const std::string& v343,
                      const std::string& text);
    void writeVatPair(const char* vatColumn, const char* baseColumn, const std::string& account,
                      const std::string& code, int rate);

    RuleContext& m_ctx;
    const Settings& m_s;
    SessionState& m_st;
    const SalesDelivery& m_d;
    const db::Row* m_invoice;
};

// No advance or export accounts for services: the partner's own account or A311.
std::string ServiceInvoicePosting::customerAccount() const
{
    const std::string own = FieldText(m_d.partner, "analucet1");
    if (m_s.U311zADR && !own.empty()) return own;
    return m_s.A311;
}

// A service at the reduced rate takes the reduced code; every other rate, 0 included, the standard one.
std::string ServiceInvoicePosting::vatCode(long long rate) const
{
    return rate == m_st.VatRateReduced ? m_s.KODnVU : m_s.KODvVU;
}

JournalLine ServiceInvoicePosting::line() const
{
    const db::Row& doc = m_d.row;
    JournalLine l;
    l.mesic = m_st.PostingMonth;
    l.rok = m_st.PostingYear;
    l.doklad = doc.text("cislodokla");
    l.denik = m_st.CurrentDenik;
    l.stredisko = m_ctx.strtopc.structo();
    l.symbol = doc.text("cislofakt");
    l.text = doc.text("partie");
    l.datzdp = doc.asDate("datumvu");
    l.ico = doc.text("ico");
    l.nazevpodni = doc.text("nazevpodni");
    l.kodpar = doc.text("kodpar");
    l.nomenkla = doc.text("nomenkla");
    l.datspl = m_st.CurrentDocDate;
    return l;
}

void ServiceInvoicePosting::writeRecord()
{
    const db::Row& doc = m_d.row;
    const db::Row* partner = m_d.partner;
    OpenItemRecord r;
    r.mesic = m_st.PostingMonth;
    r.rok = m_st.PostingYear;
    r.doklad = doc.text("cislofakt");
    r.denik = m_st.CurrentDenik;
    r.ucet = customerAccount();
    // The document's centre: a service invoice is kept where the seed was processed.
    r.stredisko = m_ctx.strtopc.structo();
    r.symbol = FieldText(m_invoice, "cfakt");
    r.castka = FieldAmount(m_invoice, "zaok");
    r.rozdil = FieldAmount(m_invoice, "halere");
    r.ico = FieldText(m_invoice, "ico");
    r.kodpar = FieldText(m_invoice, "kodzak");
    r.dic = FieldText(m_invoice, "dico");
    r.nazevpodni = FieldText(m_invoice, "odb1");
    r.sidlo = FieldText(m_invoice, "odb2");
    r.ulicecislo = FieldText(m_invoice, "odb3");
    r.psc = FieldText(m_invoice, "odbpsc");
    r.posta = FieldText(m_invoice, "odb4");
    r.text = "Čištění osiva " + doc.text("partie");
    r.datzdp = FieldDate(m_invoice, "plneni");
    r.datvyst = FieldDate(m_invoice, "vystaveni");
    r.datspl = FieldDate(m_invoice, "splatnost");
    r.dan5 = FieldAmount(m_invoice, "suma_dphn");
    r.dan23 = FieldAmount(m_invoice, "suma_dphv");
    r.zakl0 = FieldAmount(m_invoice, "suma_z0");
    r.zakl5 = FieldAmount(m_invoice, "suma_zn");
    r.zakl23 = FieldAmount(m_invoice, "suma_zv");
    r.dealer = doc.text("dealer").empty() ? FieldText(partner, "dealer") : doc.text("dealer");
    r.banka = FieldText(partner, "banka");
    r.zvla_dispo = FieldText(partner, "zvla_dispo");
    r.bank_ucet = FieldText(partner, "bank_ucet");
    m_ctx.lines.add(r);
}

// The invoice's rounding difference: customer debit, rounding credit.
void ServiceInvoicePosting::writeRounding()
{
    m_st.LineAmount = FieldAmount(m_invoice, "halere");
    if (m_st.LineAmount == 0) return;
    if (m_s.sou311321) {
        m_st.SumBase += m_st.LineAmount;
    } else {
        JournalLine r1 = line();
        r1.ucet = customerAccount();
        r1.md = m_st.LineAmount;
        m_ctx.lines.add(r1);
    }
    JournalLine r2 = line();
    r2.ucet = m_s.A548VN;
    r2.dal = m_st.LineAmount;
    m_ctx.lines.add(r2);
}

void ServiceInvoicePosting::writeRevenue(long double amount, const std::string& account, const std::string& v343,
                                         const std::string& text)
{
    m_st.LineAmount = amount;
    if (amount == 0) return;
    JournalLine l = line();
    l.text = text;
    if (m_s.sou311321) {
        m_st.SumBase += amount;
    } else {
        JournalLine c1 = l;
        c1.ucet = customerAccount();
        c1.md = amount;
        m_ctx.lines.add(c1);
    }
    JournalLine c2 = l;
    c2.ucet = account;
    c2.v343 = v343;
    c2.dal = amount;
    m_ctx.lines.add(c2);
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
            const std::string account = ExpandAccount(LeftText(item.text("analucet5"), 7), item.text("stredisko"),
                                                      m_ctx.strtopc.structo(), "");
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

void ServiceInvoicePosting::writeVatPair(const char* vatColumn, const char* baseColumn, const std::string& account,
                                         const std::string& code, int rate)
{
    m_st.LineAmount = m_d.row.asFloat(vatColumn);
    if (m_st.LineAmount == 0) return;
    if (m_s.sou311321) {
        m_st.SumBase += m_st.LineAmount;
    } else {
        JournalLine customer = line();
        customer.ucet = customerAccount();
        customer.md = m_st.LineAmount;
        m_ctx.lines.add(customer);
    }
    JournalLine vat = line();
    vat.ucet = account;
    vat.v343 = m_s.TypUcto == "Horry" ? code : "";
    vat.zaklad = VatBaseText(rate, m_d.row, baseColumn);
    vat.dal = m_st.LineAmount;
    m_ctx.lines.add(vat);
}

// VAT at the reduced and the standard rate; services have no zero-rated line.
void ServiceInvoicePosting::writeVat()
{
    writeVatPair("dan5", "zaklad_5", m_s.A343nVU, m_s.KODnVU, m_st.VatRateReduced);
    writeVatPair("dan23", "zaklad_23", m_s.A343vVU, m_s.KODvVU, m_st.VatRateStandard);
}

// With sou311321 the customer's side of the document is one line.
void ServiceInvoicePosting::writeSummary()
{
    if (!m_s.sou311321 || m_st.SumBase == 0) return;
    JournalLine t = line();
    t.ucet = customerAccount();
    t.md = m_st.SumBase;
    m_ctx.lines.add(t);
}

} // namespace

void KexFAvu(RuleContext& ctx, const SalesDelivery& d, SalesLookups& lookups)
{
    SessionState& st = ctx.state;
    AppendKey(st.PostedIdsFAvu, d.row.text("id"));
    st.SumBase = st.SumAdvance = 0;
    const db::Row* invoice = lookups.invoice(d.row.text("cislofakt"));
    ServiceInvoicePosting posting(ctx, d, invoice);

    auto recorded = lookups.recorded.find(d.row.text("cislofakt"));
    if (recorded != lookups.recorded.end()) {
        st.CurrentDenik = recorded->second.denik;
        st.CurrentDocDate = recorded->second.datspl;
    } else {
        const std::string denik = FieldText(invoice, "denik");
        st.CurrentDenik = denik.empty() ? FieldText(invoice, "rada") : denik;
        st.CurrentDocDate = FieldDate(invoice, "splatnost");
        posting.writeRecord();
        // A further document reads the record back as the working table holds it: a journal
        // code of two characters.
        lookups.recorded.emplace(FieldText(invoice, "cfakt"),
                                 RecordedInvoice{LeftText(st.CurrentDenik, 2), st.CurrentDocDate});
        posting.writeRounding();
    }
    posting.writeServices();
    posting.writeTreatment();
    posting.writeVat();
    posting.writeSummary();
}

} // namespace kex

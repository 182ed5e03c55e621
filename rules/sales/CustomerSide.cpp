// The customer's side shared by the invoice and receipt rules: pairs, VAT, summary and record.
#include "rules/sales/CustomerSide.h"

#include "core/Values.h"

namespace kex {

std::string InvoiceCustomerAccount(const RuleContext& ctx, const SalesDelivery& d, bool exported)
{
    const Settings& s = ctx.settings;
    const std::string own = FieldText(d.partner, "analucet1");
    if (s.U311zADR && !own.empty()) return own;
    return exported ? s.A311ex : s.A311;
}

std::string ReceiptCustomerAccount(const RuleContext& ctx, const SalesDelivery& d)
{
    return ExpandAccount(ctx.settings.A311uc, d.row.text("stredisko"), ctx.strtopc.structo(), "");
}

void WriteCustomerPair(RuleContext& ctx, JournalLine debit, JournalLine credit, long double amount)
{
    if (ctx.settings.sou311321) {
        ctx.state.SumBase += amount;
    } else {
        debit.md = amount;
        ctx.lines.add(debit);
    }
    credit.dal = amount;
    ctx.lines.add(credit);
}

void WriteRoundingPair(RuleContext& ctx, const JournalLine& line, const std::string& customer, long double amount)
{
    JournalLine debit = line, credit = line;
    debit.ucet = customer;
    credit.ucet = ctx.settings.A548VN;
    WriteCustomerPair(ctx, debit, credit, amount);
}

std::array<VatRate, 2> SalesVatRates(const RuleContext& ctx)
{
    const Settings& s = ctx.settings;
    return {VatRate{"dan5", "zaklad_5", s.A343nVN, s.KODnVN, ctx.state.VatRateReduced},
            VatRate{"dan23", "zaklad_23", s.A343vVN, s.KODvVN, ctx.state.VatRateStandard}};
}

std::array<VatRate, 2> ServiceVatRates(const RuleContext& ctx)
{
    const Settings& s = ctx.settings;
    return {VatRate{"dan5", "zaklad_5", s.A343nVU, s.KODnVU, ctx.state.VatRateReduced},
            VatRate{"dan23", "zaklad_23", s.A343vVU, s.KODvVU, ctx.state.VatRateStandard}};
}

bool WriteVatPair(RuleContext& ctx, const db::Row& document, const JournalLine& line, const std::string& customer,
                  const VatRate& rate)
{
    ctx.state.LineAmount = document.asFloat(rate.vatColumn);
    if (ctx.state.LineAmount == 0) return false;
    JournalLine debit = line, vat = line;
    debit.ucet = customer;
    vat.ucet = rate.account;
    vat.v343 = ctx.settings.TypUcto == "Horry" ? rate.code : "";
    vat.zaklad = VatBaseText(rate.rate, document, rate.baseColumn);
    WriteCustomerPair(ctx, debit, vat, ctx.state.LineAmount);
    return true;
}

void WriteCustomerSummary(RuleContext& ctx, JournalLine line, const std::string& customer, long double foreign)
{
    const SessionState& st = ctx.state;
    if (!ctx.settings.sou311321 || (st.SumBase == 0 && foreign == 0 && st.SumAdvance == 0)) return;
    line.ucet = customer;
    line.md = st.SumBase;
    line.dal = st.SumAdvance;
    line.md8 = static_cast<double>(foreign);
    ctx.lines.add(line);
}

bool ChooseInvoiceJournal(RuleContext& ctx, const SalesDelivery& d, const db::Row* invoice, const SalesLookups& lookups)
{
    SessionState& st = ctx.state;
    auto recorded = lookups.recorded.find(d.row.text("cislofakt"));
    if (recorded != lookups.recorded.end()) {
        st.CurrentDenik = recorded->second.denik;
        st.CurrentDocDate = recorded->second.datspl;
        return false;
    }
    const std::string denik = FieldText(invoice, "denik");
    st.CurrentDenik = denik.empty() ? FieldText(invoice, "rada") : denik;
    st.CurrentDocDate = FieldDate(invoice, "splatnost");
    return true;
}

OpenItemRecord InvoiceRecord(const RuleContext& ctx, const SalesDelivery& d, const db::Row* invoice)
{
    OpenItemRecord r;
    r.mesic = ctx.state.PostingMonth;
    r.rok = ctx.state.PostingYear;
    r.doklad = d.row.text("cislofakt");
    r.denik = ctx.state.CurrentDenik;
    r.stredisko = ctx.strtopc.structo();
    r.symbol = FieldText(invoice, "cfakt");
    r.castka = FieldAmount(invoice, "zaok");
    r.rozdil = FieldAmount(invoice, "halere");
    r.ico = FieldText(invoice, "ico");
    r.kodpar = FieldText(invoice, "kodzak");
    r.dic = FieldText(invoice, "dico");
    r.nazevpodni = FieldText(invoice, "odb1");
    r.sidlo = FieldText(invoice, "odb2");
    r.ulicecislo = FieldText(invoice, "odb3");
    r.psc = FieldText(invoice, "odbpsc");
    r.posta = FieldText(invoice, "odb4");
    r.datzdp = FieldDate(invoice, "plneni");
    r.datvyst = FieldDate(invoice, "vystaveni");
    r.datspl = FieldDate(invoice, "splatnost");
    r.dan5 = FieldAmount(invoice, "suma_dphn");
    r.dan23 = FieldAmount(invoice, "suma_dphv");
    r.zakl0 = FieldAmount(invoice, "suma_z0");
    r.zakl5 = FieldAmount(invoice, "suma_zn");
    r.zakl23 = FieldAmount(invoice, "suma_zv");
    r.dealer = d.row.text("dealer").empty() ? FieldText(d.partner, "dealer") : d.row.text("dealer");
    r.banka = FieldText(d.partner, "banka");
    r.zvla_dispo = FieldText(d.partner, "zvla_dispo");
    r.bank_ucet = FieldText(d.partner, "bank_ucet");
    return r;
}

void RememberRecord(const RuleContext& ctx, const db::Row* invoice, SalesLookups& lookups)
{
    const SessionState& st = ctx.state;
    lookups.recorded.emplace(FieldText(invoice, "cfakt"),
                             RecordedInvoice{LeftText(st.CurrentDenik, 2), st.CurrentDocDate});
}

} // namespace kex

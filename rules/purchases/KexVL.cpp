// The supplier's invoice of a purchase receipt: one open-item record, the supplier's credit
// (per amount, or summed into one line with sou311321), a stock debit per item, the VAT lines
// and the rounding pair; for Premier every item also passes through the acquisition account.
#include "core/RuleContext.h"
#include "core/Values.h"
#include "rules/purchases/PurchaseItems.h"

namespace kex {
namespace {

// The header's amounts as their field texts, read as the server holds them (empty reads 0).
double headerAmount(const db::Row& header, const char* column)
{
    return header.has(column) ? header.asFloat(column) : 0.0;
}

} // namespace

void KexVL(RuleContext& ctx, const db::Row& receipt, const std::vector<db::Row>& items,
           const PurchaseInvoices& invoices)
{
    const Settings& s = ctx.settings;
    SessionState& st = ctx.state;
    const auto& partners = invoices.partners.of(receipt.text("id"));
    const auto& headers = invoices.headers.of(receipt.text("id"));
    const db::Row* partner = partners.empty() ? nullptr : &partners.front();
    const db::Row* header = headers.empty() ? nullptr : &headers.front();
    // A missing partner or header reads as empty fields and zero amounts and dates.
    auto field = [](const db::Row* r, const char* column) { return r ? r->text(column) : std::string(); };
    auto amount = [&](const char* column) { return header ? headerAmount(*header, column) : 0.0; };
    auto date = [&](const char* column) { return header ? header->asDate(column) : ZeroDate(); };

    st.CurrentDenik = field(header, "rada");
    st.CurrentDocDate = date("splatnost");
    long double supplierSum = 0;

    const std::string partnerAccount = field(partner, "analucet2");
    const std::string supplierAccount = s.U321zADR && !partnerAccount.empty() ? partnerAccount : s.A321;
    const bool abraNumbers = s.TypUcto == "Abra" && !receipt.text("cisdododav").empty();
    const std::string doklad = abraNumbers ? receipt.text("cislofakt") : receipt.text("cislodokla");
    const std::string symbol = abraNumbers ? receipt.text("cisdododav") : receipt.text("cislofakt");
    const std::string centre = receipt.text("stredisko");
    const std::string structo = ctx.strtopc.structo();
    auto vatCode = [&](const db::Row& item) { return item.asInt("dan") == st.VatRateReduced ? s.KODnVL : s.KODvVL; };
    auto itemSymbol = [&](const db::Row& item) {
        std::string advance = item.text("storzalohy");
        return advance.empty() ? symbol : advance;
    };

    OpenItemRecord record;
    record.mesic = st.PostingMonth;
    record.rok = st.PostingYear;
    record.doklad = receipt.text("cislofakt");
    record.denik = st.CurrentDenik;
    record.ucet = supplierAccount;
    record.stredisko = structo;
    record.symbol = abraNumbers ? receipt.text("cisdododav") : field(header, "cfakt");
    record.castka = amount("zaok");
    record.rozdil = amount("halere");
    record.ico = field(header, "ico");
    record.kodpar = field(header, "kodzak");
    record.dic = field(header, "dico");
    record.nazevpodni = field(header, "odb1");
    record.sidlo = field(header, "odb2");
    record.ulicecislo = field(header, "odb3");
    record.psc = field(header, "odbpsc");
    record.posta = field(header, "odb4");
    record.text = items.empty() ? std::string() : items.front().text("nazevosiva");
    record.datzdp = date("plneni");
    record.datvyst = date("vystaveni");
    record.datspl = date("splatnost");
    record.dan5 = amount("suma_dphn");
    record.dan23 = amount("suma_dphv");
    record.zakl0 = amount("suma_z0");
    record.zakl5 = amount("suma_zn");
    record.zakl23 = amount("suma_zv");
    record.dealer = receipt.text("dealer");
    record.banka = field(partner, "banka");
    record.zvla_dispo = field(partner, "zvla_dispo");
    record.bank_ucet = field(partner, "bank_ucet");
    ctx.lines.add(record);

    // The values every line shares; `item` names the item whose text and code the line carries.
    auto base = [&](const db::Row* item) {
        JournalLine l = ReceiptLine(ctx, receipt, item);
        l.doklad = doklad;
        l.symbol = symbol;
        return l;
    };
    const db::Row* first = items.empty() ? nullptr : &items.front();
    const db::Row* last = items.empty() ? nullptr : &items.back();
    auto supplierLine = [&](const db::Row* item, long double amountValue) {
        if (s.sou311321) {
            supplierSum += amountValue;
            return;
        }
        JournalLine l = base(item);
        l.ucet = supplierAccount;
        l.dal = amountValue;
        ctx.lines.add(l);
    };

    // Rounding difference of the invoice.
    st.LineAmount = amount("halere");
    if (st.LineAmount != 0) {
        supplierLine(last, st.LineAmount);
        JournalLine r2 = base(last);
        r2.ucet = s.A548VL;
        r2.md = st.LineAmount;
        ctx.lines.add(r2);
    }

    for (const db::Row& item : items) {
        st.LineAmount = RoundTo(2, item.asFloat("nc") * item.asFloat("hmotnostpv"));
        supplierLine(&item, st.LineAmount);
        if (s.TypUcto == "Premier") {
            JournalLine p = base(&item);
            p.ucet = ExpandAccount(s.A131, centre, structo, "");
            p.v343 = vatCode(item);
            p.doklad = receipt.text("cislodokla");
            std::string advance = item.text("storzalohy");
            p.symbol = advance.empty() ? receipt.text("cislofakt") : advance;
            JournalLine p1 = p, p2 = p;
            p1.md = st.LineAmount;
            p2.dal = st.LineAmount;
            ctx.lines.add(p1);
            ctx.lines.add(p2);
        }
        JournalLine g = base(&item);
        g.ucet = s.TrzbaVNdefi ? ExpandAccount(s.A132, centre, structo, "")
                               : ExpandAccount(LeftText(item.text("analucet1"), 7), centre, structo, "");
        g.v343 = vatCode(item);
        g.symbol = itemSymbol(item);
        g.md = st.LineAmount;
        ctx.lines.add(g);
    }

    // VAT of the receipt, by rate.
    auto vatPair = [&](const char* vatColumn, const char* baseColumn, const std::string& account, int rate) {
        st.LineAmount = receipt.asFloat(vatColumn);
        if (st.LineAmount == 0) return;
        supplierLine(first, st.LineAmount);
        JournalLine v = base(first);
        v.ucet = account;
        v.md = st.LineAmount;
        v.zaklad = std::to_string(rate) + "/" + ReplaceChar(receipt.text(baseColumn), U',', ".");
        ctx.lines.add(v);
    };
    vatPair("dan5", "zaklad_5", s.A343nVL, st.VatRateReduced);
    vatPair("dan23", "zaklad_23", s.A343vVL, st.VatRateStandard);

    if (s.sou311321 && supplierSum != 0) {
        JournalLine t = base(first);
        t.ucet = supplierAccount;
        t.dal = supplierSum;
        ctx.lines.add(t);
    }
}

} // namespace kex

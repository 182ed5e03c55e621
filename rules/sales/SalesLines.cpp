// Values the lines of a sales delivery share, whichever part of its posting writes them.
#include "core/Values.h"
#include "rules/sales/SalesPosting.h"

namespace kex {

std::string FieldText(const db::Row* row, std::string_view column) { return row ? row->text(column) : std::string(); }

double FieldAmount(const db::Row* row, std::string_view column) { return row ? row->asFloat(column) : 0.0; }

DateTime FieldDate(const db::Row* row, std::string_view column) { return row ? row->asDate(column) : ZeroDate(); }

JournalLine DocumentLine(const RuleContext& ctx, const db::Row& document)
{
    JournalLine l;
    l.mesic = ctx.state.PostingMonth;
    l.rok = ctx.state.PostingYear;
    l.doklad = document.text("cislodokla");
    l.denik = ctx.state.CurrentDenik;
    l.stredisko = ctx.strtopc.structo();
    l.ico = document.text("ico");
    l.nazevpodni = document.text("nazevpodni");
    l.kodpar = document.text("kodpar");
    return l;
}

JournalLine SalesLine(const RuleContext& ctx, const SalesDelivery& d, const db::Row* item)
{
    JournalLine l = DocumentLine(ctx, d.row);
    l.dealer = FieldText(item, "dealer");
    l.text = FieldText(item, "nazevosiva");
    l.nomenkla = FieldText(item, "nomenkla");
    l.datzdp = d.row.asDate("datumvn1");
    return l;
}

bool HasReceipt(const db::Row& delivery)
{
    return delivery.text("uctenka").find_first_not_of(' ') != std::string::npos;
}

std::string CreditNoteRefs(const db::Row& delivery)
{
    return delivery.text("dobropiskf") + delivery.text("dobropis_k");
}

std::string RevenueCentre(const RuleContext& ctx, const db::Row& item)
{
    if (ctx.settings.TypUcto == "UNI") {
        auto dealer = ctx.dealertopc.find(item.text("dealer"));
        if (dealer != ctx.dealertopc.end() && !ctx.uniArticles.contains(item.text("nomenkla"))) return dealer->second;
    }
    return ctx.strtopc.structo();
}

std::string ItemVatCode(const RuleContext& ctx, const db::Row& item)
{
    const long long rate = item.asInt("dan");
    if (rate == ctx.state.VatRateReduced) return ctx.settings.KODnVN;
    if (rate == ctx.state.VatRateStandard) return ctx.settings.KODvVN;
    return ctx.settings.KOD0VN;
}

std::string VatBaseText(int rate, const db::Row& delivery, std::string_view baseColumn)
{
    return std::to_string(rate) + "/" + ReplaceChar(delivery.text(baseColumn), U',', ".");
}

} // namespace kex

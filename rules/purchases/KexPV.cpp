// Purchase receipts from growers: two lines per item, stock on the debit side and acquisition
// on the credit side. A receipt with an invoice number is the supplier's invoice and is posted
// whole by KexVL.
#include "core/RuleContext.h"
#include "core/Values.h"
#include "rules/purchases/PurchaseItems.h"
#include "rules/purchases/PurchaseRules.h"

namespace kex {
namespace {

std::string stockAccount(const RuleContext& ctx, const db::Row& item)
{
    const std::string centre = item.text("stredisko");
    if (item.text("vlast_vyro") == "A") return ctx.settings.A123;
    if (ctx.settings.TrzbaVNdefi) return ExpandAccount(ctx.settings.A132, centre, ctx.strtopc.structo(), "");
    return ExpandAccount(LeftText(item.text("analucet1"), 7), centre, ctx.strtopc.structo(), "");
}

// Chooses the acquisition account; for a receipt from another centre it first makes that
// centre's structure current, which the line then also takes as its centre.
std::string acquisitionAccount(RuleContext& ctx, const db::Row& receipt, const db::Row& item, const std::string& stock)
{
    const std::string centre = receipt.text("stredisko");
    if (receipt.text("dp") == "5") {
        ctx.strtopc.locate(receipt.text("ico"));
        std::string own = item.text("analucet2");
        if (!own.empty()) return LeftText(own, 7);
        return ExpandAccount(ctx.settings.A395pv5, centre, ctx.strtopc.structo(), "");
    }
    if (item.text("vlast_vyro") == "A") return ctx.settings.A613;
    if (LeftText(stock, 2) == "11") return ExpandAccount(ctx.settings.A111, centre, ctx.strtopc.structo(), "");
    return ExpandAccount(ctx.settings.A131, centre, ctx.strtopc.structo(), "");
}

} // namespace

void KexPV(RuleContext& ctx)
{
    GroupedRows items = ReadPurchaseItems(ctx);
    PurchaseInvoices invoices = ReadPurchaseInvoices(ctx);
    for (std::size_t i = 0; i < ctx.list.size(); ++i) {
        if (!ctx.list.selected[i]) continue;
        db::Row receipt = ctx.list.rows[i];
        AppendKey(ctx.state.PostedIdsPV, receipt.text("id"));
        const auto& rows = items.of(receipt.text("id"));
        if (!rows.empty()) ctx.strtopc.locate(rows.front().text("stredisko"));
        ctx.state.CurrentDocDate = receipt.asDate("datum");
        if (!receipt.text("cislofakt").empty()) {
            KexVL(ctx, receipt, rows, invoices);
            continue;
        }
        for (const db::Row& item : rows) {
            ctx.state.LineAmount = RoundTo(2, item.asFloat("nc") * item.asFloat("hmotnostpv"));
            ctx.strtopc.locate(item.text("stredisko"));

            JournalLine line = ReceiptLine(ctx, receipt, &item);
            line.denik = "PV";
            line.symbol = receipt.text("cisdododav");

            JournalLine stock = line;
            stock.ucet = stockAccount(ctx, item);
            stock.stredisko = ctx.strtopc.structo();
            stock.md = ctx.state.LineAmount;
            ctx.lines.add(stock);

            JournalLine acquisition = line;
            acquisition.ucet = acquisitionAccount(ctx, receipt, item, stock.ucet);
            acquisition.stredisko = ctx.strtopc.structo();
            acquisition.dal = ctx.state.LineAmount;
            ctx.lines.add(acquisition);
        }
    }
}

} // namespace kex

// Sales deliveries: the invoice side first (invoice or cash receipt), then per item a credit of
// the stock account and a debit of the cost account at purchase price. The stock lines inherit
// the journal code and due date the invoice side chose.
#include "core/Values.h"
#include "rules/sales/SalesPosting.h"
#include "rules/sales/SalesRules.h"

namespace kex {
namespace {

void postInvoiceSide(RuleContext& ctx, const SalesDelivery& d, SalesLookups& lookups)
{
    // The list holds only deliveries whose invoice side is unposted; the test is kept for a row
    // whose state changed under the session.
    if (DateYYYYMMDD(d.row.asDate("datumkexcf")) >= "20021212") return;
    if (HasReceipt(d.row)) {
        ctx.state.CurrentDenik = "VC";
        KexUC(ctx, d, lookups);
    } else {
        KexFA(ctx, d, lookups);
    }
}

// Each item at its own centre's structure; the account templates take the delivery's centre.
void postStockSide(RuleContext& ctx, const SalesDelivery& d)
{
    SessionState& st = ctx.state;
    for (const db::Row& item : d.items) {
        ctx.strtopc.locate(item.text("stredisko"));
        st.LineAmount = RoundTo(2, item.asFloat("nc") * item.asFloat("hmotnostvn"));
        if (st.LineAmount == 0) continue;
        WriteStockPair(ctx, kSalesDeliveries, d.row, item, st.LineAmount, d.row.text("stredisko"),
                       d.row.asDate("datumvn1"));
    }
}

} // namespace

void KexVN(RuleContext& ctx)
{
    const GroupedRows items = ReadDocumentItems(ctx, kSalesDeliveries);
    SalesLookups lookups = ReadSalesLookups(ctx, items);
    for (std::size_t i = 0; i < ctx.list.size(); ++i) {
        if (!ctx.list.selected[i]) continue;
        const db::Row delivery = ctx.list.rows[i];
        const SalesDelivery d{delivery, items.of(delivery.text("id")), lookups.partner(delivery.text("ico"))};
        ctx.state.CurrentDenik = "VN";
        ctx.state.CurrentDocDate = delivery.asDate("datumvn1");
        postInvoiceSide(ctx, d, lookups);
        if (StockSidePosted(delivery) || !StockSideComplete(d.items)) continue;
        AppendKey(ctx.state.PostedIdsVN, delivery.text("id"));
        postStockSide(ctx, d);
    }
}

} // namespace kex

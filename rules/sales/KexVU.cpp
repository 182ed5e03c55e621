// Service deliveries: seed processing for a customer, invoiced like a sales delivery. The invoice
// side (KexFAvu) comes first, then the stock side of the agents issued from stock, at purchase
// price, with the invoice's journal code and due date.
#include "core/Values.h"
#include "rules/sales/SalesPosting.h"
#include "rules/sales/SalesRules.h"

namespace kex {
namespace {

// All lines of a service stay at the structure of the document's centre; the account templates
// take each item's own centre.
void postStockSide(RuleContext& ctx, const SalesDelivery& d)
{
    SessionState& st = ctx.state;
    for (const db::Row& item : d.items) {
        st.LineAmount = RoundTo(2, item.asFloat("nc") * item.asFloat("hmotnostvu"));
        if (st.LineAmount == 0) continue;
        WriteStockPair(ctx, kServiceDeliveries, d.row, item, st.LineAmount, item.text("stredisko"),
                       d.row.asDate("datumvu"));
    }
}

} // namespace

void KexVU(RuleContext& ctx)
{
    const GroupedRows items = ReadDocumentItems(ctx, kServiceDeliveries);
    SalesLookups lookups = ReadInvoiceLookups(ctx);
    SessionState& st = ctx.state;
    for (std::size_t i = 0; i < ctx.list.size(); ++i) {
        if (!ctx.list.selected[i]) continue;
        const db::Row document = ctx.list.rows[i];
        const SalesDelivery d{document, items.of(document.text("id")), lookups.partner(document.text("ico"))};
        ctx.strtopc.locate(document.text("stredisko"));
        st.CurrentDenik = "VU";
        st.CurrentDocDate = document.asDate("datumvu");
        // The list holds only services whose invoice side is unposted; the test is kept for a row
        // whose state changed under the session.
        if (DateYYYYMMDD(document.asDate("datumkexcf")) < "20021212") KexFAvu(ctx, d, lookups);
        if (StockSidePosted(document) || !StockSideComplete(d.items)) continue;
        AppendKey(st.PostedIdsVU, document.text("id"));
        postStockSide(ctx, d);
    }
}

} // namespace kex

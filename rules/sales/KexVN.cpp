// Sales deliveries: the invoice side first (invoice or cash receipt), then per item a credit of
// the stock account and a debit of the cost account at purchase price. The stock lines inherit
// the journal code and due date the invoice side chose.
#include "core/Values.h"
#include "rules/sales/SalesPosting.h"
#include "rules/sales/SalesRules.h"

namespace kex {
namespace {

// A lot of 9 characters without a purchase price is still waiting for its price: such a
// delivery's stock side is posted later, from the VN nc tab.
bool stockSideComplete(const std::vector<db::Row>& items)
{
    for (const db::Row& item : items)
        if (TextLength(item.text("partie")) == 9 && item.asFloat("nc") == 0) return false;
    return true;
}

std::string stockAccount(const RuleContext& ctx, const db::Row& delivery, const db::Row& item)
{
    const Settings& s = ctx.settings;
    if (item.text("vlast_vyro") == "A") return s.A123;
    const std::string centre = delivery.text("stredisko");
    if (s.TrzbaVNdefi) return ExpandAccount(s.A132, centre, ctx.strtopc.structo(), "");
    return ExpandAccount(LeftText(item.text("analucet1"), 7), centre, ctx.strtopc.structo(), "");
}

std::string costAccount(const RuleContext& ctx, const db::Row& delivery, const db::Row& item)
{
    const Settings& s = ctx.settings;
    if (item.text("vlast_vyro") == "A") return s.A613;
    if (s.TrzbaVNdefi) return s.A504;
    return ExpandAccount(LeftText(item.text("analucet3"), 7), delivery.text("stredisko"), ctx.strtopc.structo(), "");
}

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

void postStockSide(RuleContext& ctx, const SalesDelivery& d)
{
    SessionState& st = ctx.state;
    for (const db::Row& item : d.items) {
        ctx.strtopc.locate(item.text("stredisko"));
        st.LineAmount = RoundTo(2, item.asFloat("nc") * item.asFloat("hmotnostvn"));
        if (st.LineAmount == 0) continue;

        JournalLine line = SalesLine(ctx, d, &item);
        line.symbol = d.row.text("cislofakt") + d.row.text("uctenka");
        line.datspl = st.CurrentDocDate;

        JournalLine stock = line;
        stock.ucet = stockAccount(ctx, d.row, item);
        stock.dal = st.LineAmount;
        ctx.lines.add(stock);

        JournalLine cost = line;
        cost.ucet = costAccount(ctx, d.row, item);
        cost.stredisko = RevenueCentre(ctx, item);
        cost.md = st.LineAmount;
        ctx.lines.add(cost);
    }
}

} // namespace

void KexVN(RuleContext& ctx)
{
    const GroupedRows items = ReadSalesItems(ctx);
    SalesLookups lookups = ReadSalesLookups(ctx, items);
    for (std::size_t i = 0; i < ctx.list.size(); ++i) {
        if (!ctx.list.selected[i]) continue;
        const db::Row delivery = ctx.list.rows[i];
        const SalesDelivery d{delivery, items.of(delivery.text("cislodokla")), lookups.partner(delivery.text("ico"))};
        ctx.state.CurrentDenik = "VN";
        ctx.state.CurrentDocDate = delivery.asDate("datumvn1");
        postInvoiceSide(ctx, d, lookups);
        if (!stockSideComplete(d.items)) continue;
        AppendKey(ctx.state.PostedIdsVN, delivery.text("id"));
        postStockSide(ctx, d);
    }
}

} // namespace kex

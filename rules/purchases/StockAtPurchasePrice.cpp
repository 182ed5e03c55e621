#include "rules/purchases/StockAtPurchasePrice.h"

#include "core/Values.h"

namespace kex {

DateTime DateByPeriod(const SessionState& state, const DateTime& date)
{
    if (!state.settings.DatumDokladuDleUO) return date;
    const int year = std::stoi(state.PostingYear), month = std::stoi(state.PostingMonth);
    if (YearOf(date) * 100 + MonthOf(date) < year * 100 + month) return MakeDate(year, month, 2);
    return date;
}

void PostStockAtPurchasePrice(RuleContext& ctx, const StockTab& tab)
{
    const DocumentKind& kind = tab.kind;
    const GroupedRows items = ReadDocumentItems(ctx, kind);
    SessionState& st = ctx.state;
    for (std::size_t i = 0; i < ctx.list.size(); ++i) {
        if (!ctx.list.selected[i]) continue;
        const db::Row document = ctx.list.rows[i];
        const std::vector<db::Row>& rows = items.of(document.text("id"));
        // One structure for the whole document: its first item's centre.
        if (!rows.empty()) ctx.strtopc.locate(rows.front().text("stredisko"));
        st.CurrentDenik = tab.journalCode(document);
        st.CurrentDocDate = document.asDate(kind.dateColumn);
        // A document with a lot still waiting for its price stays on the list for a later posting.
        if (!StockSideComplete(rows)) continue;
        AppendKey(st.*tab.postedIds, document.text("id"));
        // The due date keeps the document's own date; only the taxable supply follows the period.
        const DateTime datzdp = DateByPeriod(st, st.CurrentDocDate);
        for (const db::Row& item : rows) {
            const double nc = item.asFloat("nc"), quantity = item.asFloat(kind.quantityColumn);
            st.LineAmount = tab.roundAmounts ? RoundTo(2, nc * quantity) : static_cast<long double>(nc) * quantity;
            if (st.LineAmount == 0) continue;
            WriteStockPair(ctx, kind, document, item, st.LineAmount, item.text("stredisko"), datzdp);
        }
    }
}

} // namespace kex

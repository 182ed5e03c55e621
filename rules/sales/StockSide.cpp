// The stock lines every delivery and service rule shares, and the item query behind them.
#include "rules/sales/StockSide.h"

#include "core/Values.h"
#include "rules/sales/SalesPosting.h"

namespace kex {

const DocumentKind kSalesDeliveries{"vn", "vnrad", "datumvn1", "hmotnostvn", "analucet3", true};
const DocumentKind kServiceDeliveries{"vu", "vurad", "datumvu", "hmotnostvu", "analucet6", false};

namespace {

std::string stockAccount(const RuleContext& ctx, const db::Row& item, std::string_view centre)
{
    const Settings& s = ctx.settings;
    if (item.text("vlast_vyro") == "A") return s.A123;
    if (s.TrzbaVNdefi) return ExpandAccount(s.A132, centre, ctx.strtopc.structo(), "");
    return ExpandAccount(LeftText(item.text("analucet1"), 7), centre, ctx.strtopc.structo(), "");
}

std::string costAccount(const RuleContext& ctx, const DocumentKind& kind, const db::Row& item, std::string_view centre)
{
    const Settings& s = ctx.settings;
    if (item.text("vlast_vyro") == "A") return s.A613;
    if (s.TrzbaVNdefi) return s.A504;
    return ExpandAccount(LeftText(item.text(kind.costAccountColumn), 7), centre, ctx.strtopc.structo(), "");
}

} // namespace

GroupedRows ReadDocumentItems(RuleContext& ctx, const DocumentKind& kind)
{
    const std::string keys = ctx.selectedKeysLiteral("id");
    if (keys.empty()) return {};
    const std::string h = kind.headerTable, i = kind.itemTable;
    // clang-format off
    return GroupedRows(ctx.db.query("select " + i + ".*,cenik.analucet1,cenik.analucet2 as analucet2_1,cenik.analucet3,"
                                    "cenik.analucet5,cenik.analucet6,skarta.vlast_vyro," + h + ".id as document_id from " + h + "\n"
                                    " JOIN " + i + "\n"
                                    " ON (" + i + ".cislodokla=" + h + ".cislodokla)\n"
                                    " LEFT JOIN cenik\n"
                                    " ON (" + i + ".nomenkla=cenik.nomenkla)\n"
                                    " LEFT JOIN skarta\n"
                                    " ON (" + i + ".partiecela=skarta.partiecela\n"
                                    " and " + i + ".lomeni=skarta.lomeni\n"
                                    " and " + i + ".stredisko=skarta.stredisko)\n"
                                    " where " + h + ".id in (" + keys + ")\n"
                                    " order by " + h + ".id, " + i + ".id"),
                       "document_id");
    // clang-format on
}

bool StockSideComplete(const std::vector<db::Row>& items)
{
    for (const db::Row& item : items)
        if (TextLength(item.text("partie")) == 9 && item.asFloat("nc") == 0) return false;
    return true;
}

bool StockSidePosted(const db::Row& document) { return DateYYYYMMDD(document.asDate("datumkexct")) > "20021212"; }

void WriteStockPair(RuleContext& ctx, const DocumentKind& kind, const db::Row& document, const db::Row& item,
                    long double amount, std::string_view templateCentre, const DateTime& datzdp)
{
    JournalLine line = DocumentLine(ctx, document);
    line.symbol = document.text("cislofakt");
    if (kind.dealers) {
        line.dealer = item.text("dealer");
        line.symbol += document.text("uctenka");
    }
    line.text = item.text("nazevosiva");
    line.datzdp = datzdp;
    line.nomenkla = item.text("nomenkla");
    line.datspl = ctx.state.CurrentDocDate;

    JournalLine stock = line;
    stock.ucet = stockAccount(ctx, item, templateCentre);
    stock.dal = amount;
    ctx.lines.add(stock);

    JournalLine cost = line;
    cost.ucet = costAccount(ctx, kind, item, templateCentre);
    if (kind.dealers) cost.stredisko = RevenueCentre(ctx, item);
    cost.md = amount;
    ctx.lines.add(cost);
}

} // namespace kex

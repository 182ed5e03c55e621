#include "rules/purchases/PurchaseItems.h"

namespace kex {

GroupedRows ReadPurchaseItems(RuleContext& ctx)
{
    std::string keys = ctx.selectedKeysLiteral("id");
    if (keys.empty()) return {};
    // The items are matched to their receipt by the server, as a per-receipt query
    // "where pvrad.cislodokla = <number>" matches them: its comparison ignores letter case and
    // trailing blanks, so an item stored as "p80 " belongs to receipt "P80". Grouping by the
    // receipt's row id keeps that match instead of comparing the numbers' texts here.
    std::string sql = "select pvrad.*,cenik.analucet1,skarta.vlast_vyro,pv.id as pv_id from pv\n"
                      " JOIN pvrad\n"
                      " ON (pvrad.cislodokla=pv.cislodokla)\n"
                      " LEFT JOIN cenik\n"
                      " ON (pvrad.nomenkla=cenik.nomenkla)\n"
                      " LEFT JOIN skarta\n"
                      " ON (pvrad.partiecela=skarta.partiecela\n"
                      " and pvrad.lomeni=skarta.lomeni\n"
                      " and pvrad.stredisko=skarta.stredisko)\n"
                      " where pv.id in (" + keys + ")\n"
                      " order by pv.id, pvrad.id";
    return GroupedRows(ctx.db.query(sql), "pv_id");
}

} // namespace kex

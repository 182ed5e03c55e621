#include "rules/purchases/PurchaseItems.h"

namespace kex {

GroupedRows ReadPurchaseItems(RuleContext& ctx)
{
    std::string keys = ctx.selectedKeysLiteral("cislodokla");
    if (keys.empty()) return {};
    std::string sql = "select pvrad.*,cenik.analucet1,skarta.vlast_vyro from pvrad\n"
                      " LEFT JOIN cenik\n"
                      " ON (pvrad.nomenkla=cenik.nomenkla)\n"
                      " LEFT JOIN skarta\n"
                      " ON (pvrad.partiecela=skarta.partiecela\n"
                      " and pvrad.lomeni=skarta.lomeni\n"
                      " and pvrad.stredisko=skarta.stredisko)\n"
                      " where pvrad.cislodokla in (" + keys + ")\n"
                      " order by pvrad.cislodokla, pvrad.id";
    return GroupedRows(ctx.db.query(sql), "cislodokla");
}

} // namespace kex

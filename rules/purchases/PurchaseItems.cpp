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
    // clang-format off
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
    // clang-format on
    return GroupedRows(ctx.db.query(sql), "pv_id");
}

PurchaseInvoices ReadPurchaseInvoices(RuleContext& ctx)
{
    std::string keys = ctx.selectedKeysLiteral("id");
    if (keys.empty()) return {};
    // Matched by the server, as a query per receipt "where ico = …" / "where cfakt = …" would match.
    // clang-format off
    std::string partners = "select pv.id as pv_id,adresar.dealer,adresar.banka,adresar.zvla_dispo,\n"
                           "adresar.bank_ucet,adresar.analucet2 from pv\n"
                           " JOIN adresar ON (adresar.ico=pv.ico)\n"
                           " where pv.id in (" + keys + ") and pv.cislofakt <> ''\n"
                           " order by pv.id, adresar.id";
    std::string headers = "select fakt.*,pv.id as pv_id from pv\n"
                          " JOIN fakt ON (fakt.cfakt=pv.cislofakt)\n"
                          " where pv.id in (" + keys + ") and pv.cislofakt <> ''\n"
                          " order by pv.id, fakt.id";
    // clang-format on
    return PurchaseInvoices{GroupedRows(ctx.db.query(partners), "pv_id"), GroupedRows(ctx.db.query(headers), "pv_id")};
}

JournalLine ReceiptLine(const RuleContext& ctx, const db::Row& receipt, const db::Row* item)
{
    const SessionState& st = ctx.state;
    JournalLine l;
    l.mesic = st.PostingMonth;
    l.rok = st.PostingYear;
    l.doklad = receipt.text("cislodokla");
    l.denik = st.CurrentDenik;
    l.stredisko = ctx.strtopc.structo();
    l.dealer = receipt.text("dealer");
    if (item) {
        l.text = item->text("nazevosiva");
        l.nomenkla = item->text("nomenkla");
    }
    l.datzdp = receipt.asDate("datum");
    l.ico = receipt.text("ico");
    l.nazevpodni = receipt.text("nazevpodni");
    l.kodpar = receipt.text("kodpar");
    l.datspl = st.CurrentDocDate;
    l.pestitel = receipt.text("mkodpar");
    return l;
}

} // namespace kex

// The look-ups of a post of the VN or VU tab, each read in one query for all selected documents.
#include <set>

#include "core/Values.h"
#include "rules/sales/SalesPosting.h"

namespace kex {
namespace {

std::string inList(const std::set<std::string>& keys)
{
    std::string out;
    for (const auto& key : keys) out += (out.empty() ? "" : ",") + TextLiteral(key);
    return out;
}

// Keeps the first row of each key, as a look-up positioned on the first match always did.
std::map<std::string, db::Row> firstByKey(const db::Result& result, const char* keyColumn)
{
    std::map<std::string, db::Row> out;
    for (db::Row row : result) out.emplace(row.text(keyColumn), row);
    return out;
}

void readProduction(RuleContext& ctx, const GroupedRows& items, SalesLookups& out)
{
    // Only lots of a split from 60 on come out of a calculation.
    std::set<std::string> lots;
    for (std::size_t i = 0; i < ctx.list.size(); ++i) {
        if (!ctx.list.selected[i]) continue;
        for (const db::Row& item : items.of(ctx.list.rows[i].text("id")))
            if (item.asInt("lomeni") > 59) lots.insert(item.text("partiecela"));
    }
    if (lots.empty()) return;
    // clang-format off
    db::Result made = ctx.db.query("select id,cislodokla,mnozstvi,partiecela,lomeni from pv9\n"
                                   " where partiecela in (" + inList(lots) + ")\n"
                                   " and pohyb = \"9\"\n"
                                   " order by id");
    // clang-format on
    std::set<std::string> numbers;
    for (db::Row row : made) {
        auto key = std::make_pair(row.text("partiecela"), row.asInt("lomeni"));
        if (out.calculations.emplace(key, ProducingCalculation{row.text("cislodokla"), row.asFloat("mnozstvi")}).second)
            numbers.insert(row.text("cislodokla"));
    }
    if (numbers.empty()) return;
    // clang-format off
    out.work = GroupedRows(ctx.db.query("select pv9.cislodokla as kalkulace,pv9.partie,pv9.mnozstvi,cenik.analucet2,"
                                        "cenik.pc,cenik.nazevosiva,cenik.nomenkla from pv9\n"
                                        " LEFT JOIN cenik\n"
                                        " ON (pv9.partie=cenik.prace)\n"
                                        " where pv9.cislodokla in (" + inList(numbers) + ")\n"
                                        " and LENGTH(pv9.partiecela) = 3\n"
                                        " and pv9.pohyb = \"3\"\n"
                                        " order by pv9.cislodokla, pv9.id, cenik.id"),
                           "kalkulace");
    // clang-format on
}

} // namespace

SalesLookups ReadInvoiceLookups(RuleContext& ctx)
{
    SalesLookups out;
    std::set<std::string> invoices, partners;
    for (std::size_t i = 0; i < ctx.list.size(); ++i) {
        if (!ctx.list.selected[i]) continue;
        const db::Row delivery = ctx.list.rows[i];
        if (!delivery.text("cislofakt").empty()) invoices.insert(delivery.text("cislofakt"));
        partners.insert(delivery.text("ico"));
    }
    if (!invoices.empty()) {
        out.invoices =
            firstByKey(ctx.db.query("select * from fakt\n where cfakt in (" + inList(invoices) + ")"), "cfakt");
        // Records of these invoices that earlier tabs of the session already wrote.
        ctx.lines.flush();
        for (db::Row row :
             ctx.db.query("select symbol,denik,datspl from kexcfatmp\n where symbol in (" + inList(invoices) + ")"))
            out.recorded.emplace(row.text("symbol"), RecordedInvoice{row.text("denik"), row.asDate("datspl")});
    }
    if (!partners.empty())
        // clang-format off
        out.partners = firstByKey(ctx.db.query("select ico,dealer,banka,zvla_dispo,bank_ucet,analucet1 from adresar\n"
                                               " where ico in (" + inList(partners) + ")\n order by id"),
                                  "ico");
    // clang-format on
    return out;
}

SalesLookups ReadSalesLookups(RuleContext& ctx, const GroupedRows& items)
{
    SalesLookups out = ReadInvoiceLookups(ctx);
    if (ctx.settings.PraceZKalkulaceNaVN) readProduction(ctx, items, out);
    return out;
}

const db::Row* SalesLookups::invoice(const std::string& cfakt) const
{
    auto it = invoices.find(cfakt);
    return it == invoices.end() ? nullptr : &it->second;
}

const db::Row* SalesLookups::partner(const std::string& ico) const
{
    auto it = partners.find(ico);
    return it == partners.end() ? nullptr : &it->second;
}

const ProducingCalculation* SalesLookups::calculation(const std::string& partiecela, long long lomeni) const
{
    auto it = calculations.find({partiecela, lomeni});
    return it == calculations.end() ? nullptr : &it->second;
}

} // namespace kex

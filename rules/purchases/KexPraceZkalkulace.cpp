// Work charged from production calculations: a lot sold on a delivery that a calculation
// produced carries the work the calculation consumed. With PraceZKalkulaceNaVN the customer pays
// that work separately from the goods: one customer debit and one revenue credit per work row,
// priced for the quantity sold.
#include "core/Values.h"
#include "rules/sales/CustomerSide.h"

namespace kex {
namespace {

std::string customerAccount(const RuleContext& ctx, const SalesDelivery& d)
{
    if (HasReceipt(d.row)) return ReceiptCustomerAccount(ctx, d);
    return InvoiceCustomerAccount(ctx, d, d.row.text("znakdodav") == "4");
}

} // namespace

void KexPraceZkalkulace(RuleContext& ctx, const SalesDelivery& d, const db::Row& item, const SalesLookups& lookups)
{
    const Settings& s = ctx.settings;
    SessionState& st = ctx.state;
    // Only lots of a split from 60 on come out of a calculation.
    if (!s.PraceZKalkulaceNaVN || item.asInt("lomeni") <= 59) return;
    const ProducingCalculation* calculation = lookups.calculation(item.text("partiecela"), item.asInt("lomeni"));
    // A calculation that produced nothing gives no price per unit: nothing is charged.
    if (!calculation || calculation->produced == 0) return;

    for (const db::Row& work : lookups.work.of(calculation->number)) {
        // The work's share of what was sold, unrounded: the customer and revenue lines carry the
        // same amount and the goods line takes the rest.
        const long double amount = work.asFloat("pc")
                                   * (static_cast<long double>(work.asFloat("mnozstvi")) * item.asFloat("hmotnostvn"))
                                   / calculation->produced;
        st.LineAmount += amount;

        JournalLine l = SalesLine(ctx, d, &item);
        l.symbol = HasReceipt(d.row) ? d.row.text("uctenka") : d.row.text("cislofakt");
        l.text = work.text("nazevosiva");
        l.nomenkla = work.text("nomenkla");
        l.datspl = d.row.asDate("datumvn1");
        l.pdoklad = CreditNoteRefs(d.row);
        JournalLine customer = l, revenue = l;
        customer.ucet = customerAccount(ctx, d);
        revenue.ucet =
            ExpandAccount(LeftText(work.text("analucet2"), 7), d.row.text("stredisko"), ctx.strtopc.structo(), "");
        revenue.v343 = ItemVatCode(ctx, item);
        WriteCustomerPair(ctx, customer, revenue, amount);
    }
}

} // namespace kex

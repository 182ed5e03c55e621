#pragma once
// The item rows of the selected purchase receipts, with the price list's stock account and the
// stock card's own-production flag, grouped by the receipt's id (column pv_id) in item order.
#include "core/RuleContext.h"

namespace kex {

GroupedRows ReadPurchaseItems(RuleContext& ctx);

// The values every line of a purchase receipt shares: period, receipt number, the current journal
// code and centre structure, dealer and grower, the receipt's date as the taxable supply, the
// current due date and, for an item, its text and article.
JournalLine ReceiptLine(const RuleContext& ctx, const db::Row& receipt, const db::Row* item);

// The supplier's address row and the invoice header of each selected receipt, grouped by the
// receipt's id (first row first), read once per post.
struct PurchaseInvoices {
    GroupedRows partners;
    GroupedRows headers;
};
PurchaseInvoices ReadPurchaseInvoices(RuleContext& ctx);

// Posts one receipt that carries an invoice number as the supplier's invoice.
void KexVL(RuleContext& ctx, const db::Row& receipt, const std::vector<db::Row>& items,
           const PurchaseInvoices& invoices);

} // namespace kex

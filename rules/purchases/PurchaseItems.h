#pragma once
// The item rows of the selected purchase receipts, with the price list's stock account and the
// stock card's own-production flag, grouped by the receipt's id (column pv_id) in item order.
#include "core/RuleContext.h"

namespace kex {

GroupedRows ReadPurchaseItems(RuleContext& ctx);

// Posts one receipt that carries an invoice number as the supplier's invoice.
void KexVL(RuleContext& ctx, const db::Row& receipt, const std::vector<db::Row>& items);

} // namespace kex

#pragma once
// The stock side of deliveries and services whose invoice side is already posted, posted at
// purchase price once every lot has its price: the tabs VN nc and VU nc. Both post the same
// lines (see rules/sales/StockSide.h); what differs between them is named in their StockTab.
#include <string>

#include "core/RuleContext.h"
#include "rules/sales/StockSide.h"

namespace kex {

struct StockTab {
    const DocumentKind& kind;
    std::string SessionState::*postedIds;
    // The journal code of a document's lines. The codes are temporary ("Vn", "Vc", "Vu"), so that
    // the tab's back button removes only these lines; the commit turns them into "VN", "VC", "VU".
    const char* (*journalCode)(const db::Row& document);
    // Whether the amount is rounded to 2 decimals or written as the extended product.
    bool roundAmounts;
};

void PostStockAtPurchasePrice(RuleContext& ctx, const StockTab& tab);

// The date of the taxable supply by the accounting period: with DatumDokladuDleUO a document
// dated before the posting month is dated the 2nd of the posting month; otherwise its own date.
DateTime DateByPeriod(const SessionState& state, const DateTime& date);

} // namespace kex

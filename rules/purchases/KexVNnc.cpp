// Sales deliveries at purchase price: the stock side of deliveries whose invoice or cash receipt
// is already posted, once their lots have their prices.
#include "rules/purchases/PurchaseRules.h"
#include "rules/purchases/StockAtPurchasePrice.h"
#include "rules/sales/SalesPosting.h"

namespace kex {

void KexVNnc(RuleContext& ctx)
{
    PostStockAtPurchasePrice(ctx, StockTab{kSalesDeliveries, &SessionState::PostedIdsVNnc,
                                           [](const db::Row& delivery) { return HasReceipt(delivery) ? "Vc" : "Vn"; },
                                           true});
}

} // namespace kex

// Service deliveries at purchase price: the stock side of services whose invoice is already
// posted, once their lots have their prices. The amounts are the exact products of price and
// quantity, not rounded, as the service tab has always written them.
#include "rules/purchases/PurchaseRules.h"
#include "rules/purchases/StockAtPurchasePrice.h"

namespace kex {

void KexVUnc(RuleContext& ctx)
{
    PostStockAtPurchasePrice(
        ctx, StockTab{kServiceDeliveries, &SessionState::PostedIdsVUnc, [](const db::Row&) { return "Vu"; }, false});
}

} // namespace kex

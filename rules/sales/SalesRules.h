#pragma once
// Posting rules of sales deliveries and service deliveries.

namespace kex {

struct RuleContext;

// Posts the selected deliveries of the VN tab: for each, its invoice side (the invoice by KexFA
// or the cash receipt by KexUC), then its stock side at purchase price. A delivery with a
// 9-character lot that has no purchase price yet gets only its invoice side; its stock side waits
// for the VN nc tab.
void KexVN(RuleContext& ctx);

// Posts the selected service deliveries of the VU tab: for each, its invoice side by KexFAvu,
// then the stock side of its items, which waits for the VU nc tab as on the VN tab.
void KexVU(RuleContext& ctx);

} // namespace kex

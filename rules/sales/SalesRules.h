#pragma once
// Posting rules of sales deliveries.

namespace kex {

struct RuleContext;

// Posts the selected deliveries of the VN tab: for each, its invoice side (the invoice by KexFA
// or the cash receipt by KexUC), then its stock side at purchase price. A delivery with a
// 9-character lot that has no purchase price yet gets only its invoice side; its stock side waits
// for the VN nc tab.
void KexVN(RuleContext& ctx);

} // namespace kex

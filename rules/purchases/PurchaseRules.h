#pragma once
// Posting rules of purchases from growers and of deliveries and services at purchase price.

namespace kex {

struct RuleContext;

// Posts the selected purchase receipts of the PV tab; a receipt with an invoice is posted whole
// as the supplier's invoice by KexVL.
void KexPV(RuleContext& ctx);

// Post the stock side of the selected deliveries of the VN nc tab, and of the selected services
// of the VU nc tab: deliveries whose invoice side is posted and whose lots now have their
// prices. A document with a 9-character lot still without a price is left on the list.
void KexVNnc(RuleContext& ctx);
void KexVUnc(RuleContext& ctx);

} // namespace kex

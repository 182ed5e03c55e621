#pragma once
// Posting rules of purchases from growers.

namespace kex {

struct RuleContext;

// Posts the selected purchase receipts of the PV tab; a receipt with an invoice is posted whole
// as the supplier's invoice by KexVL.
void KexPV(RuleContext& ctx);

} // namespace kex

#pragma once
// What the posting of one sales or service delivery shares between its parts: the delivery rules
// KexVN and KexVU, the invoice rules KexFA and KexFAvu, the receipt rule KexUC and the work
// charged from production calculations. The items and look-ups of all selected documents are
// read once per post and handed out document by document; the rules write their lines one at a
// time in the order the accountant has always seen them.
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/RuleContext.h"
#include "rules/sales/StockSide.h"

namespace kex {

// An invoice whose open-item record is already in the working tables: a further delivery of it
// takes the record's journal code and due date and writes no second record.
struct RecordedInvoice {
    std::string denik;
    DateTime datspl;
};

// The production calculation that made a lot: its number and the quantity it produced.
struct ProducingCalculation {
    std::string number;
    double produced = 0;
};

// Look-ups of one post of the VN or VU tab, read once for all selected documents.
struct SalesLookups {
    std::map<std::string, db::Row> invoices;         // fakt by cfakt
    std::map<std::string, db::Row> partners;         // adresar by ico, the first row of each
    std::map<std::string, RecordedInvoice> recorded; // open-item records by symbol, the first of each
    // pv9 rows of movement 9 by lot and split, the first of each.
    std::map<std::pair<std::string, long long>, ProducingCalculation> calculations;
    // The work of each calculation (pv9 movement 3 with its price-list article) by calculation
    // number, in the calculation's row order.
    GroupedRows work;

    const db::Row* invoice(const std::string& cfakt) const;
    const db::Row* partner(const std::string& ico) const;
    const ProducingCalculation* calculation(const std::string& partiecela, long long lomeni) const;
};

// One delivery being posted: its row of the VN (or VU) list, its items in item order and its
// partner.
struct SalesDelivery {
    const db::Row& row;
    const std::vector<db::Row>& items;
    const db::Row* partner; // the address-book row of the delivery's own ico; null when none

    // The first and last item; null for a delivery without items, whose lines then carry empty
    // item texts.
    const db::Row* first() const { return items.empty() ? nullptr : &items.front(); }
    const db::Row* last() const { return items.empty() ? nullptr : &items.back(); }
};

// Invoice headers, partners and the records already written for the selected documents'
// invoices. Flushes the line writer first, so records that earlier tabs wrote are seen.
SalesLookups ReadInvoiceLookups(RuleContext& ctx);

// The invoice look-ups and, with PraceZKalkulaceNaVN, the calculations and work behind the lots
// of the items (grouped by the delivery's id, see ReadDocumentItems).
SalesLookups ReadSalesLookups(RuleContext& ctx, const GroupedRows& items);

// Fields of a row that may be missing: empty text, zero amount, the zero date.
std::string FieldText(const db::Row* row, std::string_view column);
double FieldAmount(const db::Row* row, std::string_view column);
DateTime FieldDate(const db::Row* row, std::string_view column);

// The values every line of a delivery or service shares: period, document number, the current
// journal code, the current centre structure and the partner.
JournalLine DocumentLine(const RuleContext& ctx, const db::Row& document);

// The values every line of a delivery shares: period, delivery number, the current journal
// code, the current centre structure, the item's dealer, name and article, the partner and the
// date of the taxable supply.
JournalLine SalesLine(const RuleContext& ctx, const SalesDelivery& d, const db::Row* item);

// A delivery is paid by cash receipt when its receipt number holds more than blanks: the lists
// take a blank number for none, and so must the choice between invoice and receipt.
bool HasReceipt(const db::Row& delivery);

// The delivery's credit-note references, written as pdoklad of most invoice and receipt lines.
std::string CreditNoteRefs(const db::Row& delivery);

// Centre of a revenue or cost line: with TypUcto "UNI", an article outside the price list's "V"
// set goes to the centre of its dealer when the dealer has one; otherwise the current structure.
std::string RevenueCentre(const RuleContext& ctx, const db::Row& item);

// VAT code of the item's rate: reduced, standard, or zero-rated for any other rate.
std::string ItemVatCode(const RuleContext& ctx, const db::Row& item);

// zaklad of a VAT line: the rate, "/" and the delivery's base column as its field text.
std::string VatBaseText(int rate, const db::Row& delivery, std::string_view baseColumn);

// Posts the invoice side of a delivery settled by an invoice; updates `lookups.recorded`.
void KexFA(RuleContext& ctx, const SalesDelivery& d, SalesLookups& lookups);

// Posts the invoice side of a service delivery; updates `lookups.recorded`. The strtopc row of
// the document's centre is current, CurrentDenik is "VU" and CurrentDocDate the service date;
// afterwards they hold the invoice's journal code and due date, which the stock lines take.
void KexFAvu(RuleContext& ctx, const SalesDelivery& d, SalesLookups& lookups);

// Posts the cash receipt of a delivery paid on the spot.
void KexUC(RuleContext& ctx, const SalesDelivery& d, const SalesLookups& lookups);

// Charges the customer for the work of the calculation that produced the item's lot, priced for
// the quantity sold. Adds the work total to LineAmount (and to SumBase with sou311321), which the
// caller set to 0 and then subtracts from the item's goods amount.
void KexPraceZkalkulace(RuleContext& ctx, const SalesDelivery& d, const db::Row& item, const SalesLookups& lookups);

} // namespace kex

#pragma once
// The stock side of sales deliveries and of service deliveries: per item, the stock account
// credited and the cost account debited at purchase price. KexVN and KexVU post it together
// with the invoice side when every lot has its price; KexVNnc and KexVUnc post it later, once
// the invoice side is posted and the prices are known. All four write the same pair of lines;
// what tells a service from a delivery is fixed once, in its DocumentKind.
#include <string>
#include <string_view>
#include <vector>

#include "core/RuleContext.h"

namespace kex {

struct DocumentKind {
    const char* headerTable;       // vn, vu
    const char* itemTable;         // vnrad, vurad
    const char* dateColumn;        // date of the supply: datumvn1, datumvu
    const char* quantityColumn;    // hmotnostvn, hmotnostvu
    const char* costAccountColumn; // the price list's cost account: analucet3, analucet6
    // A delivery names the item's dealer on its lines, sends the cost of a dealer's article to the
    // dealer's centre under UNI, and may be paid by a cash receipt whose number follows the invoice
    // number in the symbol. A service has none of this: no dealer, the document's structure, and
    // the invoice number alone.
    bool dealers;
};

extern const DocumentKind kSalesDeliveries;
extern const DocumentKind kServiceDeliveries;

// The items of the selected documents of the tab, with the price list's accounts (stock
// analucet1, revenue analucet2 as analucet2_1, cost analucet3, treatment revenue analucet5,
// service cost analucet6) and the stock card's own-production flag, grouped by the document's
// row id in item order. Items belong to a document as the server compares the numbers, so an
// item whose number differs in letter case or trailing blanks is still the document's.
GroupedRows ReadDocumentItems(RuleContext& ctx, const DocumentKind& kind);

// A lot of 9 characters without a purchase price is still waiting for its price: the document's
// stock side waits with it, for the tab at purchase price.
bool StockSideComplete(const std::vector<db::Row>& items);

// The stock side of a listed document may already be posted (a later posting took it at
// purchase price, and the posting of its invoice side was cancelled since): it must not be
// posted twice.
bool StockSidePosted(const db::Row& document);

// Writes the stock credit and the cost debit of one item for `amount`, with the current
// journal code, due date and centre structure. `templateCentre` fills the centre placeholder of
// the account templates, `datzdp` is the date of the taxable supply the lines carry.
void WriteStockPair(RuleContext& ctx, const DocumentKind& kind, const db::Row& document, const db::Row& item,
                    long double amount, std::string_view templateCentre, const DateTime& datzdp);

} // namespace kex

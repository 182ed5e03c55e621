#pragma once
// A deterministic demo company: the documents of one accounting period of an agricultural trader
// and processor, written into a database that already holds the schema, the settings (keximpl) and
// the suite definitions (tervan). Used by the demo and the benchmark alike, for any size.
//
// The same options give byte-identical tables: every row carries an explicit id, and the numbers
// come from our own generator, not from the standard library's distributions (whose results differ
// between library versions).
#include <string>
#include <utility>
#include <vector>

#include "db/Connection.h"

namespace kex {

struct DemoDataOptions {
    int documents = 200; // source documents (headers) over all tabs, 1 to 1,000,000
    unsigned seed = 1;
    int month = 4; // the accounting period the documents belong to
    int year = 2006;
};

struct DemoDataSummary {
    // Rows written per table, in the order the tables are listed by the command.
    std::vector<std::pair<std::string, long long>> rows;
};

// Deletes every row of the look-up and source tables it fills (strtopc, dealertopc, adresar,
// adresarbor, cenik, skarta, pokl_typd, fakt, pv, pvrad, vn, vnrad, vu, vurad, pv9, vp, smesi,
// krsmesi, pokladna, dopr_kexc) and writes the demo company into them, all in one transaction:
// a failure rolls everything back and raises db::DbError. The journal, the settings and the suite
// definitions are left alone.
//
// What is written: centres with their structure codes, dealers, partners (growers, cooperatives,
// feed mills, export customers, suppliers, carriers), the price list with work articles, stock cards,
// invoices in their number series and the documents of every tab, mostly dated in the period's
// month and some in the one or two months before it (never before January of the period's year, so
// one set of VAT rates holds for all of them), all unposted but a sale, a cash sale and a service
// whose invoice side an earlier posting took (their stock side waits on the lists "VN nc" and
// "VU nc"; no journal rows are written for that posting). The awkward cases the posting rules
// branch on are always among them when the period has enough documents (about 120): invoices over
// several deliveries and a delivery without items, 9-character lots without a price, own products
// and lots of calculations, advances of every series settled by later invoices, cash receipts,
// credit notes, exports with charged work, sales and services at 0 %, returns with negative
// quantities and zero prices.
//
// Options outside their ranges (documents 1 to 1,000,000, month 1 to 12, year 1000 to 9999) throw
// UsageError before anything is changed.
DemoDataSummary GenerateDemoData(db::Connection& connection, const DemoDataOptions& options);

} // namespace kex

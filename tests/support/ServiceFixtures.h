#pragma once
// The test bed of the service rules and of the tabs at purchase price: the sales test bed with
// a treatment service and a treatment agent in the price list, builders for service deliveries
// and their items, and posting any tab of April 2013.
#include <string>
#include <vector>

#include "support/SalesFixtures.h"

namespace kex::test {

// Treatment work: revenue from the price list 602.1XX (U602morZcenikuA5).
inline const Article kTreatment{"MOR", "Moření osiva"};
// Treatment agent issued from stock: stock 132.XXX, revenue 604.2YY, service cost 505.XXX.
inline const Article kAgent{"MORID", "Mořidlo Vitavax"};
// What the invoice lines of a service carry: the processed article and, as text, its lot.
inline const Article kProcessed{"OSI", "OS1304"};
inline const char* const kServiceDate = "2013-4-10";

class ServiceRulesFixture : public SalesRulesFixture {
protected:
    void SetUp() override;

    // A service of the customer at centre 43 on lot OS1304 of article OSI, dated 2013-04-10.
    RowBuilder service(const std::string& number, const std::string& invoice);
    // An item of a service stored at centre 44; the lot is both partie and partiecela.
    RowBuilder serviceItem(const std::string& service, const Article& a, const std::string& lot, double quantity,
                           double pc, double nc);

    // Opens April 2013 (unless a session is open), selects the documents (a click spreads over
    // an invoice's documents) and posts the tab.
    PostingSession& post(Tab tab, const std::vector<std::string>& numbers);
    long long serviceId(const std::string& number) { return documentId("vu", number); }
};

} // namespace kex::test

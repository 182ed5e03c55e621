#pragma once
// The test bed of the sales rules: a database with two centres, a customer and a few articles,
// builders for deliveries, their items, invoices and the production calculations behind a lot,
// a posting session of April 2013 (VAT 15 % and 21 %) and the comparison of the working journal
// lines with a table of expected lines.
#include <string>
#include <utility>
#include <vector>

#include "support/LineTable.h"
#include "support/RulesFixture.h"

namespace kex::test {

// An article as the lines carry it: code and name.
struct Article {
    const char* nomenkla;
    const char* name;
};

// Price-list accounts: stock, revenue, cost (templates as a price list holds them).
inline const Article kWheat{"PSE", "Pšenice potravinářská"}; // 132.XXX, 604.1YY, 504.XXX
inline const Article kSeed{"OSI", "Osivo 'Bohemia'"};        // 132.4XX99 (cut to 7), 604.0DD, 504.XXX
inline const Article kPacking{"PRBAL", "Balení"};            // work 903: 250 a unit, revenue 602.XXX
inline const Article kDrying{"PRSUS", "Sušení"};             // work 904: 0.125 a unit, revenue 602.1YY
inline const Article kNoItem{"", ""};

inline const char* const kCustomerIco = "12345678";
inline const char* const kCustomerName = "Agro Úvaly s.r.o.";
inline const char* const kCustomerCode = "AGU";
inline const char* const kDeliveryDate = "2013-4-10"; // as the lines write it
inline const char* const kDueDate = "2013-4-25";      // the invoices' splatnost

// One expected journal line. md8/dal8 only where the case is about foreign amounts.
struct Line {
    std::string doklad, denik, ucet;
    Side side;
    double amount;
    std::string stredisko, v343, symbol;
    Article item;
    std::string datspl;
    std::string zaklad = "", pdoklad = "";
    double md8 = 0, dal8 = 0;
};

// The working lines in writing order, or those of one delivery.
std::vector<db::Row> AllRows(const db::Result& result);
std::vector<db::Row> RowsOf(const db::Result& result, const std::string& doklad);

// Compares the lines with the table, every column of Line plus the partner, the date of the
// taxable supply and the period, and reports both tables side by side when they differ.
void ExpectLines(const std::vector<db::Row>& actual, const std::vector<Line>& expected,
                 const std::string& datzdp = kDeliveryDate);

class SalesRulesFixture : public RulesFixture {
protected:
    SalesRulesFixture() : RulesFixture("04", "2013") {}
    void SetUp() override;

    // A delivery of the customer at centre 43, dated 2013-04-10, settled by the invoice or receipt.
    RowBuilder delivery(const std::string& number, const std::string& invoice, const std::string& receipt = "");
    // An item stored at centre 44, VAT 15 %, lot PS1304 of 6 characters, pc8 equal to pc.
    RowBuilder item(const std::string& delivery, const Article& a, double quantity, double pc, double nc);
    // A domestic invoice of centre 43, issued 2013-04-11, due 2013-04-25.
    RowBuilder invoice(const std::string& number, const std::string& series = "FV");
    // A calculation that produced `produced` of a lot and split, with its work rows (article, units).
    void calculation(const std::string& number, const std::string& lot, int lomeni, double produced,
                     const std::vector<std::pair<const Article*, double>>& work);

    // Opens April 2013, selects the deliveries (a click spreads over an invoice's deliveries)
    // and posts the VN tab.
    PostingSession& postVN(const std::vector<std::string>& deliveries);
    long long idOf(const std::string& delivery) { return documentId("vn", delivery); }
};

} // namespace kex::test

#pragma once
// The customer's side of a sales or service document as the invoice rules KexFA and KexFAvu, the
// receipt rule KexUC and the work of KexPraceZkalkulace write it. Every amount is a pair: the
// customer's debit and the counter credit. With sou311321 the debits are not written one by one:
// they are summed into SumBase, and the rule ends with one customer line. An invoice also has
// its open-item record, written with the first of its deliveries met in the posting.
#include <array>
#include <string>

#include "rules/sales/SalesPosting.h"

namespace kex {

// The customer's account on an invoice: the partner's own account with U311zADR, otherwise
// A311, or A311ex for an export.
std::string InvoiceCustomerAccount(const RuleContext& ctx, const SalesDelivery& d, bool exported);

// The customer's account on a cash receipt: A311uc for the delivery's centre.
std::string ReceiptCustomerAccount(const RuleContext& ctx, const SalesDelivery& d);

// Writes the customer's debit of `amount` on `debit` (with sou311321 adds it to SumBase instead),
// then the credit of `amount` on `credit`. Both lines come with their accounts set.
void WriteCustomerPair(RuleContext& ctx, JournalLine debit, JournalLine credit, long double amount);

// The rounding difference of an invoice or receipt: customer debit, A548VN credit; `line` holds
// what both lines carry.
void WriteRoundingPair(RuleContext& ctx, const JournalLine& line, const std::string& customer, long double amount);

// VAT at one rate of a document's header: the columns of the VAT and of its base, the VAT
// account and the VAT code the line carries for Horry.
struct VatRate {
    const char* vatColumn;
    const char* baseColumn;
    std::string account;
    std::string code;
    int rate;
};

// The reduced and the standard rate with the accounts and codes of sales deliveries.
std::array<VatRate, 2> SalesVatRates(const RuleContext& ctx);
// The same with the accounts and codes of services.
std::array<VatRate, 2> ServiceVatRates(const RuleContext& ctx);

// Sets LineAmount to the document's VAT at the rate; when it is not 0, writes the customer
// debit and the VAT credit with its base as zaklad and returns true.
bool WriteVatPair(RuleContext& ctx, const db::Row& document, const JournalLine& line, const std::string& customer,
                  const VatRate& rate);

// With sou311321, the one customer line that ends the document: SumBase as debit, the deducted
// advances (SumAdvance) as credit and `foreign` as md8. Nothing when all three are 0.
void WriteCustomerSummary(RuleContext& ctx, JournalLine line, const std::string& customer, long double foreign);

// Sets CurrentDenik and CurrentDocDate for the invoice of a delivery: from its open-item record
// when an earlier delivery wrote it, otherwise from the invoice header (its journal code, else its
// series, and its due date). Returns whether the record is still to be written.
bool ChooseInvoiceJournal(RuleContext& ctx, const SalesDelivery& d, const db::Row* invoice,
                          const SalesLookups& lookups);

// The open-item record of an invoice as far as the invoice header and the delivery's partner
// give it, with the current journal code and centre structure. The rule adds the account, the
// text and what is its own.
OpenItemRecord InvoiceRecord(const RuleContext& ctx, const SalesDelivery& d, const db::Row* invoice);

// Remembers the record just written for the further deliveries of the invoice, as the working
// table holds it: a journal code of two characters.
void RememberRecord(const RuleContext& ctx, const db::Row* invoice, SalesLookups& lookups);

} // namespace kex

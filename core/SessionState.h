#pragma once
// The state of an open posting session that the posting core and every posting rule share.
#include <string>

#include "core/DateTime.h"
#include "core/Period.h"
#include "core/Settings.h"

namespace kex {

struct SessionState {
    std::string PostingMonth, PostingYear, PostingCentre;
    bool JenUO = false;
    Settings settings;
    int VatRateReduced = 0, VatRateStandard = 0;

    // Keys of the documents posted in this session, per tab, joined with "," (no blanks).
    std::string PostedIdsPV, PostedIdsVN, PostedIdsFA, PostedIdsVNnc, PostedIdsVU, PostedIdsFAvu, PostedIdsVUnc,
        PostedIdsKA, PostedIdsVPprijem, PostedIdsVPvydej, PostedIdsSM, PostedIdsPO, PostedIdsDP, PostedIdsKS;
    // "*" + invoice number for each invoice that covers more than one listed row.
    std::string MultiDeliveryInvoicesVN, MultiDeliveryInvoicesVU;

    // The document being posted.
    std::string CurrentDenik;
    DateTime CurrentDocDate;
    long double LineAmount = 0;
    long double SumBase = 0, SumAdvance = 0, SumForeign = 0;

    void clearKeyLists();
};

// Appends a key to a key list: the first alone, each further one after ",".
void AppendKey(std::string& list, std::string_view key);

} // namespace kex

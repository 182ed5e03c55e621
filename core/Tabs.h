#pragma once
// The document tabs of the posting area and what belongs to each: its list, its rule, what its
// back button removes and which key lists it fills.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/SessionState.h"

namespace kex {

enum class Tab { PV, VN, VNnc, VP, VU, VUnc, KA, SM, PO, DP, KS };

struct RuleContext;
using RuleFunction = void (*)(RuleContext&);

struct TabInfo {
    Tab tab;
    const char* code;         // as on the command line: PV, VN, VNnc, …
    const char* caption;      // the tab caption with its blanks
    const char* dbf;          // the list's dBASE file in data/
    const char* postCaption;  // "Zúčtovat PV"
    const char* question;     // "Zaúčtovat PV ?"
    const char* backCaption;  // "Zpět PV"
    const char* layoutFile;   // "kexpv.slo"; empty for none
    const char* keyColumn;    // the column whose value names a document on the command line
    std::vector<std::string> backDelete; // lines of the back button's delete on kexcdotmp
    bool backDeletesRecords;             // the same delete on kexcfatmp
    std::vector<std::string SessionState::*> keyLists;
    RuleFunction rule; // nullptr while the tab's rule is not built
};

const std::vector<TabInfo>& AllTabs();
const TabInfo& InfoOf(Tab tab);
// The tab named on the command line ("PV", "VNnc", … in any letter case).
std::optional<Tab> TabByCode(std::string_view code);

} // namespace kex

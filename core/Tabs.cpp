#include "core/Tabs.h"

#include <strings.h>

#include "rules/purchases/PurchaseRules.h"
#include "rules/sales/SalesRules.h"

namespace kex {

void SessionState::clearKeyLists()
{
    for (auto* list : {&PostedIdsPV, &PostedIdsVN, &PostedIdsFA, &PostedIdsVNnc, &PostedIdsVU, &PostedIdsFAvu,
                       &PostedIdsVUnc, &PostedIdsKA, &PostedIdsVPprijem, &PostedIdsVPvydej, &PostedIdsSM,
                       &PostedIdsPO, &PostedIdsDP, &PostedIdsKS, &MultiDeliveryInvoicesVN, &MultiDeliveryInvoicesVU})
        list->clear();
}

void AppendKey(std::string& list, std::string_view key)
{
    if (!list.empty()) list += ',';
    list += key;
}

const std::vector<TabInfo>& AllTabs()
{
    using S = SessionState;
    static const std::vector<TabInfo> tabs = {
        {Tab::PV, "PV", "   PV   ", "pv.dbf", "Zúčtovat PV", "Zaúčtovat PV ?", "Zpět PV", "kexpv.slo", "cislodokla",
         {"delete from kexcdotmp where  denik = \"PV\""}, true, {&S::PostedIdsPV}, KexPV},
        {Tab::VN, "VN", "   VN   ", "vn.dbf", "Zúčtovat VN", "Zaúčtovat VN ?", "Zpět VN", "kexvn.slo", "cislodokla",
         {"delete from kexcdotmp where  denik = \"VN\"", " or denik = \"VZ\"", " or denik = \"DO\" or denik = \"DF\"",
          " or denik = \"VC\""},
         true, {&S::PostedIdsVN, &S::PostedIdsFA}, KexVN},
        {Tab::VNnc, "VNnc", "   VN nc   ", "vnnc.dbf", "Zúčtovat VN", "Zaúčtovat VN nc ?", "Zpět VNnc", "kexvnnc.slo",
         "cislodokla", {"delete from kexcdotmp where denik = \"Vn\"", " or denik = \"Vc\""}, false,
         {&S::PostedIdsVNnc}, KexVNnc},
        {Tab::VP, "VP", "  Vnitropodnik  ", "vp.dbf", "Zúčtovat VP", "Zaúčtovat Vnitropodnik ?", "Zpět VP",
         "kexvp.slo", "cislodokla", {"delete from kexcdotmp where  denik = \"VP\" OR denik = \"VV\""}, false,
         {&S::PostedIdsVPprijem, &S::PostedIdsVPvydej}, nullptr},
        {Tab::VU, "VU", "   VU   ", "vu.dbf", "Zúčtovat VU", "Zaúčtovat VU ?", "Zpět VU", "kexvu.slo", "cislodokla",
         {"delete from kexcdotmp where  denik = \"VU\""}, true, {&S::PostedIdsVU, &S::PostedIdsFAvu}, KexVU},
        {Tab::VUnc, "VUnc", "   VU nc   ", "vunc.dbf", "Zúčtovat VU", "Zaúčtovat VU nc ?", "Zpět VUnc", "kexvunc.slo",
         "cislodokla", {"delete from kexcdotmp where denik = \"Vu\""}, false, {&S::PostedIdsVUnc}, KexVUnc},
        {Tab::KA, "KA", "  Kalkulace  ", "pv9.dbf", "Zúčtovat KA", "Zaúčtovat Kalkulace ?", "Zpět KA", "kexka.slo",
         "cislodokla", {"delete from kexcdotmp where  denik = \"KA\""}, false, {&S::PostedIdsKA}, nullptr},
        {Tab::SM, "SM", "   Směsi   ", "smesi.dbf", "Zúčtovat sm", "Zaúčtovat Směsi ?", "Zpět směsi", "kexsm.slo",
         "cislodokla", {"delete from kexcdotmp where  denik = \"SM\""}, false, {&S::PostedIdsSM}, nullptr},
        {Tab::PO, "PO", " Pokladna ", "po.dbf", "Zúčtovat po", "Zaúčtovat Pokladnu ?", "Zpět pokla.", "kexpo.slo",
         "pokdoklad", {"delete from kexcdotmp where  denik = \"PO\""}, false, {&S::PostedIdsPO}, nullptr},
        {Tab::DP, "DP", " Doprava ", "dp.dbf", "Zúčtovat do", "Zaúčtovat Dopravu ?", "Zpět dopra.", "kexdp.slo",
         "faktura", {"delete from kexcdotmp where  denik = \"DP\""}, false, {&S::PostedIdsDP}, nullptr},
        {Tab::KS, "KS", " Krmné směsi ", "krsmesi.dbf", "Zúčtovat ks", "Zaúčtovat Krmné směsi ?", "Zpět směsi", "",
         "cislodokla", {"delete from kexcdotmp where  denik = \"KS\""}, false, {&S::PostedIdsKS}, nullptr},
    };
    return tabs;
}

const TabInfo& InfoOf(Tab tab) { return AllTabs().at(static_cast<std::size_t>(tab)); }

std::optional<Tab> TabByCode(std::string_view code)
{
    for (const auto& t : AllTabs())
        if (std::string_view(t.code).size() == code.size() && strncasecmp(t.code, code.data(), code.size()) == 0)
            return t.tab;
    return std::nullopt;
}

} // namespace kex

#include "core/Settings.h"

#include <cctype>
#include <charconv>
#include <map>

#include "core/Errors.h"
#include "core/Prompter.h"
#include "db/Connection.h"

namespace kex {

#define KEX_TEXT(k, kind) SettingKey{#k, SettingKind::kind, &Settings::k}
#define KEX_SWITCH(k) SettingKey{#k, SettingKind::Switch, nullptr, &Settings::k}

const std::vector<SettingKey>& SettingKeys()
{
    static const std::vector<SettingKey> keys = {
        KEX_TEXT(TypUcto, Text), KEX_TEXT(BezStredisko, Text), KEX_TEXT(A311, Account), KEX_TEXT(A311ex, Account),
        KEX_TEXT(A311uc, Account), KEX_TEXT(A343nVU, Account), KEX_TEXT(A343vVU, Account),
        KEX_TEXT(A343nVN, Account), KEX_TEXT(A343vVN, Account), KEX_TEXT(A3430VN, Account),
        KEX_TEXT(A343eVN, Account), KEX_TEXT(A343e3VN, Account), KEX_TEXT(A548VN, Account),
        KEX_TEXT(A604VUc, Account), KEX_TEXT(A604VUs, Account), KEX_TEXT(A604VUd, Account),
        KEX_TEXT(A604VUm, Account), KEX_TEXT(A604VUmoridla, Account), KEX_TEXT(A321, Account),
        KEX_TEXT(A343nVL, Account), KEX_TEXT(A343vVL, Account), KEX_TEXT(A548VL, Account), KEX_TEXT(A131, Account),
        KEX_TEXT(A395, Account), KEX_TEXT(A395pv5, Account), KEX_TEXT(A395ka, Account),
        KEX_TEXT(A395smesi, Account), KEX_TEXT(KODnVU, VatCode), KEX_TEXT(KODvVU, VatCode),
        KEX_TEXT(KODnVN, VatCode), KEX_TEXT(KODvVN, VatCode), KEX_TEXT(KOD0VN, VatCode), KEX_TEXT(KODeVN, VatCode),
        KEX_TEXT(KODe3VN, VatCode), KEX_TEXT(KODeVNprace, VatCode), KEX_TEXT(KODe3VNprace, VatCode),
        KEX_TEXT(KODnVL, VatCode), KEX_TEXT(KODvVL, VatCode), KEX_TEXT(A324311, Account),
        KEX_TEXT(A324604, Account), KEX_TEXT(A604, Account), KEX_TEXT(A604ex, Account), KEX_TEXT(A504, Account),
        KEX_TEXT(A132, Account), KEX_TEXT(A123, Account), KEX_TEXT(A613, Account), KEX_TEXT(A601, Account),
        KEX_TEXT(A601ex, Account), KEX_TEXT(A602, Account), KEX_SWITCH(sou311321), KEX_SWITCH(VZdoSalda),
        SettingKey{"VZnaFAotocitMD-DAL", SettingKind::Switch, nullptr, &Settings::VZnaFAotocitMD_DAL},
        KEX_SWITCH(PraceZKalkulaceNaVN), KEX_SWITCH(TrzbaVNdefi), KEX_SWITCH(TrzbaVNdefiExport),
        KEX_SWITCH(TrzbaVNpracedefi), KEX_SWITCH(UctovatPokladnu), KEX_SWITCH(NeuctovatPrijemZaUctenkySEU),
        SettingKey{"PokladnaDoRadkuPrenaset", SettingKind::Choice, nullptr, nullptr,
                   &Settings::PokladnaDoRadkuPrenaset},
        KEX_SWITCH(DatumDokladuDleUO), KEX_SWITCH(U311zADR), KEX_SWITCH(U321zADR), KEX_SWITCH(UctovatDopravu),
        KEX_TEXT(A518dopr, Account), KEX_TEXT(A131dopr, Account), KEX_TEXT(A111, Account), KEX_TEXT(A621, Account),
        KEX_SWITCH(UctovatKrmneSmesi), KEX_TEXT(A395krmsmesi, Account), KEX_TEXT(A501ka, Account),
        KEX_TEXT(A501smesi, Account), KEX_TEXT(A501krmsmesi, Account), KEX_SWITCH(UctovatNakladyKA),
        KEX_SWITCH(UctovatNakladySmesi), KEX_SWITCH(UctovatNakladyKrmsmesi), KEX_SWITCH(U602morZcenikuA5),
    };
    return keys;
}

#undef KEX_TEXT
#undef KEX_SWITCH

const std::vector<std::string>& JournalCodes()
{
    static const std::vector<std::string> codes = {"VU", "PV", "VN", "DF", "DO", "VZ", "VP", "KA",
                                                   "SM", "VV", "VC", "DU", "PO", "DP", "KS"};
    return codes;
}

namespace {

std::map<std::string, std::string> readTable(db::Connection& connection)
{
    std::map<std::string, std::string> values;
    db::Result r = connection.query("select * from keximpl");
    // The first row of a key wins, as a locate from the first row finds it.
    for (db::Row row : r) values.emplace(row.text("popis"), row.text("ucet"));
    return values;
}

void apply(const SettingKey& k, const std::map<std::string, std::string>& values, Prompter& prompter, Settings& s)
{
    auto it = values.find(k.key);
    if (it == values.end()) {
        prompter.message(std::string("Neni ") + k.key, Icon::Stop);
        return;
    }
    const std::string& v = it->second;
    if (k.text) {
        s.*k.text = v;
    } else if (k.flag) {
        s.*k.flag = v == "A";
    } else if (k.choice) {
        int n = 0;
        auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), n);
        if (ec != std::errc() || end != v.data() + v.size())
            throw UsageError(std::string("Nastavení ") + k.key + " musí být celé číslo, ne „" + v + "“.");
        s.*k.choice = n;
    }
}

} // namespace

void LoadSettings(db::Connection& connection, Prompter& prompter, Settings& settings)
{
    auto values = readTable(connection);
    // Choices are checked first, so a bad one stops the opening before any message or change.
    Settings loaded = settings;
    for (const auto& k : SettingKeys())
        if (k.kind == SettingKind::Choice && values.count(k.key)) apply(k, values, prompter, loaded);
    for (const auto& k : SettingKeys()) apply(k, values, prompter, loaded);
    settings = loaded;
}

void LoadSettingKeys(db::Connection& connection, Prompter& prompter, Settings& settings,
                     const std::vector<std::string>& keys)
{
    auto values = readTable(connection);
    for (const auto& name : keys)
        for (const auto& k : SettingKeys())
            if (name == k.key) apply(k, values, prompter, settings);
}

VatRates VatRatesOfYear(int year)
{
    VatRates r{15, 21};
    if (year < 2013) r = {14, 20};
    if (year < 2012) r = {10, 20};
    if (year < 2010) r = {9, 19};
    if (year < 2008) r = {5, 19};
    return r;
}

void ValidateBezStredisko(std::string_view value)
{
    auto bad = [&] {
        throw UsageError("Nastavení BezStredisko („" + std::string(value)
                         + "“) musí být jeden kód střediska nebo kódy v apostrofech oddělené čárkami, například '55','56'.");
    };
    auto codeChar = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-'; };
    if (value.empty()) return;
    if (value.size() < 4) {
        for (char c : value)
            if (!codeChar(c)) bad();
        return;
    }
    // 'code' [, 'code']…  with optional blanks around the commas
    std::size_t i = 0;
    auto skipBlanks = [&] {
        while (i < value.size() && value[i] == ' ') ++i;
    };
    while (true) {
        skipBlanks();
        if (i >= value.size() || value[i] != '\'') bad();
        ++i;
        std::size_t start = i;
        while (i < value.size() && codeChar(value[i])) ++i;
        if (i == start || i >= value.size() || value[i] != '\'') bad();
        ++i;
        skipBlanks();
        if (i == value.size()) return;
        if (value[i] != ',') bad();
        ++i;
    }
}

} // namespace kex

#pragma once
// The posting settings of keximpl: accounts, VAT codes, switches and choices that steer the
// posting rules. Each key is a field of the same name (a '-' in a key becomes '_').
#include <string>
#include <string_view>
#include <vector>

namespace kex {

namespace db {
class Connection;
}
class Prompter;

struct Settings {
    std::string TypUcto, BezStredisko;
    std::string A311, A311ex, A311uc, A343nVU, A343vVU, A343nVN, A343vVN, A3430VN, A343eVN, A343e3VN, A548VN;
    std::string A604VUc, A604VUs, A604VUd, A604VUm, A604VUmoridla, A321, A343nVL, A343vVL, A548VL, A131, A395;
    std::string A395pv5, A395ka, A395smesi;
    std::string KODnVU, KODvVU, KODnVN, KODvVN, KOD0VN, KODeVN, KODe3VN, KODeVNprace, KODe3VNprace, KODnVL, KODvVL;
    std::string A324311, A324604, A604, A604ex, A504, A132, A123, A613, A601, A601ex, A602;
    bool sou311321 = false, VZdoSalda = false, VZnaFAotocitMD_DAL = false, PraceZKalkulaceNaVN = false;
    bool TrzbaVNdefi = false, TrzbaVNdefiExport = false, TrzbaVNpracedefi = false;
    bool UctovatPokladnu = false; // tab switch: " Pokladna "
    bool NeuctovatPrijemZaUctenkySEU = false;
    int PokladnaDoRadkuPrenaset = 0;
    bool DatumDokladuDleUO = false, U311zADR = false, U321zADR = false;
    bool UctovatDopravu = false; // tab switch: " Doprava "
    std::string A518dopr, A131dopr, A111, A621;
    bool UctovatKrmneSmesi = false; // tab switch: " Krmné směsi "
    std::string A395krmsmesi, A501ka, A501smesi, A501krmsmesi;
    bool UctovatNakladyKA = false, UctovatNakladySmesi = false, UctovatNakladyKrmsmesi = false;
    bool U602morZcenikuA5 = false;
};

enum class SettingKind { Account, VatCode, Switch, Choice, Text };

struct SettingKey {
    const char* key;
    SettingKind kind;
    std::string Settings::*text = nullptr;
    bool Settings::*flag = nullptr;
    int Settings::*choice = nullptr;
};

// The keys loaded at session opening, in their loading order.
const std::vector<SettingKey>& SettingKeys();

// The fifteen journal codes translated at commit through "Denik-" + code, in translation order.
const std::vector<std::string>& JournalCodes();

// Loads every key from keximpl into `settings`. A missing key is reported as "Neni " + key
// (one message each) and keeps its previous value. A choice that is no integer stops the
// loading with UsageError naming the key, before anything else is touched.
void LoadSettings(db::Connection& connection, Prompter& prompter, Settings& settings);

// Loads just the given keys (the clean-up and the cancel read TypUcto and UctovatDopravu alone,
// a review the three tab switches); the same messages for missing keys.
void LoadSettingKeys(db::Connection& connection, Prompter& prompter, Settings& settings,
                     const std::vector<std::string>& keys);

// VAT rates of the year: reduced and standard rate in whole percent.
struct VatRates {
    int reduced, standard;
};
VatRates VatRatesOfYear(int year);

// The list of excluded centres is used only when it is one centre code or a list of quoted
// centre codes separated by commas; anything else could change the meaning of the SQL it
// goes into. Throws UsageError naming the setting otherwise.
void ValidateBezStredisko(std::string_view value);

} // namespace kex

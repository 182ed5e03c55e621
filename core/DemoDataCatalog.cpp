// The demo company itself: its centres, price list, partners and stock lots, and the look-up
// tables written from them.
#include <algorithm>
#include <set>
#include <stdexcept>

#include "core/DemoDataInternal.h"
#include "core/Values.h"

namespace kex::demo {
namespace {

enum Section { PartnersSection = 1, LotsSection = 2 };

using K = ArticleKind;

struct Place {
    const char* village;
    const char* psc;
    const char* post;
};

// Villages and towns of the Haná region around the company's centres.
const Place kPlaces[] = {
    {"Bílany", "76701", "Kroměříž"},
    {"Bezměrov", "76701", "Kroměříž"},
    {"Hulín", "76824", "Hulín"},
    {"Chropyně", "76811", "Chropyně"},
    {"Kvasice", "76821", "Kvasice"},
    {"Kojetín", "75201", "Kojetín"},
    {"Holešov", "76901", "Holešov"},
    {"Žeranovice", "76901", "Holešov"},
    {"Rymice", "76901", "Holešov"},
    {"Zdounky", "76802", "Zdounky"},
    {"Koryčany", "76805", "Koryčany"},
    {"Litenčice", "76813", "Litenčice"},
    {"Zborovice", "76832", "Zborovice"},
    {"Střílky", "76804", "Střílky"},
    {"Prusinovice", "76842", "Prusinovice"},
    {"Troubky", "75102", "Troubky"},
    {"Tovačov", "75101", "Tovačov"},
    {"Přerov", "75002", "Přerov"},
    {"Morkovice", "76833", "Morkovice"},
    {"Břest", "76823", "Břest"},
    {"Záhlinice", "76824", "Hulín"},
    {"Rataje", "76812", "Rataje"},
    {"Zlobice", "76831", "Zlobice"},
    {"Těšnovice", "76701", "Kroměříž"},
    {"Kostelany", "76701", "Kroměříž"},
    {"Lutopecny", "76701", "Kroměříž"},
    {"Roštín", "76803", "Roštín"},
    {"Chvalčov", "76872", "Chvalčov"},
    {"Kroměříž", "76701", "Kroměříž"},
    {"Němčice nad Hanou", "79827", "Němčice nad Hanou"},
};

const char* const kStreets[] = {"Nádražní",   "Hlavní",     "Zahradní",   "Školní",   "Polní",    "Družstevní",
                                "Komenského", "Masarykova", "Na Kopečku", "Za Humny", "Sokolská", "Tyršova"};

const char* const kMaleNames[] = {"Josef",     "Jan",      "Jiří",    "Petr",    "Pavel", "Jaroslav",  "Miroslav",
                                  "František", "Karel",    "Zdeněk",  "Václav",  "Milan", "Stanislav", "Ladislav",
                                  "Antonín",   "Vladimír", "Bohumil", "Oldřich", "Luboš", "Radek"};
const char* const kFemaleNames[] = {"Marie", "Jana",    "Eva",       "Anna",   "Hana",
                                    "Věra",  "Ludmila", "Jaroslava", "Zdeňka", "Alena"};

struct Surname {
    const char* male;
    const char* female;
};
const Surname kSurnames[] = {
    {"Dvořák", "Dvořáková"},     {"Novák", "Nováková"},
    {"Svoboda", "Svobodová"},    {"Novotný", "Novotná"},
    {"Černý", "Černá"},          {"Procházka", "Procházková"},
    {"Kučera", "Kučerová"},      {"Veselý", "Veselá"},
    {"Horák", "Horáková"},       {"Němec", "Němcová"},
    {"Pokorný", "Pokorná"},      {"Marek", "Marková"},
    {"Pospíšil", "Pospíšilová"}, {"Hájek", "Hájková"},
    {"Jelínek", "Jelínková"},    {"Král", "Králová"},
    {"Růžička", "Růžičková"},    {"Beneš", "Benešová"},
    {"Fiala", "Fialová"},        {"Sedláček", "Sedláčková"},
    {"Zeman", "Zemanová"},       {"Kolář", "Kolářová"},
    {"Navrátil", "Navrátilová"}, {"Čermák", "Čermáková"},
    {"Vaněk", "Vaňková"},        {"Urban", "Urbanová"},
    {"Blaha", "Blahová"},        {"Kratochvíl", "Kratochvílová"},
    {"Šimek", "Šimková"},        {"Vlček", "Vlčková"},
    {"Kovář", "Kovářová"},       {"Bartoš", "Bartošová"},
    {"Polák", "Poláková"},       {"Musil", "Musilová"},
    {"Šťastný", "Šťastná"},      {"Zapletal", "Zapletalová"},
    {"Skácel", "Skácelová"},     {"Zbořil", "Zbořilová"},
    {"Vrba", "Vrbová"},          {"Hanák", "Hanáková"},
};

struct Bank {
    const char* name;
    const char* code;
};
const Bank kBanks[] = {{"Komerční banka", "0100"},
                       {"Česká spořitelna", "0800"},
                       {"ČSOB", "0300"},
                       {"GE Money Bank", "0600"},
                       {"Raiffeisenbank", "5500"}};

template <class T, std::size_t N> const T& pickFrom(Random& rng, const T (&items)[N])
{
    return items[rng.below(static_cast<int>(N))];
}

// The first candidate that fits the column (30 characters for names and addresses).
std::string fit(std::initializer_list<std::string> candidates, int width = 30)
{
    for (const auto& c : candidates)
        if (TextLength(c) <= width) return c;
    return LeftText(*(candidates.end() - 1), width);
}

struct FixedPartner {
    PartnerKind kind;
    const char* name;
    const char* town;
    const char* street;
    const char* psc;
    const char* country; // "" for the Czech Republic
};

// Partners every demo company has: export customers, the big suppliers and carriers.
const FixedPartner kFixedPartners[] = {
    {PartnerKind::ExportEu, "Agrar Handel GmbH", "Wien", "Landstrasse 112", "1030", "AT"},
    {PartnerKind::ExportEu, "Getreide Union AG", "Linz", "Hafenstrasse 7", "4020", "AT"},
    {PartnerKind::ExportEu, "Slovosiva s.r.o.", "Nitra", "Dlhá 45", "94901", "SK"},
    {PartnerKind::ExportEu, "Mlyn Trnava a.s.", "Trnava", "Priemyselná 3", "91701", "SK"},
    {PartnerKind::ExportThird, "Zernotrade LLC", "Kyjev", "Chreščatyk 22", "01001", "UA"},
    {PartnerKind::ExportThird, "Agro Swiss AG", "Basel", "Rheinweg 15", "4058", "CH"},
    {PartnerKind::Supplier, "Hnojiva Morava s.r.o.", "Přerov", "Dluhonská 27", "75002", ""},
    {PartnerKind::Supplier, "Osiva Haná a.s.", "Kroměříž", "Hulínská 1803", "76701", ""},
    {PartnerKind::Supplier, "Agrochemie Přerov s.r.o.", "Přerov", "Kojetínská 3", "75002", ""},
    {PartnerKind::Supplier, "Mořidla Bohemia s.r.o.", "Praha", "Na Pankráci 54", "14000", ""},
    {PartnerKind::Supplier, "Krmiva Vysočina a.s.", "Jihlava", "Brněnská 31", "58601", ""},
    {PartnerKind::Supplier, "Travní semena Plus s.r.o.", "Olomouc", "Holická 8", "77900", ""},
    {PartnerKind::Carrier, "ČSAD Kroměříž a.s.", "Kroměříž", "Vážná 2", "76701", ""},
    {PartnerKind::Carrier, "Kamionová doprava Haná s.r.o.", "Hulín", "Průmyslová 12", "76824", ""},
};

std::string digits(Random& rng, int count)
{
    std::string s;
    for (int i = 0; i < count; ++i) s += static_cast<char>('0' + rng.below(10));
    return s;
}

Article makeArticle(std::string nomenkla, std::string name, K kind, Rate rate, double cost, double price,
                    std::array<std::string, 6> accounts, bool uni = false, std::string prace = {},
                    std::string processedInto = {})
{
    Article a{
        std::move(nomenkla),     std::move(name), kind, rate, cost, price, std::move(prace), std::move(accounts), uni,
        std::move(processedInto)};
    return a;
}

bool ownOnly(K kind) { return kind == K::FeedMixture || kind == K::SeedMixture; }

bool stocked(K kind)
{
    switch (kind) {
    case K::Grain:
    case K::Oilseed:
    case K::Seed:
    case K::Fertiliser:
    case K::Agent:
    case K::FeedComponent:
    case K::GrassSeed:
        return true;
    default:
        return false;
    }
}

} // namespace

// ---- Catalogue --------------------------------------------------------------------------------

void Company::buildCentres()
{
    // A few centres keep a structure code of their own: their journal lines carry it, not the
    // centre code.
    centres = {
        {"10", "01", "10", "Sklad Kroměříž", true, {K::Grain, K::Oilseed, K::Fertiliser, K::Seed}},
        {"20", "02", "20", "Sklad Hulín", true, {K::Grain, K::Oilseed, K::Fertiliser}},
        {"30", "03", "31", "Míchárna krmiv Bezměrov", false, {K::Grain, K::FeedComponent, K::FeedMixture}},
        {"40",
         "04",
         "42",
         "Čistírna osiv Chropyně",
         false,
         {K::Grain, K::Seed, K::Agent, K::GrassSeed, K::SeedMixture}},
        {"50", "05", "50", "Sušárna Záhlinice", false, {K::Grain, K::Oilseed}},
        {"60", "06", "65", "Farma Bezměrov", false, {K::Grain, K::Oilseed}},
        {"90", "01", "90", "Ředitelství Kroměříž", true, {}},
    };
}

void Company::buildArticles()
{
    const Rate R = Rate::Reduced, S = Rate::Standard;
    // Accounts: 1 stock, 2 revenue, 3 cost, 4 stock of issued work lots, 5 treatment revenue,
    // 6 cost of services. Some are templates (XXX centre, DD VAT rate) and one is longer than the
    // 7 characters the rules cut to.
    const std::array<std::string, 6> grain{"132.100", "604.100", "504.100", "", "", ""};
    const std::array<std::string, 6> oil{"132.200", "604.200", "504.200", "", "", ""};
    const std::array<std::string, 6> seed{"132.300", "604.3DD", "504.300", "", "", ""};
    const std::array<std::string, 6> fert{"132.400", "604.400", "504.400", "", "", ""};
    const std::array<std::string, 6> agent{"112.500", "604.500", "504.500", "", "604.150", "501.500"};
    const std::array<std::string, 6> feed{"132.600", "604.600", "504.600", "", "", ""};
    const std::array<std::string, 6> grass{"132.700", "604.700", "504.700", "", "", ""};
    const std::array<std::string, 6> mixture{"123.300", "601.300", "613.300", "", "", ""};
    const std::array<std::string, 6> work{"", "602.XXX", "", "132.XXX", "602.140", "518.100"};
    articles = {
        makeArticle("PSOZ", "Pšenice ozimá potravinářská", K::Grain, R, 3000, 3250, grain, true, "", "OSPSOZ"),
        makeArticle("PSKR", "Pšenice ozimá krmná", K::Grain, R, 2700, 2950, grain, true),
        makeArticle("JECJ", "Ječmen jarní sladovnický", K::Grain, R, 3300, 3600, grain, true, "", "OSJECJ"),
        makeArticle("JECO", "Ječmen ozimý krmný", K::Grain, R, 2600, 2850, grain, true),
        makeArticle("ZITO", "Žito", K::Grain, R, 2500, 2750, grain, true),
        makeArticle("OVES", "Oves", K::Grain, R, 2400, 2650, grain, true),
        makeArticle("TRIT", "Tritikale", K::Grain, R, 2500, 2750, grain, true),
        makeArticle("KUKU", "Kukuřice na zrno", K::Grain, R, 2900, 3150, {"132.XXX", "604.XXX", "504.XXX", "", "", ""},
                    true),
        makeArticle("HRACH", "Hrách setý", K::Grain, R, 4000, 4400, grain, true),
        makeArticle("REPKA", "Řepka olejka", K::Oilseed, R, 6200, 6700, oil, true),
        makeArticle("SLUN", "Slunečnice", K::Oilseed, R, 6500, 7000, oil, true),
        makeArticle("MAK", "Mák modrý", K::Oilseed, R, 42000, 46000, {"132.200", "604.2001", "504.200", "", "", ""},
                    true),
        makeArticle("HORC", "Hořčice bílá", K::Oilseed, R, 11000, 12000, oil, true),
        makeArticle("OSPSOZ", "Osivo pšenice ozimé C1 Bakfis", K::Seed, R, 6800, 7600, seed, true),
        makeArticle("OSJECJ", "Osivo ječmene jarního C1 Jersey", K::Seed, R, 7200, 8100, seed, true),
        makeArticle("OSREP", "Osivo řepky ozimé Ladoga", K::Seed, R, 95000, 110000, seed, true),
        makeArticle("OSKUK", "Osivo kukuřice hybrid FAO 280", K::Seed, R, 80000, 92000, seed, true),
        makeArticle("LAV27", "LAV 27 % N", K::Fertiliser, S, 4800, 5300, fert),
        makeArticle("DAM390", "DAM 390", K::Fertiliser, S, 4300, 4750, fert),
        makeArticle("NPK15", "NPK 15-15-15", K::Fertiliser, S, 7800, 8600, fert),
        makeArticle("DRSUL", "Draselná sůl 60 %", K::Fertiliser, S, 5400, 5950, fert),
        makeArticle("SIRAN", "Síran amonný", K::Fertiliser, S, 3800, 4200, fert),
        makeArticle("VITAVAX", "Vitavax 2000", K::Agent, S, 380, 440, agent),
        makeArticle("RAXIL", "Raxil Star", K::Agent, S, 820, 940, agent),
        makeArticle("CELEST", "Celest Extra 050 FS", K::Agent, S, 690, 790, agent),
        makeArticle("CHINOOK", "Chinook 200 FS", K::Agent, S, 1450, 1650, agent),
        makeArticle("SOJA", "Sójový extrahovaný šrot", K::FeedComponent, R, 7600, 8200, feed),
        makeArticle("PREMIX", "Premix pro výkrm prasat 2,5 %", K::FeedComponent, S, 21000, 23500, feed),
        makeArticle("VAPEN", "Vápenec krmný mletý", K::FeedComponent, R, 900, 1100, feed),
        makeArticle("JILEK", "Jílek vytrvalý", K::GrassSeed, R, 52000, 60000, grass),
        makeArticle("KOSTR", "Kostřava červená", K::GrassSeed, R, 68000, 78000, grass),
        makeArticle("LIPNI", "Lipnice luční", K::GrassSeed, R, 98000, 112000, grass),
        makeArticle("JETEL", "Jetel luční", K::GrassSeed, R, 85000, 97000, grass),
        makeArticle("KSA1", "Krmná směs A1 - výkrm prasat", K::FeedMixture, R, 0, 6900, mixture),
        makeArticle("KSN1", "Krmná směs N1 pro nosnice", K::FeedMixture, R, 0, 7400, mixture),
        makeArticle("KSBR2", "Krmná směs BR2 pro brojlery", K::FeedMixture, R, 0, 8100, mixture),
        makeArticle("SMPARK", "Travní směs parková", K::SeedMixture, R, 0, 98000,
                    {"123.400", "601.400", "613.400", "", "", ""}),
        makeArticle("SMJETR", "Jetelotravní směs", K::SeedMixture, R, 0, 91000,
                    {"123.400", "601.400", "613.400", "", "", ""}),
        makeArticle("CIST", "Čištění osiva", K::Service, S, 0, 420, {"", "602.110", "", "", "", "518.110"}),
        makeArticle("SUS", "Sušení zrna", K::Service, S, 0, 310, {"", "602.120", "", "", "", "518.120"}),
        makeArticle("DOPRAVA", "Doprava zboží", K::Service, S, 0, 120, {"", "602.130", "", "", "", "518.130"}),
        makeArticle("MORENI", "Moření osiva", K::Service, S, 0, 650, {"", "602.140", "", "", "602.140", "518.140"}),
        makeArticle("PRCIST", "Práce - čištění na lince Petkus", K::Work, S, 300, 420, work, false, "P01"),
        makeArticle("PRSUS", "Práce - sušení", K::Work, S, 220, 310, work, false, "P02"),
        makeArticle("PRMOR", "Práce - moření", K::Work, S, 450, 650, work, false, "P03"),
        makeArticle("PRBAL", "Práce - balení do big bagů", K::Work, S, 150, 220, work, false, "P04"),
        makeArticle("PRMIX", "Práce - míchání krmiv", K::Work, S, 180, 250, work, false, "P05"),
        makeArticle("ZALN", "Záloha na dodávku - snížená sazba", K::Advance, R, 0, 0, {"", "324.100", "", "", "", ""}),
        makeArticle("ZALV", "Záloha na dodávku - základní sazba", K::Advance, S, 0, 0, {"", "324.100", "", "", "", ""}),
        makeArticle("OBAL", "Big bag 1 t", K::Packaging, S, 150, 220,
                    {"112.800", "604.800", "504.800", "112.XXX", "", ""}),
        // A lease of storage space is exempt from VAT: a domestic sale at 0 %.
        makeArticle("NAJEM", "Nájem skladovacích prostor", K::Service, Rate::Zero, 0, 1500,
                    {"", "602.150", "", "", "", "518.150"}),
    };
    for (auto& a : articles) {
        a.cost = price(a.cost);
        a.price = price(a.price);
    }
}

void Company::buildPartners()
{
    Random rng = stream(PartnersSection);
    std::set<std::string> icos;
    auto newIco = [&]() {
        std::string ico;
        do {
            ico = std::to_string(rng.between(1, 9)) + digits(rng, 7);
        } while (!icos.insert(ico).second);
        return ico;
    };
    auto finish = [&](Partner p) {
        p.kodpar = "P" + PadLeft(std::to_string(partners.size() + 1), U'0', 5);
        if (p.dealer.empty()) p.dealer = "0" + std::to_string(rng.between(1, 6));
        const Bank& bank = pickFrom(rng, kBanks);
        const bool hasBank = rng.chance(0.8);
        if (hasBank) {
            const std::string number = std::to_string(rng.between(100, 999)) + digits(rng, 6);
            p.bank = bank.name;
            p.bankAccount = number + "/" + bank.code;
        }
        m_partnersByKind[static_cast<int>(p.kind)].push_back(static_cast<int>(partners.size()));
        partners.push_back(std::move(p));
    };
    auto czech = [&](Partner& p, bool payer) {
        const Place& place = pickFrom(rng, kPlaces);
        const bool townStreet = rng.chance(0.5);
        const std::string street = townStreet ? std::string(pickFrom(rng, kStreets)) : std::string(place.village);
        const int number = rng.between(1, 420);
        p.ico = newIco();
        p.vatPayer = payer;
        p.dic = payer ? "CZ" + p.ico : "";
        p.town = place.village;
        p.street = fit({street + " " + std::to_string(number)});
        p.psc = place.psc;
        p.post = place.post;
        return place;
    };
    auto person = [&](Partner& p) {
        const bool male = rng.chance(0.75);
        const Surname& surname = pickFrom(rng, kSurnames);
        const char* first = male ? pickFrom(rng, kMaleNames) : pickFrom(rng, kFemaleNames);
        p.name = std::string(first) + " " + (male ? surname.male : surname.female);
    };

    for (const FixedPartner& f : kFixedPartners) {
        Partner p{f.kind};
        p.name = f.name;
        p.town = f.town;
        p.street = f.street;
        p.psc = f.psc;
        p.post = f.town;
        p.country = f.country;
        p.ico = newIco();
        const std::string country = f.country;
        if (country.empty())
            p.dic = "CZ" + p.ico;
        else if (country == "SK")
            p.dic = "SK20" + p.ico;
        else if (country == "AT")
            p.dic = "ATU" + p.ico;
        else if (country == "CH")
            p.dic = "CHE" + p.ico + "1";
        if (f.kind == PartnerKind::Supplier) p.disposition = "0008";
        finish(std::move(p));
    }

    const int total = std::clamp(m_options.documents / 8, 40, 4000);
    const int own = total - static_cast<int>(std::size(kFixedPartners));
    for (int i = 0; i < own; ++i) {
        // One of each kind first, so that no document ever lacks a partner of the kind it needs.
        const PartnerKind first[] = {PartnerKind::Grower, PartnerKind::FarmCompany, PartnerKind::Customer,
                                     PartnerKind::PersonCustomer, PartnerKind::Carrier};
        const int roll = rng.below(100);
        Partner p{i < 5       ? first[i]
                  : roll < 33 ? PartnerKind::Grower
                  : roll < 53 ? PartnerKind::FarmCompany
                  : roll < 75 ? PartnerKind::Customer
                  : roll < 95 ? PartnerKind::PersonCustomer
                              : PartnerKind::Carrier};
        switch (p.kind) {
        case PartnerKind::Grower: {
            const bool payer = rng.chance(0.4);
            czech(p, payer);
            person(p);
            p.disposition = "0008";
            break;
        }
        case PartnerKind::FarmCompany: {
            const Place place = czech(p, true);
            const std::string v = place.village;
            const Surname& s = pickFrom(rng, kSurnames);
            switch (rng.below(6)) {
            case 0:
                p.name = fit({"Zemědělské družstvo " + v, "ZD " + v});
                break;
            case 1:
                p.name = fit({"AGRO " + v + " a.s.", "AGRO " + v});
                break;
            case 2:
                p.name = fit({"ZEAS " + v + " a.s.", "ZEAS " + v});
                break;
            case 3:
                p.name = fit({std::string("Farma ") + s.male + " s.r.o."});
                break;
            case 4:
                p.name = fit({"Statek " + v + " s.r.o.", "Statek " + v});
                break;
            default:
                p.name = fit({"Agrodružstvo " + v, "AD " + v});
                break;
            }
            p.disposition = "0008";
            break;
        }
        case PartnerKind::Customer: {
            const Place place = czech(p, true);
            const std::string v = place.village;
            const Surname& s = pickFrom(rng, kSurnames);
            switch (rng.below(8)) {
            case 0:
                p.name = fit({"Krmivárna " + v + " s.r.o.", "Krmivárna " + v});
                break;
            case 1:
                p.name = fit({"Mlýn " + v + " a.s.", "Mlýn " + v});
                break;
            case 2:
                p.name = fit({"Sladovna " + v + " a.s.", "Sladovna " + v});
                break;
            case 3:
                p.name = fit({"Pekárna " + v + " s.r.o.", "Pekárna " + v});
                break;
            case 4:
                p.name = fit({"Výkrm prasat " + v + " s.r.o.", "Výkrm prasat " + v});
                break;
            case 5:
                p.name = fit({"Drůbež " + v + " a.s.", "Drůbež " + v});
                break;
            case 6:
                p.name = fit({std::string("Zahradnictví ") + s.male});
                break;
            default:
                p.name = fit({"Olejárna " + v + " a.s.", "Olejárna " + v});
                break;
            }
            if (rng.chance(0.4)) p.credit = 1000.0 * rng.between(300, 3000);
            if (rng.chance(0.05)) p.receivableAccount = "311.150";
            break;
        }
        case PartnerKind::PersonCustomer: {
            const bool payer = rng.chance(0.2);
            czech(p, payer);
            person(p);
            break;
        }
        default: { // carrier
            czech(p, true);
            person(p);
            p.name = fit({"Autodoprava " + p.name, "Autodoprava " + p.name.substr(p.name.find(' ') + 1)});
            break;
        }
        }
        if ((p.kind == PartnerKind::Grower || p.kind == PartnerKind::FarmCompany) && rng.chance(0.05))
            p.payableAccount = "321.150";
        // The first grower, farm company and customer keep accounts of their own, so the switches
        // that read them (U311zADR, U321zADR) always have a partner to show on: the farm company
        // both buys services and sells grain.
        if (i < 3) {
            static const char* const receivable[] = {"", "311.160", "311.150"};
            static const char* const payable[] = {"321.160", "321.150", ""};
            p.receivableAccount = receivable[i];
            p.payableAccount = payable[i];
        }
        finish(std::move(p));
    }
}

void Company::buildLots()
{
    Random rng = stream(LotsSection);
    // Cards per article and centre so that an item finds a lot without every item getting its own.
    int cards = 0;
    for (const Centre& c : centres)
        for (const Article& a : articles)
            if (stocked(a.kind) && std::find(c.stock.begin(), c.stock.end(), a.kind) != c.stock.end()) ++cards;
    const long long items = static_cast<long long>(m_options.documents) * 5 / 2;
    const long long perCardWanted = items / (static_cast<long long>(std::max(cards, 1)) * 4);
    const int perCard = static_cast<int>(std::clamp<long long>(perCardWanted, 2, 400));

    for (int c = 0; c < static_cast<int>(centres.size()); ++c) {
        const Centre& centre = centres[c];
        const bool farm = centre.code == "60";
        for (int a = 0; a < static_cast<int>(articles.size()); ++a) {
            const Article& article = articles[a];
            if (!stocked(article.kind) || ownOnly(article.kind)) continue;
            if (std::find(centre.stock.begin(), centre.stock.end(), article.kind) == centre.stock.end()) continue;
            for (int j = 0; j < perCard; ++j) {
                Lot lot;
                lot.centre = c;
                lot.article = a;
                if (farm) {
                    // The company's own harvest.
                    lot.code = nextLotCode('V', c);
                    lot.own = true;
                    lot.nc = RoundTo(2, article.cost * rng.amount(0.8, 0.9, 3));
                } else {
                    const bool old = j > 0 && rng.chance(0.15);
                    lot.code = nextLotCode(old ? 'O' : 'P', c);
                    const double spread = rng.amount(0.92, 1.08, 3);
                    lot.nc = RoundTo(2, article.cost * spread);
                    // Bought lots whose price is settled later: 9 characters and no price yet. The
                    // first grain lot of the main warehouse and the first agent of the seed plant
                    // are always such lots, so a delivery and a service can wait for their price.
                    const bool canWait =
                        article.kind == K::Grain || article.kind == K::Oilseed || article.kind == K::Agent;
                    const bool firstOfKind = j == 0 && ((centre.code == "10" && article.nomenkla == "PSOZ") ||
                                                        (centre.code == "40" && article.nomenkla == "VITAVAX"));
                    const bool waits = rng.chance(0.02);
                    if (!old && canWait && (waits || firstOfKind)) lot.nc = 0;
                }
                const int index = addLot(lot);
                const bool split = rng.chance(0.08);
                if (split) {
                    Lot part = lots[index];
                    part.lomeni = rng.between(1, 3);
                    addLot(part);
                }
            }
        }
    }
}

int Company::centreIndex(std::string_view code) const
{
    for (std::size_t i = 0; i < centres.size(); ++i)
        if (centres[i].code == code) return static_cast<int>(i);
    throw std::logic_error("demo data: no centre " + std::string(code));
}

int Company::articleIndex(std::string_view nomenkla) const
{
    for (std::size_t i = 0; i < articles.size(); ++i)
        if (articles[i].nomenkla == nomenkla) return static_cast<int>(i);
    throw std::logic_error("demo data: no article " + std::string(nomenkla));
}

const std::vector<int>& Company::partnersOf(PartnerKind kind) const { return m_partnersByKind[static_cast<int>(kind)]; }

int Company::pickPartner(Random& rng, PartnerKind kind) const
{
    // Every kind has fixed members or one of the first drawn (buildPartners).
    return rng.pick(partnersOf(kind));
}

const std::vector<int>& Company::lotsOf(int centre, int article) const
{
    static const std::vector<int> none;
    auto it = m_pools.find({centre, article});
    return it == m_pools.end() ? none : it->second.bought;
}

int Company::pickLot(Random& rng, int centre, std::initializer_list<ArticleKind> kinds, Origin origin) const
{
    const bool withOwn = origin == Origin::Any;
    std::vector<const Pool*> candidates;
    for (auto it = m_pools.lower_bound({centre, 0}); it != m_pools.end() && it->first.first == centre; ++it) {
        const ArticleKind kind = articles[it->first.second].kind;
        const bool available = !it->second.bought.empty() || (withOwn && !it->second.own.empty());
        if (available && std::find(kinds.begin(), kinds.end(), kind) != kinds.end()) candidates.push_back(&it->second);
    }
    if (candidates.empty()) return -1;
    const Pool& pool = *rng.pick(candidates);
    const int size = static_cast<int>(pool.bought.size() + (withOwn ? pool.own.size() : 0));
    const int i = rng.below(size);
    const int bought = static_cast<int>(pool.bought.size());
    return i < bought ? pool.bought[i] : pool.own[i - bought];
}

int Company::addLot(Lot lot)
{
    const std::string key = lot.code + "/" + std::to_string(lot.lomeni) + "/" + std::to_string(lot.centre);
    if (auto it = m_cardIndex.find(key); it != m_cardIndex.end()) return it->second;
    const int index = static_cast<int>(lots.size());
    m_cardIndex.emplace(key, index);
    Pool& pool = m_pools[{lot.centre, lot.article}];
    (lot.own ? pool.own : pool.bought).push_back(index);
    lots.push_back(std::move(lot));
    return index;
}

int Company::cardIn(int lot, int centre)
{
    Lot copy = lots[lot];
    copy.centre = centre;
    return addLot(std::move(copy));
}

// ---- Look-up tables ---------------------------------------------------------------------------

void WriteLookups(Company& company)
{
    Writers& out = company.out();
    for (const Centre& c : company.centres)
        out.strtopc.add(RowValues().text(c.code).text(c.pc).text(c.structo).text(c.name));
    // Dealers 01 to 05 belong to a centre; dealer 06 has none, so its lines keep their own centre.
    const char* const dealerCentres[][2] = {{"01", "10"}, {"02", "20"}, {"03", "31"}, {"04", "42"}, {"05", "50"}};
    for (const auto& d : dealerCentres) out.dealertopc.add(RowValues().text(d[0]).text(d[1]));

    for (const Partner& p : company.partners) {
        out.adresar.add(RowValues()
                            .integer(out.adresar.nextId())
                            .text(p.ico)
                            .text(p.dic)
                            .text(p.name)
                            .text(p.town)
                            .text(p.street)
                            .text(p.psc)
                            .text(p.post)
                            .text(p.kodpar)
                            .text(p.dealer)
                            .text(p.bank)
                            .text(p.bankAccount)
                            .text(p.disposition)
                            .text(p.receivableAccount)
                            .text(p.payableAccount)
                            .number(p.credit));
        const char* group = "TUZEMSKO";
        switch (p.kind) {
        case PartnerKind::Grower:
        case PartnerKind::FarmCompany:
            group = "PESTITEL";
            break;
        case PartnerKind::ExportEu:
            group = "EU";
            break;
        case PartnerKind::ExportThird:
            group = "ZAHRANICI";
            break;
        case PartnerKind::Supplier:
            group = "DODAVATEL";
            break;
        case PartnerKind::Carrier:
            group = "DOPRAVA";
            break;
        default:
            break;
        }
        out.adresarbor.add(RowValues().text(p.kodpar).text(group));
    }

    for (const Article& a : company.articles) {
        RowValues row;
        row.integer(out.cenik.nextId())
            .text(a.nomenkla)
            .text(a.name)
            .text(a.prace)
            .number(a.price)
            .integer(company.rateValue(a));
        for (const std::string& account : a.accounts) row.text(account);
        row.text(a.uni ? "V" : "");
        out.cenik.add(row);
    }

    // Voucher types of every cash desk; sazba names the VAT rate the type's own VAT account is for.
    for (const Centre& c : company.centres) {
        if (!c.cashDesk) continue;
        const char* const types[][3] = {{"PPD", "Příjmový pokladní doklad", ""},
                                        {"VPD", "Výdajový pokladní doklad", "V"},
                                        {"VPN", "Výdaj - snížená sazba DPH", "N"},
                                        {"SEU", "Příjem za účtenky", ""}};
        for (const auto& t : types)
            out.pokl_typd.add(
                RowValues().integer(out.pokl_typd.nextId()).text(t[0]).text(c.code).text(t[1]).text(t[2]));
    }
}

void WriteStockCards(Company& company)
{
    TableWriter& skarta = company.out().skarta;
    for (const Lot& lot : company.lots) {
        skarta.add(RowValues()
                       .integer(skarta.nextId())
                       .text(lot.code)
                       .integer(lot.lomeni)
                       .text(company.centres[lot.centre].code)
                       .text(company.articles[lot.article].nomenkla)
                       .text(lot.own ? "A" : "")
                       .number(lot.nc));
    }
}

} // namespace kex::demo

// "Zaúčtovat": the open posting becomes a numbered posting in the journal.
#include <chrono>
#include <cmath>
#include <map>
#include <thread>

#include "core/Errors.h"
#include "core/PostingSession.h"
#include "core/Values.h"
#include "core/Workstation.h"

namespace kex {
namespace {

// How the documents of one key list are stamped, and how the commit tells whether one of them
// was posted meanwhile by another posting.
struct StampTarget {
    std::string SessionState::*list;
    const char* table;
    const char* stateColumn;
    const char* keyColumn;
    const char* condition; // before the key condition, or empty
    bool setsPeriod;
    const char* label;     // kind and number column naming a document in a refusal
    const char* numberColumn;
    bool textKeys;         // document numbers (quoted), not row ids
};

const std::vector<StampTarget>& StampTargets()
{
    using S = SessionState;
    static const std::vector<StampTarget> targets = {
        {&S::PostedIdsPV, "pv", "datumkexct", "id", "", true, "PV", "cislodokla", false},
        {&S::PostedIdsVN, "vn", "datumkexct", "id", "", true, "VN", "cislodokla", false},
        {&S::PostedIdsFA, "vn", "datumkexcf", "id", "", false, "FA", "cislofakt", false},
        {&S::PostedIdsVNnc, "vn", "datumkexct", "id", "", true, "VN", "cislodokla", false},
        {&S::PostedIdsVU, "vu", "datumkexct", "id", "", true, "VU", "cislodokla", false},
        {&S::PostedIdsFAvu, "vu", "datumkexcf", "id", "", false, "FA", "cislofakt", false},
        {&S::PostedIdsVUnc, "vu", "datumkexct", "id", "", true, "VU", "cislodokla", false},
        {&S::PostedIdsKA, "pv9", "datumkexct", "cislodokla", "", true, "KA", "cislodokla", true},
        {&S::PostedIdsSM, "smesi", "datumkexct", "cislodokla", "", true, "SM", "cislodokla", true},
        {&S::PostedIdsVPprijem, "vp", "datumkexct", "cislodokla", " where pohyb = \"P\"", true, "VP", "cislodokla", true},
        {&S::PostedIdsVPvydej, "vp", "datumkexct", "cislodokla", " where pohyb = \"V\"", true, "VV", "cislodokla", true},
        {&S::PostedIdsPO, "pokladna", "datumkexct", "pokdoklad", "", true, "PO", "pokdoklad", true},
        {&S::PostedIdsDP, "dopr_kexc", "datumkexct", "faktura", "", false, "DP", "faktura", true},
        {&S::PostedIdsKS, "krsmesi", "datumkexct", "cislodokla", "", true, "KS", "cislodokla", true},
    };
    return targets;
}

// A key list as the IN list of its statement. Document numbers are quoted, so a number that is
// not all digits ("P15") is compared as the text it is instead of failing the commit.
std::string inList(const std::string& list, bool textKeys)
{
    if (!textKeys) return list;
    std::string out, key;
    for (std::size_t i = 0; i <= list.size(); ++i) {
        if (i == list.size() || list[i] == ',') {
            out += (out.empty() ? "" : ",") + TextLiteral(key);
            key.clear();
        } else {
            key += list[i];
        }
    }
    return out;
}

// Statements of the final transaction, kept for the error log should one fail.
class CommitRun {
public:
    CommitRun(Workstation& ws) : m_ws(ws), m_c(ws.connection()) {}
    void exec(const std::string& sql)
    {
        m_sent.push_back(sql);
        try {
            m_c.execute(sql);
        } catch (const db::DbError& e) {
            m_ws.failScript(e, m_sent);
        }
    }
    db::Result query(const std::string& sql)
    {
        m_sent.push_back(sql);
        try {
            return m_c.query(sql);
        } catch (const db::DbError& e) {
            m_ws.failScript(e, m_sent);
        }
    }
    void rollback() { m_c.execute("ROLLBACK"); }

private:
    Workstation& m_ws;
    db::Connection& m_c;
    std::vector<std::string> m_sent;
};

} // namespace

CommitResult PostingSession::commit()
{
    if (m_state != AreaState::SessionOpen) throw Refused("Není otevřeno žádné zaúčtování.");
    db::Connection& c = m_ws.connection();
    Prompter& prompter = m_ws.prompter();
    SessionState& st = m_session;
    auto refuse = [&](const std::string& text) {
        prompter.ask(text, Icon::Stop, "Zpět", "");
        throw Refused(text, true);
    };

    long long lines = c.query("select count(*) as n from kexcdotmp")[0].asInt("n");
    long long records = c.query("select count(*) as n from kexcfatmp")[0].asInt("n");
    if (lines == 0 && records == 0) {
        prompter.message("Není co účtovat.", Icon::Stop);
        throw Refused("Není co účtovat.", true);
    }
    db::Result noAccount = c.query("select * from kexcdotmp\n where ucet = \"\"");
    if (!noAccount.empty())
        refuse("Nelze zaúčtovat.\nDoklad " + noAccount[0].text("denik") + " " + noAccount[0].text("doklad") + " nemá účet");
    db::Result sums = c.query("select sum(md) as smd,sum(dal) as sdal from kexcdotmp");
    // The sides must agree to the cent. They are sums of binary amounts added in different
    // groupings (a summary customer line against its items), so an exact comparison refused
    // balanced postings over noise in the last bits; a twentieth of a cent is far above that
    // noise and far below any real difference.
    if (std::fabs(sums[0].asFloat("smd") - sums[0].asFloat("sdal")) >= 0.0005)
        refuse("Nelze zaúčtovat.\nNejsou vyrovnány strany MD - DAL");
    if (!prompter.ask("Zapsat zaúčtování dokladů PV, VN, VU, KA, VP, SM, PO, DP, KS ?", Icon::Help, "OK", "Zpět"))
        throw Refused("Zrušeno uživatelem.", true);
    if (st.settings.TypUcto == "Navision") {
        db::Result blank = c.query("select * from kexcdotmp\n where kodpar = \" \"\n"
                                   " and denik IN (\"VU\",\"PV\",\"VN\",\"DF\",\"DO\",\"VZ\",\"VC\",\"DU\",\"DP\")");
        if (!blank.empty())
            refuse("Nelze zaúčtovat.\nDoklad " + blank[0].text("denik") + " " + blank[0].text("doklad") + " nemá Kod partnera");
    }

    // Translations are read and their missing keys reported before the transaction starts.
    std::map<std::string, std::string> settings;
    for (db::Row r : c.query("select * from keximpl")) settings.emplace(r.text("popis"), r.text("ucet"));
    std::vector<std::pair<std::string, std::string>> translations;
    for (const auto& code : JournalCodes()) {
        auto it = settings.find("Denik-" + code);
        if (it == settings.end()) {
            prompter.message("Neni Denik-" + code, Icon::Warning);
            continue;
        }
        if (it->second != code) translations.emplace_back(code, it->second);
    }

    // Numbering and writing run under one lock and in one transaction: two workstations never
    // take the same number, and a failure leaves neither the journal nor the working tables half done.
    db::Result lock = c.query("select GET_LOCK(CONCAT(DATABASE(),'.kex_posting_number'), 60) as l");
    if (lock.empty() || lock[0].asInt("l") != 1)
        throw Refused("Číslo zaúčtování nelze přidělit: jiná pracovní stanice právě zapisuje zaúčtování.");
    struct LockRelease {
        db::Connection& c;
        ~LockRelease()
        {
            try {
                if (c.isOpen()) c.execute("do RELEASE_LOCK(CONCAT(DATABASE(),'.kex_posting_number'))");
            } catch (const db::DbError&) {
            }
        }
    } release{c};

    CommitRun run(m_ws);
    run.exec("BEGIN");
    CommitResult result;
    result.number = static_cast<int>(run.query("select max(cislo) as poci from kexinfo")[0].asInt("poci")) + 1;
    result.stamp = Now();
    // The timestamp finds the posting's lines and documents, so no two postings may share it.
    while (run.query("select count(*) as n from kexinfo where datum = " + TextLiteral(FormatStamp(result.stamp)))[0].asInt("n") > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        result.stamp = Now();
    }
    result.file = "D" + PadLeft(std::to_string(result.number), U'0', 5);
    const std::string T = StampLiteral(result.stamp);
    const std::string number = IntLiteral(result.number);

    run.exec("UPDATE kexcdotmp\n set datum = " + T + "\n, cislo = " + number);
    run.exec("UPDATE kexcdotmp\n set denik = 'VN'\n where denik = 'Vn'");
    run.exec("UPDATE kexcdotmp\n set denik = 'VC'\n where denik = 'Vc'");
    run.exec("UPDATE kexcdotmp\n set denik = 'VU'\n where denik = 'Vu'");
    db::Result s2 = run.query("select sum(md) as smd,sum(dal) as sdal from kexcdotmp");
    result.md = s2[0].asFloat("smd");
    result.dal = s2[0].asFloat("sdal");
    run.exec("UPDATE kexcfatmp\n set datum = " + T + "\n, cislo = " + number);
    result.fa = run.query("select sum(castka) as sfa from kexcfatmp where denik = \"VN\" or denik = \"VU\" or denik = \"VZ\""
                          " or denik = \"DF\" or denik = \"DO\" or denik = \"DU\"")[0].asFloat("sfa");
    result.vl = run.query("select sum(castka) as svl from kexcfatmp where denik = \"PV\"")[0].asFloat("svl");
    for (const auto& [code, value] : translations) {
        run.exec("UPDATE kexcdotmp\n set denik = " + TextLiteral(value) + "\n where denik = " + TextLiteral(code));
        run.exec("UPDATE kexcfatmp\n set denik = " + TextLiteral(value) + "\n where denik = " + TextLiteral(code));
    }
    // The tab tags of the working rows are not journal data: the journal numbers its rows itself.
    run.exec("UPDATE kexcdotmp set id = 0");
    run.exec("UPDATE kexcfatmp set id = 0");

    // Refuse a double posting: a document another posting stamped since this session listed it.
    for (const auto& t : StampTargets()) {
        const std::string& list = st.*t.list;
        if (list.empty()) continue;
        std::string where = std::string(" where ") + t.keyColumn + " in (" + inList(list, t.textKeys) + ")";
        if (*t.condition) where = std::string(t.condition) + "\n AND " + t.keyColumn + " in (" + inList(list, t.textKeys) + ")";
        std::string posted = std::string(t.table) == "dopr_kexc" ? " IS NOT NULL" : " > \"2002-12-12\"";
        db::Result taken = run.query(std::string("select ") + t.numberColumn + " as doc from " + t.table + where
                                     + "\n AND " + t.stateColumn + posted + " FOR UPDATE");
        if (!taken.empty()) {
            run.rollback();
            std::string text = std::string("Nelze zaúčtovat.\nDoklad ") + t.label + " " + taken[0].text("doc")
                               + " byl mezitím zaúčtován jiným zaúčtováním.";
            prompter.ask(text, Icon::Stop, "Zpět", "");
            throw Refused(text, true);
        }
    }

    run.exec("INSERT into kexcto select * from kexcdotmp order by kexcdotmp.id2");
    run.exec("INSERT into kexctof select * from kexcfatmp");
    for (const auto& t : StampTargets()) {
        const std::string& list = st.*t.list;
        if (list.empty()) continue;
        std::string sql = std::string("UPDATE ") + t.table + "\n set " + t.stateColumn + " = " + T;
        if (t.setsPeriod) sql += "\n, mesic = " + TextLiteral(st.PostingMonth) + "\n, rok = " + TextLiteral(st.PostingYear);
        if (*t.condition) sql += std::string("\n") + t.condition + "\n AND " + t.keyColumn + " in (" + inList(list, t.textKeys) + ")";
        else sql += std::string("\n where ") + t.keyColumn + " in (" + inList(list, t.textKeys) + ")";
        run.exec(sql);
    }
    run.exec("insert into kexinfo\n(DATUM,OBDOBI,stredisko,SOUBOR,CISLO,\nmd,dal,vl,fa)\n values(\n" + T + ",\n"
             + TextLiteral(st.PostingMonth + "/" + st.PostingYear) + ",\n" + TextLiteral(st.PostingCentre) + ",\n"
             + TextLiteral(result.file) + ",\n" + number + ",\n" + HeaderAmountLiteral(result.md) + ",\n"
             + HeaderAmountLiteral(result.dal) + ",\n" + HeaderAmountLiteral(result.vl) + ",\n"
             + HeaderAmountLiteral(result.fa) + ")");
    run.exec("commit");

    prompter.message("Zaúčtování hotovo.", Icon::Information);
    returnToIdle();
    return result;
}

} // namespace kex

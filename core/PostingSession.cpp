#include "core/PostingSession.h"

#include <fstream>

#include "core/Errors.h"
#include "core/Values.h"
#include "core/Workstation.h"
#include "platform/DbfTable.h"

namespace kex {

namespace {

const char* kNotPosted = "\"2002-12-12\"";

// The rules walk a tab's list as its dBASE copy holds it, where texts have no trailing blanks:
// a receipt whose invoice number is " " has no invoice.
db::Result withoutTrailingBlanks(const db::Result& result)
{
    std::vector<std::vector<std::optional<std::string>>> rows;
    rows.reserve(result.size());
    for (db::Row r : result) {
        std::vector<std::optional<std::string>> row;
        row.reserve(result.columns().size());
        for (std::size_t i = 0; i < result.columns().size(); ++i) {
            std::optional<std::string> v = r.raw(i);
            if (v && result.columns()[i].kind == db::ColumnKind::Text)
                v->erase(v->find_last_not_of(' ') + 1);
            row.push_back(std::move(v));
        }
        rows.push_back(std::move(row));
    }
    return db::Result(result.columns(), std::move(rows));
}

void saveText(const std::filesystem::path& path, const std::string& text)
{
    // Copies of the statements for diagnosis; nothing reads them, so a failure is not fatal.
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

} // namespace

PostingSession::PostingSession(Workstation& workstation) : m_ws(workstation), m_writer(workstation.connection()) {}

PostingSession::~PostingSession() = default;

// The shared working tables are guarded by a server-side named lock: a second workstation is
// refused instead of dropping tables another one is filling. The server frees the lock with the
// connection, so a crashed workstation never keeps it.
void PostingSession::acquireWorkingTables()
{
    if (m_holdsWorkingTables) return;
    db::Result r = m_ws.connection().query("select GET_LOCK(CONCAT(DATABASE(),'.kex_working_tables'), 0) as l");
    if (r.empty() || r[0].asInt("l") != 1)
        throw Refused("Jiná pracovní stanice právě účtuje nebo prohlíží zaúčtování; pracovní tabulky jsou obsazené, "
                      "zkuste to po jejím skončení.");
    m_holdsWorkingTables = true;
}

void PostingSession::releaseWorkingTables()
{
    if (!m_holdsWorkingTables) return;
    m_holdsWorkingTables = false;
    if (m_ws.connection().isOpen())
        m_ws.connection().execute("do RELEASE_LOCK(CONCAT(DATABASE(),'.kex_working_tables'))");
}

std::string PostingSession::periodCondition(const std::string& d) const
{
    const SessionState& st = m_session;
    if (st.JenUO) return "\n AND YEAR(" + d + ") = " + st.PostingYear + " AND MONTH(" + d + ") = " + st.PostingMonth;
    // Every month is closed by day 31; the server compares the text as a date.
    return "\n AND " + d + " <= \"" + st.PostingYear + "-" + st.PostingMonth + "-31\"";
}

std::string PostingSession::centreCondition(const std::string& s) const
{
    const SessionState& st = m_session;
    std::string out;
    if (!st.PostingCentre.empty()) out += "\n AND " + s + " = " + TextLiteral(st.PostingCentre);
    const std::string& bez = st.settings.BezStredisko;
    if (!bez.empty() && TextLength(bez) < 4) out += "\n AND " + s + " <> " + TextLiteral(bez);
    if (TextLength(bez) >= 4) out += "\n AND " + s + " NOT IN (" + bez + ")";
    return out;
}

std::string PostingSession::conditions(const std::string& d, const std::string& s) const
{
    return periodCondition(d) + centreCondition(s);
}

bool PostingSession::tabVisible(Tab tab) const
{
    const Settings& s = m_session.settings;
    switch (tab) {
    case Tab::PO: return s.UctovatPokladnu;
    case Tab::DP: return s.UctovatDopravu;
    case Tab::KS: return s.UctovatKrmneSmesi;
    default: return true;
    }
}

void PostingSession::open(const Period& period)
{
    if (m_state != AreaState::Idle) returnToIdle();
    db::Connection& c = m_ws.connection();
    acquireWorkingTables();
    try {
        m_period = period;
        SessionState& st = m_session;
        st.PostingMonth = period.month;
        st.PostingYear = period.year;
        st.PostingCentre = period.centre;
        st.JenUO = period.onlyMonth;
        VatRates rates = VatRatesOfYear(std::stoi(period.year));
        st.VatRateReduced = rates.reduced;
        st.VatRateStandard = rates.standard;
        LoadSettings(c, m_ws.prompter(), st.settings);
        ValidateBezStredisko(st.settings.BezStredisko);
        st.clearKeyLists();
        for (auto& l : m_lists) l.clear();
        m_posted.fill(false);
        m_reviewed.reset();
        m_state = AreaState::SessionOpen;
        m_ws.prompter().progress("Otevírání období", 0, 14);

        // Reset script: marks the candidates and re-creates the journal lines' working table.
        db::Script script;
        script.add("BEGIN;");
        auto mark = [&](const std::string& table, const std::string& column, const std::vector<std::string>& base,
                        const std::string& d, const std::string& extra = {}) {
            script.add("UPDATE " + table + " set " + column + " = \"1999-09-09\"");
            script.add("where " + column + " < " + kNotPosted);
            for (const auto& l : base) script.add(l);
            std::string cond = conditions(d, "stredisko");
            script.add(cond.substr(1));
            if (!extra.empty()) script.add(extra);
            script.add(";");
        };
        const std::string pvDp = " AND (dp = \"1\" OR dp = \"2\" OR dp = \"5\" OR (dp = \"0\" AND cislofakt <> \" \"))";
        const std::string vnDoc = " AND (cislofakt <> \" \" OR uctenka <> \" \")";
        mark("pv", "datumkexct", {pvDp}, "datum");
        mark("vn", "datumkexcf", {vnDoc}, "datumvn1");
        mark("vn", "datumkexct", {vnDoc}, "datumvn1");
        mark("vu", "datumkexcf", {" AND cislofakt <> \" \""}, "datumvu");
        mark("vu", "datumkexct", {" AND cislofakt <> \" \""}, "datumvu");
        mark("pv9", "datumkexct", {" AND pohyb = \"9\"", " AND nc > 0"}, "datum");
        mark("smesi", "datumkexct", {" AND smes = \"1\"", " AND nc > 0"}, "datum");
        if (tabVisible(Tab::PO))
            mark("pokladna", "datumkexct", {}, "zedne",
                 st.settings.NeuctovatPrijemZaUctenkySEU ? " AND typ <> 'SEU'" : "");
        if (tabVisible(Tab::KS)) mark("krsmesi", "datumkexct", {" AND smes = \"1\"", " AND nc > 0"}, "datum");
        script.add("DROP TABLE IF EXISTS kexcdotmp;");
        script.add("CREATE TABLE kexcdotmp\nselect * from kexcto limit 0,0;");
        script.add("ALTER TABLE `kexcdotmp` ADD PRIMARY KEY (id2),CHANGE `id2` `id2` INT(11)  NOT NULL AUTO_INCREMENT;");
        script.add("commit;");
        saveText(m_ws.file("aap.txt"), script.text());
        m_ws.runScript(script);

        c.execute("DROP TABLE IF EXISTS kexcfatmp");
        c.execute("CREATE TABLE kexcfatmp\nselect * from kexctof limit 0,0");

        const std::string order = "\n ORDER by cislodokla";
        std::string pv = "select * from pv\nwhere datumkexct < " + std::string(kNotPosted) + "\n" + pvDp
                         + conditions("datum", "stredisko") + order;
        saveText(m_ws.file("a.txt"), pv);
        fillList(Tab::PV, pv);
        const std::string bothOpen = "where (datumkexct < \"2002-12-12\"\n AND datumkexcf < \"2002-12-12\")";
        const std::string ncOpen = "where (datumkexct < \"2002-12-12\"\n AND datumkexcf > \"2002-12-12\")";
        countMultiDelivery("select cislofakt,count(*) as pocetd from vn\n" + bothOpen + "\n AND cislofakt <> \" \""
                               + conditions("datumvn1", "stredisko") + "\n GROUP by cislofakt",
                           st.MultiDeliveryInvoicesVN);
        fillList(Tab::VNnc, "select * from vn\n" + ncOpen + "\n" + vnDoc + conditions("datumvn1", "stredisko") + order);
        fillList(Tab::VN, "select * from vn\nwhere (datumkexcf < \"2002-12-12\")\n" + vnDoc
                              + conditions("datumvn1", "stredisko") + order);
        countMultiDelivery("select cislofakt,count(*) as pocetd from vu\n" + bothOpen + "\n AND cislofakt <> \" \""
                               + conditions("datumvu", "stredisko") + "\n GROUP by cislofakt",
                           st.MultiDeliveryInvoicesVU);
        fillList(Tab::VUnc, "select * from vu\n" + ncOpen + "\n AND cislofakt <> \" \"" + conditions("datumvu", "stredisko") + order);
        fillList(Tab::VU, "select * from vu\nwhere datumkexcf < \"2002-12-12\"\n AND cislofakt <> \" \""
                              + conditions("datumvu", "stredisko") + order);
        fillList(Tab::KA, "select * from pv9\nwhere datumkexct < \"2002-12-12\"\n AND pohyb = \"9\"\n AND nc > 0"
                              + conditions("datum", "stredisko") + order);
        fillList(Tab::SM, "select * from smesi\nwhere datumkexct < \"2002-12-12\"\n AND smes = \"1\"\n AND nc > 0"
                              + conditions("datum", "stredisko") + order);
        std::string vpPeriod = st.JenUO ? periodCondition("vp.datum")
                                        : "\n AND DATE_FORMAT(vp.datum,\"%Y%m\") <= \"" + st.PostingYear + st.PostingMonth + "\"";
        std::string vp = "select vp.* from vp\nwhere vp.datumkexct < \"2002-12-12\"\n AND vp.potvrzeno > \"2002-12-12\""
                         + vpPeriod + centreCondition("vp.stredisko")
                         + "\n AND CONCAT(vp.pohyb,vp.cislodokla) not IN\n (select CONCAT(vpa.pohyb,vpa.cislodokla) as podok from vp vpa\n"
                           " where vpa.nc=0 GROUP by podok ORDER by podok)\n GROUP by vp.cislodokla, vp.pohyb\n"
                           " ORDER by vp.cislodokla, vp.pohyb";
        saveText(m_ws.file("avp.txt"), vp);
        fillList(Tab::VP, vp);
        if (tabVisible(Tab::PO))
            fillList(Tab::PO, "select * from pokladna\nwhere datumkexct < \"2002-12-12\"\n and cislo = 1"
                                  + conditions("zedne", "stredisko")
                                  + (st.settings.NeuctovatPrijemZaUctenkySEU ? "\n AND typ <> 'SEU'" : "")
                                  + "\n ORDER by pokdoklad");
        if (tabVisible(Tab::DP))
            fillList(Tab::DP, "select * from dopr_kexc\nwhere datumkexct IS NULL" + conditions("den_plneni", "ode_ico")
                                  + "\n GROUP by faktura ORDER by faktura");
        if (tabVisible(Tab::KS))
            fillList(Tab::KS, "select * from krsmesi\nwhere datumkexct < \"2002-12-12\"\n AND smes = \"1\"\n AND nc > 0"
                                  + conditions("datum", "stredisko") + order);

        m_uniArticles.clear();
        if (st.settings.TypUcto == "UNI")
            for (db::Row r : c.query("select nomenkla from cenik where UNISTREDISKO=\"V\"")) m_uniArticles.insert(r.text("nomenkla"));
        m_dealertopc.clear();
        for (db::Row r : c.query("select * from dealertopc")) m_dealertopc.emplace(r.text("dealer"), r.text("stredisko"));
        m_strtopc.load(c);
        m_ws.prompter().progress("Otevírání období", 14, 14);
    } catch (...) {
        // A failed opening leaves no session behind and frees the working tables for others.
        m_state = AreaState::Idle;
        releaseWorkingTables();
        throw;
    }
}

void PostingSession::fillList(Tab tab, const std::string& sql)
{
    TabList& l = m_lists[index(tab)];
    l.rows = withoutTrailingBlanks(m_ws.connection().query(sql));
    l.selected.assign(l.rows.size(), 0);
    l.open = true;
    writeDbf(tab);
    m_ws.prompter().progress("Otevírání období", static_cast<long>(index(tab)) + 1, 14);
}

void PostingSession::countMultiDelivery(const std::string& sql, std::string& target)
{
    for (db::Row r : m_ws.connection().query(sql))
        if (r.asInt("pocetd") > 1) target += "*" + r.text("cislofakt");
}

void PostingSession::writeDbf(Tab tab)
{
    const TabList& l = m_lists[index(tab)];
    std::vector<DbfField> fields;
    for (const auto& col : l.rows.columns()) {
        DbfField f;
        f.name = col.name;
        switch (col.kind) {
        case db::ColumnKind::Integer: f.type = DbfType::Integer; break;
        case db::ColumnKind::Float: f.type = DbfType::Float; break;
        case db::ColumnKind::Date:
        case db::ColumnKind::DateTime: f.type = DbfType::Date; break;
        default: f.type = DbfType::Text; f.width = static_cast<int>(col.length ? col.length : 50);
        }
        fields.push_back(f);
    }
    std::vector<DbfRow> rows;
    rows.reserve(l.rows.size());
    for (db::Row r : l.rows) {
        DbfRow row;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (!r.raw(i)) {
                row.emplace_back();
            } else if (fields[i].type == DbfType::Date) {
                DateTime d = ParseDateTime(*r.raw(i));
                row.push_back(IsZeroDate(d) ? std::string() : DateYYYYMMDD(d));
            } else {
                row.push_back(r.text(i));
            }
        }
        rows.push_back(std::move(row));
    }
    WriteDbf((m_ws.dataDir() / InfoOf(tab).dbf).string(), fields, rows);
}

void PostingSession::selectAll(Tab tab) { m_lists[index(tab)].selectAll(); }

void PostingSession::rowClicked(Tab tab, std::size_t row)
{
    const std::string* multi = tab == Tab::VN   ? &m_session.MultiDeliveryInvoicesVN
                               : tab == Tab::VU ? &m_session.MultiDeliveryInvoicesVU
                                                : nullptr;
    TabList& l = m_lists[index(tab)];
    if (!multi || row >= l.size()) return;
    std::string invoice = l.rows[row].text("cislofakt");
    // A substring test, as the suite always made it: "*123" also spreads a click on invoice 12
    // over the rows of invoice 12 — which are one invoice anyway.
    if (!ContainsText(*multi, invoice)) return;
    char state = l.selected[row];
    for (std::size_t i = 0; i < l.size(); ++i)
        if (l.rows[i].text("cislofakt") == invoice) l.selected[i] = state;
}

std::vector<std::string> PostingSession::selectByKeys(Tab tab, const std::vector<std::string>& keys)
{
    TabList& l = m_lists[index(tab)];
    const char* column = InfoOf(tab).keyColumn;
    std::vector<std::string> missing;
    for (const auto& key : keys) {
        bool found = false;
        for (std::size_t i = 0; i < l.size(); ++i) {
            if (l.rows[i].text(column) != key) continue;
            found = true;
            l.selected[i] = 1;
            rowClicked(tab, i);
        }
        if (!found) missing.push_back(key);
    }
    return missing;
}

RuleContext PostingSession::ruleContext(Tab tab)
{
    return RuleContext{m_ws.connection(), m_session, m_session.settings, m_lists[index(tab)], m_strtopc,
                       m_dealertopc, m_uniArticles, m_writer};
}

TabPostResult PostingSession::post(Tab tab)
{
    const TabInfo& info = InfoOf(tab);
    if (m_state != AreaState::SessionOpen) throw Refused("Není otevřeno žádné zaúčtování.");
    if (!tabVisible(tab)) throw Refused("Záložka" + std::string(info.caption) + "není zapnuta v nastavení.");
    if (m_posted[index(tab)])
        throw Refused("Záložka" + std::string(info.caption) + "je již zaúčtována; nejdříve " + info.backCaption + ".");
    if (!info.rule)
        throw Refused("Účtování záložky" + std::string(info.caption) + "zatím není k dispozici.");
    TabList& l = m_lists[index(tab)];
    if (!l.anySelected()) {
        m_ws.prompter().message("Není vybrán žádny doklad.", Icon::Stop);
        throw Refused("Není vybrán žádny doklad.", true);
    }
    if (!m_ws.prompter().ask(info.question, Icon::Help, "OK", "Zpět")) throw Refused("Zrušeno uživatelem.", true);

    db::Connection& c = m_ws.connection();
    SessionState before = m_session;
    m_posted[index(tab)] = true;
    m_writer.setTag(static_cast<int>(index(tab)) + 1);
    m_writer.resetCounts();
    RuleContext ctx = ruleContext(tab);
    const std::string what = "Účtování " + std::string(info.code);
    Prompter& prompter = m_ws.prompter();
    prompter.progress(what, 0, 0);
    m_writer.onFlush([&](long long rows) { prompter.progress(what, static_cast<long>(rows), 0); });
    struct ProgressEnd {
        Prompter& p;
        const std::string& what;
        LineWriter& w;
        ~ProgressEnd()
        {
            w.onFlush(nullptr);
            p.progress(what, 1, 1);
        }
    } progressEnd{prompter, what, m_writer};
    try {
        c.execute("BEGIN");
        info.rule(ctx);
        m_writer.flush();
        c.execute("COMMIT");
    } catch (...) {
        m_writer.discard();
        try {
            c.execute("ROLLBACK");
        } catch (const db::DbError&) {
        }
        // Lines, records and key lists are back as they were; the tab can be posted again.
        Settings keep = m_session.settings;
        m_session = before;
        m_session.settings = keep;
        m_posted[index(tab)] = false;
        throw;
    }
    TabPostResult result;
    result.tab = tab;
    result.documents = l.selectedCount();
    result.lines = m_writer.linesWritten();
    result.records = m_writer.recordsWritten();
    db::Result sums = c.query("select sum(md) as smd,sum(dal) as sdal from kexcdotmp where id = "
                              + IntLiteral(static_cast<int>(index(tab)) + 1));
    result.md = sums[0].asFloat("smd");
    result.dal = sums[0].asFloat("sdal");
    return result;
}

void PostingSession::back(Tab tab)
{
    if (m_state != AreaState::SessionOpen) throw Refused("Není otevřeno žádné zaúčtování.");
    const TabInfo& info = InfoOf(tab);
    db::Connection& c = m_ws.connection();
    std::string lines;
    for (const auto& l : info.backDelete) lines += (lines.empty() ? "" : "\n") + l;
    const std::string tag = IntLiteral(static_cast<int>(index(tab)) + 1);
    c.execute(lines);
    // Also what the tab wrote under codes taken from its invoices.
    c.execute("delete from kexcdotmp where id = " + tag);
    if (info.backDeletesRecords) {
        std::string records = lines;
        records.replace(records.find("kexcdotmp"), 9, "kexcfatmp");
        c.execute(records);
    }
    c.execute("delete from kexcfatmp where id = " + tag);
    for (auto member : info.keyLists) (m_session.*member).clear();
    m_posted[index(tab)] = false;
}

void PostingSession::returnToIdle()
{
    m_uniArticles.clear();
    m_dealertopc.clear();
    m_strtopc.close();
    for (auto& l : m_lists) l.clear();
    m_posted.fill(false);
    if (m_state != AreaState::Idle || m_holdsWorkingTables) cleanUpMarkers();
    m_state = AreaState::Idle;
    m_foundKind.clear();
    m_foundNumber.clear();
    releaseWorkingTables();
}

void PostingSession::cleanUpMarkers()
{
    db::Connection& c = m_ws.connection();
    bool heldBefore = m_holdsWorkingTables;
    if (!heldBefore) {
        // Another workstation's open session owns the markers now; its own return to idle resets them.
        db::Result r = c.query("select GET_LOCK(CONCAT(DATABASE(),'.kex_working_tables'), 0) as l");
        if (r.empty() || r[0].asInt("l") != 1) return;
        m_holdsWorkingTables = true;
    }
    Settings local = m_session.settings;
    local.UctovatDopravu = false;
    LoadSettingKeys(c, m_ws.prompter(), local, {"TypUcto", "UctovatDopravu"});
    m_session.settings.TypUcto = local.TypUcto;
    db::Script script;
    script.add("BEGIN;");
    const std::vector<std::pair<const char*, const char*>> columns = {
        {"vu", "datumkexct"},  {"vu", "datumkexcf"},    {"pv", "datumkexct"},       {"vn", "datumkexct"},
        {"vn", "datumkexcf"},  {"pv9", "datumkexct"},   {"smesi", "datumkexct"},    {"vp", "datumkexct"},
        {"pokladna", "datumkexct"}, {"krsmesi", "datumkexct"}};
    for (auto [table, column] : columns) {
        script.add(std::string("update ") + table + " set " + column + " = \"1900-01-01\"");
        script.add(std::string(" where ") + column + " < \"2000-01-01\"");
        script.add(";");
    }
    if (local.UctovatDopravu) {
        script.add("update dopr_kexc set datumkexct = null");
        script.add(" where datumkexct < \"2000-01-01\"");
        script.add(";");
    }
    script.add("commit;");
    try {
        m_ws.runScript(script);
    } catch (...) {
        if (!heldBefore) releaseWorkingTables();
        throw;
    }
    if (!heldBefore) releaseWorkingTables();
}

} // namespace kex

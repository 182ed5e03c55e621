#pragma once
// The posting area of a workstation: an open posting session with its tab lists, the tab posts
// and back buttons, the commit, the review of a committed posting with its cancel, and the
// unmark of a found document. Every menu command and button of the posting area is one method;
// questions and messages go through the Prompter.
#include <array>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/LineWriter.h"
#include "core/Period.h"
#include "core/RuleContext.h"
#include "core/SessionState.h"
#include "core/Tabs.h"

namespace kex {

class Workstation;

enum class AreaState { Idle, SessionOpen, Review, FoundDocument };

struct TabPostResult {
    Tab tab;
    std::size_t documents = 0;
    long long lines = 0, records = 0;
    double md = 0, dal = 0;
};

struct CommitResult {
    int number = 0;
    std::string file; // D00001
    DateTime stamp;
    double md = 0, dal = 0, vl = 0, fa = 0;
};

// A committed posting as the posting list shows it.
struct PostingRow {
    DateTime datum;
    std::string obdobi, stredisko, soubor;
    int cislo = 0;
    double md = 0, dal = 0, vl = 0, fa = 0;
    DateTime zruseno, doucta;
    std::string zrusenoX, douctaX;
    bool cancelled() const;   // zruseno after 2002-02-02
    bool notExported() const; // doucta before 2002-02-02
};

class PostingSession {
public:
    explicit PostingSession(Workstation& workstation);
    ~PostingSession();

    AreaState areaState() const { return m_state; }
    SessionState& state() { return m_session; }
    const Period& period() const { return m_period; }

    // "Zaúčtování dokladů" once the period dialog gave its values: marks the candidates, empties
    // the working tables and fills every visible tab's list. Refused (exit 1) while another
    // workstation holds the working tables.
    void open(const Period& period);

    bool tabVisible(Tab tab) const;
    bool tabPosted(Tab tab) const { return m_posted[index(tab)]; }
    TabList& list(Tab tab) { return m_lists[index(tab)]; }

    // "Vybrat vše".
    void selectAll(Tab tab);
    // A click in the VN or VU list: every row of a multi-delivery invoice takes the clicked row's
    // selection state.
    void rowClicked(Tab tab, std::size_t row);
    // Selects the rows whose key column (cislodokla, pokdoklad, faktura) is one of `keys`,
    // spreading over invoices of several rows as a click does. Returns keys no row has.
    std::vector<std::string> selectByKeys(Tab tab, const std::vector<std::string>& keys);

    // The post button: refuses with "Není vybrán žádny doklad." when nothing is selected, asks
    // the tab's question, then runs the rule in one transaction. A database error rolls the
    // tab's lines, records and key-list additions back, and the tab stays postable.
    TabPostResult post(Tab tab);
    // The back button: removes everything the tab's post wrote and makes the tab postable again.
    void back(Tab tab);

    // "Zaúčtovat": checks, numbers and commits the open posting; returns to idle.
    CommitResult commit();

    // The button "Zpět" of the posting area.
    void returnToIdle();
    // "čistí VU, PV, VN, KA, VP, PO, DP", also run when the program closes.
    void cleanUpMarkers();

    // The posting list (newest first unless `order` names a column).
    std::vector<PostingRow> postings(const std::string& order = "order by datum DESC");
    std::optional<PostingRow> postingByNumber(int number);

    // Review of a committed posting: its lines and records in the working tables.
    void review(const PostingRow& posting);
    const std::optional<PostingRow>& reviewed() const { return m_reviewed; }
    // "Zrušit" in a review. False when the accountant stopped (answer or password); Refused when
    // the posting is already cancelled.
    bool cancelReviewed();
    // "Odznačit" after the find command: releases one document.
    void setFoundDocument(const std::string& kind, const std::string& number);
    bool unmarkFound();

    // The working tables as they stand: journal lines in writing order, open-item records.
    db::Result workingLines();
    db::Result workingRecords();

    // Passwords of cancel and unmark; kex.ini [Hesla] may replace them.
    std::string cancelPassword() const;
    std::string unmarkPassword() const;

private:
    static std::size_t index(Tab tab) { return static_cast<std::size_t>(tab); }
    std::string periodCondition(const std::string& dateColumn) const;
    std::string centreCondition(const std::string& centreColumn) const;
    std::string conditions(const std::string& dateColumn, const std::string& centreColumn) const;
    void fillList(Tab tab, const std::string& sql);
    void countMultiDelivery(const std::string& sql, std::string& target);
    void writeDbf(Tab tab);
    void acquireWorkingTables();
    void releaseWorkingTables();
    RuleContext ruleContext(Tab tab);

    Workstation& m_ws;
    AreaState m_state = AreaState::Idle;
    Period m_period;
    SessionState m_session;
    std::array<TabList, 11> m_lists;
    std::array<bool, 11> m_posted{};
    StrtopcCursor m_strtopc;
    std::map<std::string, std::string> m_dealertopc;
    std::set<std::string> m_uniArticles;
    LineWriter m_writer;
    bool m_holdsWorkingTables = false;
    std::optional<PostingRow> m_reviewed;
    std::string m_foundKind, m_foundNumber;
};

} // namespace kex

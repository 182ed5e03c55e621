#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "core/Errors.h"
#include "core/PostingSession.h"
#include "core/Values.h"
#include "core/Workstation.h"
#include "platform/DbfTable.h"
#include "support/FakePrompter.h"
#include "support/TestDatabase.h"

using namespace kex;

namespace {

// Three growers' receipts of April 2006 at centre 10 and one of March at centre 20, one of them
// with a supplier invoice (journal code DF), plus one delivery in each posting state.
class PostingSessionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!db.available()) GTEST_SKIP() << db.reason();
        dir.writeIni(test::ProgramDir::iniFor(db));
        auto& c = db.sql();
        test::AddReceipts(c);
        c.execute("insert into vn (cislodokla, cislofakt, datumvn1, stredisko, datumkexct, datumkexcf) values "
                  "('201','F1','2006-04-05','10','1900-01-01','1900-01-01'),"
                  "('202','F2','2006-04-05','10','1900-01-01','2006-05-01 10:00:00'),"
                  "('203','F3','2006-04-05','10','2006-05-01 10:00:00','1900-01-01')");
    }

    std::unique_ptr<Workstation> startWorkstation(test::FakePrompter& p)
    {
        auto ws = std::make_unique<Workstation>(p, dir.program());
        ws->start();
        return ws;
    }
    static Period april(bool onlyMonth = false, const std::string& centre = "")
    {
        return ValidatePeriod("4", "2006", centre, onlyMonth);
    }
    std::vector<std::string> listKeys(PostingSession& s, Tab tab)
    {
        std::vector<std::string> keys;
        for (db::Row r : s.list(tab).rows) keys.push_back(r.text(InfoOf(tab).keyColumn));
        return keys;
    }
    long long count(const std::string& sql) { return db.sql().query(sql)[0].asInt("n"); }
    std::string pvState(const std::string& number)
    {
        return db.sql().query("select datumkexct from pv where cislodokla='" + number + "'")[0].text("datumkexct");
    }

    test::TestDatabase db;
    test::ProgramDir dir;
    test::FakePrompter prompter;
};

TEST_F(PostingSessionTest, ListsFollowPeriodCentreAndPostingState)
{
    auto ws = startWorkstation(prompter);
    PostingSession& s = ws->posting();
    s.open(april());
    EXPECT_EQ(listKeys(s, Tab::PV), (std::vector<std::string>{"101", "102", "103", "104"}));
    // A delivery with its invoice posted is only in VN nc; with only the delivery posted, still in VN.
    EXPECT_EQ(listKeys(s, Tab::VN), (std::vector<std::string>{"201", "203"}));
    EXPECT_EQ(listKeys(s, Tab::VNnc), (std::vector<std::string>{"202"}));
    // Candidates are marked while the session is open and reset on the way back to idle.
    EXPECT_EQ(pvState("101"), "1999-09-09 00:00:00");
    DbfContent dbf = ReadDbf((dir.program() / "data" / "pv.dbf").string());
    ASSERT_EQ(dbf.rows.size(), 4u);
    s.returnToIdle();
    EXPECT_EQ(pvState("101"), "1900-01-01 00:00:00");

    s.open(april(true));
    EXPECT_EQ(listKeys(s, Tab::PV), (std::vector<std::string>{"101", "102", "103"}));
    s.returnToIdle();
    s.open(april(false, "20"));
    EXPECT_EQ(listKeys(s, Tab::PV), (std::vector<std::string>{"104"}));
    s.returnToIdle();
    db.sql().execute("update keximpl set ucet = '''10'',''30''' where popis = 'BezStredisko'");
    s.open(april());
    EXPECT_EQ(listKeys(s, Tab::PV), (std::vector<std::string>{"104"}));
    EXPECT_EQ(std::string(std::filesystem::exists(dir.program() / "aap.txt") ? "saved" : "missing"), "saved");
}

TEST_F(PostingSessionTest, MissingSettingsAreNamedOneByOneAndTheSessionStillOpens)
{
    db.sql().execute("delete from keximpl where popis in ('A311', 'sou311321')");
    db.sql().execute("update keximpl set ucet = 'a' where popis = 'TrzbaVNdefi'");
    auto ws = startWorkstation(prompter);
    ws->posting().open(april());
    EXPECT_EQ(prompter.shown, (std::vector<std::string>{"Neni A311", "Neni sou311321"}));
    EXPECT_FALSE(ws->posting().state().settings.TrzbaVNdefi);
    EXPECT_EQ(ws->posting().state().VatRateReduced, 5);
    EXPECT_EQ(ws->posting().areaState(), AreaState::SessionOpen);
}

TEST_F(PostingSessionTest, BadSettingsStopTheOpeningBeforeAnythingIsMarked)
{
    struct Case {
        const char* key;
        const char* value;
    } cases[] = {{"PokladnaDoRadkuPrenaset", "dva"}, {"BezStredisko", "10' OR '1'='1"}, {"BezStredisko", "'10');drop"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.key) + "=" + c.value);
        std::string where = std::string(" where popis = '") + c.key + "'";
        std::string original = db.sql().query("select ucet from keximpl" + where)[0].text("ucet");
        db.sql().execute("update keximpl set ucet = " + TextLiteral(c.value) + where);
        auto ws = startWorkstation(prompter);
        EXPECT_THROW(ws->posting().open(april()), UsageError);
        EXPECT_EQ(ws->posting().areaState(), AreaState::Idle);
        EXPECT_EQ(pvState("101"), "1900-01-01 00:00:00");
        db.sql().execute("update keximpl set ucet = " + TextLiteral(original) + where);
    }
}

TEST_F(PostingSessionTest, BackRemovesEverythingTheTabWroteAndTheTabCanBePostedAgain)
{
    auto ws = startWorkstation(prompter);
    PostingSession& s = ws->posting();
    s.open(april());
    s.selectAll(Tab::PV);
    TabPostResult r = s.post(Tab::PV);
    EXPECT_EQ(r.documents, 4u);
    EXPECT_EQ(r.records, 1);
    EXPECT_EQ(r.md, r.dal);
    EXPECT_EQ(s.state().PostedIdsPV.empty(), false);
    EXPECT_THROW(s.post(Tab::PV), Refused); // a tab is posted once per session
    // The invoice's lines carry the code DF, which the tab's own delete statement does not name.
    EXPECT_GT(count("select count(*) n from kexcdotmp where denik = 'DF'"), 0);
    s.back(Tab::PV);
    EXPECT_EQ(count("select count(*) n from kexcdotmp"), 0);
    EXPECT_EQ(count("select count(*) n from kexcfatmp"), 0);
    EXPECT_TRUE(s.state().PostedIdsPV.empty());
    std::size_t messages = prompter.shown.size();
    s.back(Tab::PV);
    EXPECT_EQ(prompter.shown.size(), messages);
    EXPECT_EQ(s.post(Tab::PV).lines, r.lines);
}

TEST_F(PostingSessionTest, FailedTabPostLeavesNothingBehindAndStaysPostable)
{
    auto ws = startWorkstation(prompter);
    PostingSession& s = ws->posting();
    s.open(april());
    s.selectAll(Tab::PV);
    // The invoice of receipt 103 needs the address book, which is gone.
    db.sql().execute("rename table adresar to adresar_away");
    EXPECT_THROW(s.post(Tab::PV), db::DbError);
    EXPECT_EQ(count("select count(*) n from kexcdotmp"), 0);
    EXPECT_EQ(count("select count(*) n from kexcfatmp"), 0);
    EXPECT_TRUE(s.state().PostedIdsPV.empty());
    EXPECT_FALSE(s.tabPosted(Tab::PV));
    db.sql().execute("rename table adresar_away to adresar");
    EXPECT_EQ(s.post(Tab::PV).documents, 4u);
}

TEST_F(PostingSessionTest, PostRefusesAnEmptySelectionAndAnAnswerOfBack)
{
    auto ws = startWorkstation(prompter);
    PostingSession& s = ws->posting();
    s.open(april());
    EXPECT_THROW(s.post(Tab::PV), Refused);
    EXPECT_EQ(prompter.shown.back(), "Není vybrán žádny doklad.");
    s.selectByKeys(Tab::PV, {"101"});
    prompter.answers = {false};
    EXPECT_THROW(s.post(Tab::PV), Refused);
    EXPECT_EQ(prompter.shown.back(), "Zaúčtovat PV ?");
    EXPECT_FALSE(s.tabPosted(Tab::PV));
    EXPECT_EQ(count("select count(*) n from kexcdotmp"), 0);
}

TEST_F(PostingSessionTest, CommitNumbersStampsAndReturnsToIdle)
{
    db.sql().execute("update keximpl set ucet = 'FP' where popis = 'Denik-DF'");
    auto ws = startWorkstation(prompter);
    PostingSession& s = ws->posting();
    s.open(april());
    s.selectByKeys(Tab::PV, {"101", "103"});
    s.post(Tab::PV);
    CommitResult c = s.commit();
    EXPECT_EQ(c.number, 1);
    EXPECT_EQ(c.file, "D00001");
    EXPECT_EQ(c.md, c.dal);
    EXPECT_EQ(prompter.shown.back(), "Zaúčtování hotovo.");
    EXPECT_EQ(s.areaState(), AreaState::Idle);

    db::Row info = db.sql().query("select * from kexinfo")[0];
    EXPECT_EQ(info.text("obdobi"), "04/2006");
    EXPECT_EQ(info.text("soubor"), "D00001");
    EXPECT_EQ(info.asFloat("md"), c.md);
    EXPECT_EQ(info.asFloat("fa"), 3000.0); // summed under DF, before the code is translated to FP
    EXPECT_TRUE(s.postingByNumber(1)->notExported());
    EXPECT_FALSE(s.postingByNumber(1)->cancelled());
    std::string stamp = info.text("datum");
    EXPECT_EQ(pvState("101"), stamp);
    EXPECT_EQ(pvState("103"), stamp);
    EXPECT_EQ(pvState("102"), "1900-01-01 00:00:00");
    EXPECT_EQ(db.sql().query("select mesic, rok from pv where cislodokla='101'")[0].text("mesic"), "04");
    EXPECT_EQ(count("select count(*) n from kexcto where cislo = 1 and datum = '" + stamp + "'"), 4);
    EXPECT_EQ(count("select count(*) n from kexcto where denik = 'DF'"), 0);
    EXPECT_EQ(count("select count(*) n from kexctof where denik = 'FP' and cislo = 1"), 1);
    // The journal numbers its rows itself: the working tables' tags do not reach it.
    EXPECT_EQ(count("select count(distinct id) n from kexcto"), 4);

    // A second commit in the same period takes the next number and a timestamp of its own.
    s.open(april());
    s.selectByKeys(Tab::PV, {"102"});
    s.post(Tab::PV);
    CommitResult c2 = s.commit();
    EXPECT_EQ(c2.number, 2);
    EXPECT_NE(FormatStamp(c2.stamp), FormatStamp(c.stamp));
}

TEST_F(PostingSessionTest, CommitChecksRefuseWithoutChangingAnything)
{
    auto ws = startWorkstation(prompter);
    PostingSession& s = ws->posting();
    s.open(april());
    EXPECT_THROW(s.commit(), Refused);
    EXPECT_EQ(prompter.shown.back(), "Není co účtovat.");

    s.selectByKeys(Tab::PV, {"101"});
    s.post(Tab::PV);
    db.sql().execute("update kexcdotmp set ucet = '' where id2 = 2");
    EXPECT_THROW(s.commit(), Refused);
    EXPECT_EQ(prompter.shown.back(), "Nelze zaúčtovat.\nDoklad PV 101 nemá účet");
    db.sql().execute("update kexcdotmp set ucet = '131.10', dal = 1000.01 where id2 = 2");
    EXPECT_THROW(s.commit(), Refused);
    EXPECT_EQ(prompter.shown.back(), "Nelze zaúčtovat.\nNejsou vyrovnány strany MD - DAL");
    db.sql().execute("update kexcdotmp set dal = 1000 where id2 = 2");
    prompter.answers = {false};
    EXPECT_THROW(s.commit(), Refused);
    db.sql().execute("update keximpl set ucet = 'Navision' where popis = 'TypUcto'");
    s.state().settings.TypUcto = "Navision";
    db.sql().execute("update kexcdotmp set kodpar = ' '");
    EXPECT_THROW(s.commit(), Refused);
    EXPECT_EQ(prompter.shown.back(), "Nelze zaúčtovat.\nDoklad PV 101 nemá Kod partnera");
    EXPECT_EQ(count("select count(*) n from kexinfo"), 0);
    EXPECT_EQ(count("select count(*) n from kexcto"), 0);
    EXPECT_EQ(s.areaState(), AreaState::SessionOpen);
}

TEST_F(PostingSessionTest, SidesEqualToTheCentCommitDespiteNoiseInTheLastBits)
{
    auto ws = startWorkstation(prompter);
    PostingSession& s = ws->posting();
    s.open(april());
    // A summary line against its parts: 0.1 + 0.2 adds up to 0.30000000000000004 in binary.
    db.sql().execute("insert into kexcdotmp (doklad, denik, ucet, md) values ('1','VN','604.100',0.1),('1','VN','604.100',0.2)");
    db.sql().execute("insert into kexcdotmp (doklad, denik, ucet, dal) values ('1','VN','311.100',0.3)");
    EXPECT_NE(db.sql().query("select sum(md) - sum(dal) d from kexcdotmp")[0].asFloat("d"), 0.0);
    EXPECT_EQ(s.commit().number, 1);
}

TEST_F(PostingSessionTest, TranslationsApplyOneAfterAnother)
{
    db.sql().execute("update keximpl set ucet = 'PV' where popis = 'Denik-VU'");
    db.sql().execute("update keximpl set ucet = 'FP' where popis = 'Denik-PV'");
    db.sql().execute("delete from keximpl where popis = 'Denik-KS'");
    auto ws = startWorkstation(prompter);
    PostingSession& s = ws->posting();
    s.open(april());
    s.selectByKeys(Tab::PV, {"101"});
    s.post(Tab::PV);
    // A pair of lines as a service rule would write them, with the temporary code "Vu".
    db.sql().execute("insert into kexcdotmp (doklad, denik, ucet, md) values ('S1','Vu','518.100',5)");
    db.sql().execute("insert into kexcdotmp (doklad, denik, ucet, dal) values ('S1','VU','321.100',5)");
    s.commit();
    EXPECT_NE(std::find(prompter.shown.begin(), prompter.shown.end(), "Neni Denik-KS"), prompter.shown.end());
    EXPECT_EQ(count("select count(*) n from kexcto where denik = 'FP'"), 4);
    EXPECT_EQ(count("select count(*) n from kexcto where denik in ('PV','VU','Vu')"), 0);
}

TEST_F(PostingSessionTest, DocumentPostedMeanwhileRefusesTheWholeCommit)
{
    auto ws = startWorkstation(prompter);
    PostingSession& s = ws->posting();
    s.open(april());
    s.selectByKeys(Tab::PV, {"101", "102"});
    s.post(Tab::PV);
    db.sql().execute("update pv set datumkexct = '2006-05-02 08:00:00' where cislodokla = '102'");
    EXPECT_THROW(s.commit(), Refused);
    EXPECT_EQ(prompter.shown.back(), "Nelze zaúčtovat.\nDoklad PV 102 byl mezitím zaúčtován jiným zaúčtováním.");
    EXPECT_EQ(count("select count(*) n from kexinfo"), 0);
    EXPECT_EQ(count("select count(*) n from kexcto"), 0);
    EXPECT_EQ(pvState("101"), "1999-09-09 00:00:00");
    // The working tables are as the tab left them, unnumbered.
    EXPECT_EQ(count("select count(*) n from kexcdotmp where cislo = 0"), 4);
}

TEST_F(PostingSessionTest, SecondWorkstationIsRefusedWhileTheWorkingTablesAreInUse)
{
    auto ws1 = startWorkstation(prompter);
    test::FakePrompter prompter2;
    auto ws2 = startWorkstation(prompter2);
    ws1->posting().open(april());
    ws1->posting().selectByKeys(Tab::PV, {"101"});
    ws1->posting().post(Tab::PV);
    EXPECT_THROW(ws2->posting().open(april()), Refused);
    EXPECT_THROW(ws2->posting().review(PostingRow{}), Refused);
    // Its clean-up leaves the other session's markers alone.
    ws2->posting().cleanUpMarkers();
    EXPECT_EQ(pvState("102"), "1999-09-09 00:00:00");
    EXPECT_EQ(count("select count(*) n from kexcdotmp"), 2);
    ws1->posting().returnToIdle();
    ws2->posting().open(april());
    EXPECT_EQ(ws2->posting().list(Tab::PV).size(), 4u);
}

TEST_F(PostingSessionTest, CancelReleasesExactlyThatPostingsDocuments)
{
    auto ws = startWorkstation(prompter);
    PostingSession& s = ws->posting();
    s.open(april());
    s.selectByKeys(Tab::PV, {"101"});
    s.post(Tab::PV);
    s.commit();
    std::this_thread::sleep_for(std::chrono::milliseconds(1100));
    s.open(april());
    s.selectByKeys(Tab::PV, {"102"});
    s.post(Tab::PV);
    s.commit();

    PostingRow first = *s.postingByNumber(1);
    struct Attempt {
        std::deque<bool> answers;
        std::optional<std::string> password;
    } refused[] = {{{false}, "KlidneSmazeme"}, {{true}, "klidnesmazeme"}, {{true}, std::nullopt}};
    for (const auto& a : refused) {
        s.review(first);
        prompter.answers = a.answers;
        prompter.passwords = {a.password};
        EXPECT_FALSE(s.cancelReviewed());
        s.returnToIdle();
        EXPECT_FALSE(s.postingByNumber(1)->cancelled());
    }
    s.review(first);
    EXPECT_EQ(count("select count(*) n from kexcdotmp"), 2);
    prompter.answers = {true};
    prompter.passwords = {std::string("KlidneSmazeme")};
    EXPECT_TRUE(s.cancelReviewed());
    EXPECT_EQ(prompter.shown.back(), "Zaúčtování odznačeno.");
    EXPECT_EQ(pvState("101"), "1900-01-01 00:00:00");
    EXPECT_EQ(db.sql().query("select mesic from pv where cislodokla='101'")[0].text("mesic"), " ");
    EXPECT_NE(pvState("102"), "1900-01-01 00:00:00");
    EXPECT_TRUE(s.postingByNumber(1)->cancelled());
    EXPECT_FALSE(s.postingByNumber(2)->cancelled());
    EXPECT_EQ(count("select count(*) n from kexcto where cislo = 1"), 2); // the journal keeps its lines

    s.review(*s.postingByNumber(1));
    EXPECT_THROW(s.cancelReviewed(), Refused);
}

TEST_F(PostingSessionTest, PasswordsCanBeReplacedInTheProgramsIniFile)
{
    auto ws = startWorkstation(prompter);
    EXPECT_EQ(ws->posting().cancelPassword(), "KlidneSmazeme");
    EXPECT_EQ(ws->posting().unmarkPassword(), "KlidnePotvrdime");
    std::ofstream(dir.program() / "kex.ini") << "[cestyKEXC]\ncesta=C:\\export\n[Hesla]\nZrusit=Jine heslo\n";
    EXPECT_EQ(ws->posting().cancelPassword(), "Jine heslo");
    EXPECT_EQ(ws->posting().unmarkPassword(), "KlidnePotvrdime");
}

TEST_F(PostingSessionTest, UnmarkReleasesTheFoundDocument)
{
    auto& c = db.sql();
    c.execute("update vn set datumkexct = '2006-05-01 10:00:00', datumkexcf = '2006-05-01 10:00:00', mesic='04'");
    c.execute("insert into vu (cislodokla, cislofakt, datumkexct, datumkexcf) values ('301','F1','2006-05-01 10:00:00','2006-05-01 10:00:00')");
    c.execute("insert into pv9 (cislodokla, datumkexct) values ('401','2006-05-01 10:00:00')");
    auto ws = startWorkstation(prompter);
    PostingSession& s = ws->posting();
    s.setFoundDocument("FA", "F1");
    prompter.passwords = {std::string("KlidnePotvrdime")};
    EXPECT_TRUE(s.unmarkFound());
    EXPECT_EQ(count("select count(*) n from vn where cislofakt='F1' and datumkexct='1900-01-01' and datumkexcf='1900-01-01'"), 1);
    EXPECT_EQ(count("select count(*) n from vu where cislofakt='F1' and datumkexct='1900-01-01' and datumkexcf='1900-01-01'"), 1);
    EXPECT_EQ(count("select count(*) n from vn where datumkexct > '2002-12-12'"), 2);
    s.setFoundDocument("KA", "401");
    prompter.passwords = {std::string("KlidnePotvrdime")};
    EXPECT_TRUE(s.unmarkFound());
    EXPECT_EQ(count("select count(*) n from pv9 where datumkexct='1900-01-01'"), 1);
    s.setFoundDocument("PV", "101");
    prompter.passwords = {std::string("KlidneSmazeme")};
    EXPECT_FALSE(s.unmarkFound());
    EXPECT_THROW(s.setFoundDocument("XX", "1"), UsageError);
}

TEST_F(PostingSessionTest, ReviewCopiesKeepTheirNumbersAndANewSessionNumbersAfresh)
{
    auto ws = startWorkstation(prompter);
    PostingSession& s = ws->posting();
    s.open(april());
    s.selectByKeys(Tab::PV, {"101", "102"});
    s.post(Tab::PV);
    s.commit();
    s.review(*s.postingByNumber(1));
    EXPECT_EQ(s.areaState(), AreaState::Review);
    auto keyOf = [&] { return db.sql().query("show keys from kexcdotmp where Key_name = 'PRIMARY'").size(); };
    EXPECT_EQ(keyOf(), 0u);
    EXPECT_EQ(db.sql().query("select group_concat(id2 order by id2) g from kexcdotmp")[0].text("g"), "1,2,3,4");
    s.returnToIdle();
    s.open(april());
    EXPECT_EQ(keyOf(), 1u);
    EXPECT_EQ(db.sql().query("select count(*) n from kexcdotmp")[0].asInt("n"), 0);
}

TEST_F(PostingSessionTest, ListTextsLoseTrailingBlanksAsInTheirDbaseCopy)
{
    db.sql().execute("update pv set cislofakt = ' ' where cislodokla = '101'");
    auto ws = startWorkstation(prompter);
    PostingSession& s = ws->posting();
    s.open(april());
    s.selectByKeys(Tab::PV, {"101"});
    s.post(Tab::PV);
    // A blank invoice number is no invoice: the receipt's own PV pair, no supplier invoice.
    EXPECT_EQ(db.sql().query("select group_concat(denik) g from kexcdotmp")[0].text("g"), "PV,PV");
    EXPECT_EQ(count("select count(*) n from kexcfatmp"), 0);
}

TEST(PostingRules, PeriodAndSettingValidation)
{
    EXPECT_EQ(ValidatePeriod("4", "2006", "", false).month, "04");
    EXPECT_EQ(ValidatePeriod("11", "2006", "55", true).month, "11");
    for (auto [m, y] : std::vector<std::pair<const char*, const char*>>{
             {"0", "2006"}, {"13", "2006"}, {"", "2006"}, {"a", "2006"}, {"4", "06"}, {"4", "20O6"}, {"123", "2006"}})
        EXPECT_THROW(ValidatePeriod(m, y, "", false), UsageError) << m << "/" << y;
    EXPECT_THROW(ValidatePeriod("4", "2006", "1'2", false), UsageError);
    EXPECT_THROW(ValidatePeriod("4", "2006", "1234", false), UsageError);

    struct {
        int year, reduced, standard;
    } rates[] = {{2014, 15, 21}, {2013, 15, 21}, {2012, 14, 20}, {2011, 10, 20}, {2010, 10, 20},
                 {2009, 9, 19},  {2008, 9, 19},  {2007, 5, 19},  {1999, 5, 19}};
    for (auto r : rates) {
        EXPECT_EQ(VatRatesOfYear(r.year).reduced, r.reduced) << r.year;
        EXPECT_EQ(VatRatesOfYear(r.year).standard, r.standard) << r.year;
    }
    for (const char* ok : {"", "55", "'55','56'", "'55', '56'", "'A1'"}) EXPECT_NO_THROW(ValidateBezStredisko(ok)) << ok;
    for (const char* bad : {"5 5", "55'", "'55' or 1", "'55',", "'55';drop", "12345"})
        EXPECT_THROW(ValidateBezStredisko(bad), UsageError) << bad;
}

} // namespace

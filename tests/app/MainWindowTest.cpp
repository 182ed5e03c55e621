// The main window against a real database: the road of one posting from the period dialog to its
// cancel, the posting list's colours and order, the tab lists' selection, and what the window does
// when something fails.
#include <QAction>
#include <QColor>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <set>

#include "app/ColumnLayout.h"
#include "app/PostingListModel.h"
#include "app/TabGrid.h"
#include "app/UiTestSupport.h"

using namespace kex;
using namespace kex::ui;
using kex::test::DialogAnswerer;
using kex::test::WindowFixture;

namespace {

QAction* action(QMenu* menu, const QString& text)
{
    for (QAction* a : menu->actions())
        if (a->text() == text) return a;
    return nullptr;
}

void clickRow(QTableView* grid, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const QRect cell = grid->visualRect(grid->model()->index(row, 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, modifiers, cell.center());
}

std::set<QString> columnValues(const QTableView* grid, const QString& field)
{
    std::set<QString> values;
    const QAbstractItemModel* m = grid->model();
    for (int c = 0; c < m->columnCount(); ++c) {
        if (m->headerData(c, Qt::Horizontal, FieldRole).toString() != field) continue;
        for (int r = 0; r < m->rowCount(); ++r) values.insert(m->index(r, c).data().toString());
    }
    return values;
}

QList<int> selectedRows(const QTableView* grid)
{
    QList<int> rows;
    for (const QModelIndex& i : grid->selectionModel()->selectedRows()) rows << i.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

QColor background(const TForm1& w, int row)
{
    return w.postingListModel()->index(row, 0).data(Qt::BackgroundRole).value<QColor>();
}

QPushButton* button(const TForm1& w, const char* name) { return w.findChild<QPushButton*>(QLatin1String(name)); }

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void aPostingGoesFromThePeriodDialogToItsCancel()
    {
        WindowFixture fx;
        KEX_REQUIRE_DB(fx);
        test::AddReceipts(fx.db.sql());
        DialogAnswerer answerer;
        TForm1& w = fx.start();
        QVERIFY(w.mainMenu()->menuAction()->isEnabled());
        QVERIFY(w.postingArea()->isHidden());

        answerer.script.push_back(DialogAnswerer::fillPeriod(QStringLiteral("4"), QStringLiteral("2006")));
        action(w.mainMenu(), QStringLiteral("Zaúčtování dokladů"))->trigger();
        QCOMPARE(w.posting().areaState(), AreaState::SessionOpen);
        QVERIFY(!w.mainMenu()->menuAction()->isEnabled());
        QVERIFY(!w.userMenu()->menuAction()->isEnabled());
        QVERIFY(w.postingArea()->isVisible());
        QCOMPARE(w.findChild<QLabel*>(QStringLiteral("periodLabel"))->text(), QStringLiteral("04/2006"));
        QVERIFY(button(w, "Zauctovat")->isEnabled());
        QVERIFY(!button(w, "Zrusit")->isEnabled());
        QVERIFY(button(w, "Odznacit")->isHidden());
        QCOMPARE(w.tabs()->currentIndex(), w.tabIndex(Tab::PV));
        TabGrid* pv = w.grid(Tab::PV);
        QCOMPARE(pv->model()->rowCount(), 4);

        // Receipts 101 and 103 chosen with the mouse, 102 and 104 left out.
        clickRow(pv, 0);
        clickRow(pv, 2, Qt::ControlModifier);
        answerer.script.push_back(DialogAnswerer::choose(true));
        button(w, "postPV")->click();
        QCOMPARE(answerer.seen.last(), QStringLiteral("dotaz: Zaúčtovat PV ?"));
        QVERIFY(!button(w, "postPV")->isEnabled());
        QVERIFY(!button(w, "allPV")->isEnabled());
        QCOMPARE(columnValues(w.linesGrid(), QStringLiteral("doklad")),
                 (std::set<QString>{QStringLiteral("101"), QStringLiteral("103")}));

        answerer.script.push_back(DialogAnswerer::choose(true)); // "Zapsat zaúčtování dokladů … ?"
        button(w, "Zauctovat")->click();
        QCOMPARE(answerer.seen.last(), QStringLiteral("dotaz: Zaúčtování hotovo."));
        QCOMPARE(w.posting().areaState(), AreaState::Idle);
        QVERIFY(w.postingArea()->isHidden());
        QVERIFY(w.mainMenu()->menuAction()->isEnabled());
        QCOMPARE(w.postingListModel()->rowCount(), 1);
        QCOMPARE(background(w, 0), QColor(255, 0, 0)); // committed, not yet exported
        const auto stamp = [&](const char* doc) {
            return QString::fromStdString(fx.db.sql()
                                              .query(std::string("select datumkexct from pv where cislodokla='") + doc + "'")[0]
                                              .text("datumkexct"));
        };
        QVERIFY(stamp("101") > QStringLiteral("2002-12-12"));
        QVERIFY(stamp("102") < QStringLiteral("2002-12-12"));

        // Review by a double click: the committed lines in "Účto", cancel possible, menus off.
        const QRect cell = w.postingList()->visualRect(w.postingListModel()->index(0, 1));
        // A double click as the platform delivers it: a press and release, then the second press.
        QTest::mouseClick(w.postingList()->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
        QTest::mouseDClick(w.postingList()->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
        QCOMPARE(w.posting().areaState(), AreaState::Review);
        QCOMPARE(w.tabs()->currentWidget(), static_cast<QWidget*>(w.linesGrid()));
        QCOMPARE(w.linesGrid()->model()->rowCount(),
                 static_cast<int>(fx.db.sql().query("select count(*) as n from kexcto")[0].asInt("n")));
        QVERIFY(button(w, "Zrusit")->isEnabled());
        QVERIFY(!button(w, "Zauctovat")->isEnabled());
        QVERIFY(!w.mainMenu()->menuAction()->isEnabled());

        // A password typed in the wrong letter case is refused without a word.
        const auto before = answerer.seen.size();
        answerer.script.push_back(DialogAnswerer::choose(true));
        answerer.script.push_back(DialogAnswerer::typePassword(QStringLiteral("klidnesmazeme")));
        button(w, "Zrusit")->click();
        QCOMPARE(answerer.seen.size(), before + 2);
        QCOMPARE(w.posting().areaState(), AreaState::Review);

        answerer.script.push_back(DialogAnswerer::choose(true));
        answerer.script.push_back(DialogAnswerer::typePassword(QStringLiteral("KlidneSmazeme")));
        button(w, "Zrusit")->click();
        QCOMPARE(answerer.seen.last(), QStringLiteral("dotaz: Zaúčtování odznačeno."));
        QCOMPARE(w.posting().areaState(), AreaState::Idle);
        QCOMPARE(background(w, 0), QColor(243, 156, 156));
        QVERIFY(!w.postingListModel()->index(0, 9).data().toString().isEmpty()); // "Zrušeno"
        QVERIFY(stamp("101") < QStringLiteral("2002-12-12"));

        // A cancelled posting reviewed again cannot be cancelled twice; "Zpět" ends the review.
        w.postingList()->setCurrentIndex(w.postingListModel()->index(0, 0));
        action(w.mainMenu(), QStringLiteral("Prohlížení zaúčtování"))->trigger();
        QCOMPARE(w.posting().areaState(), AreaState::Review);
        QVERIFY(!button(w, "Zrusit")->isEnabled());
        button(w, "Zpet")->click();
        QCOMPARE(w.posting().areaState(), AreaState::Idle);
        QVERIFY(w.mainMenu()->menuAction()->isEnabled());
        QVERIFY(w.userMenu()->menuAction()->isEnabled());
    }

    void postingListShowsCancellationOverExportAndSortsByTheShownText()
    {
        WindowFixture fx;
        KEX_REQUIRE_DB(fx);
        fx.db.sql().execute(
            "insert into kexinfo (datum, obdobi, stredisko, soubor, cislo, md, dal, vl, fa, zruseno, doucta) values "
            "('2006-05-01 10:00:00','04/2006','','D00001',1,1,1,0,0,'2006-01-09 08:00:00','2006-01-05 08:00:00'),"
            "('2006-05-02 10:00:00','04/2006','','D00002',2,1,1,0,0,'2006-01-10 08:00:00','0000-00-00 00:00:00'),"
            "('2006-05-03 10:00:00','04/2006','','D00003',3,1,1,0,0,'2002-02-02 00:00:00','2006-05-04 08:00:00'),"
            "('2006-05-04 10:00:00','04/2006','','D00004',4,1,1,0,0,'0000-00-00 00:00:00','0000-00-00 00:00:00')");
        DialogAnswerer answerer;
        TForm1& w = fx.start();
        PostingListModel* m = w.postingListModel();
        const auto numbers = [&] {
            QList<int> n;
            for (int r = 0; r < m->rowCount(); ++r) n << m->rowAt(r)->cislo;
            return n;
        };
        QCOMPARE(numbers(), (QList<int>{4, 3, 2, 1})); // newest first
        QCOMPARE(background(w, 3), QColor(243, 156, 156)); // exported, then cancelled
        QCOMPARE(background(w, 2), QColor(243, 156, 156)); // cancelled before export
        QVERIFY(!m->index(1, 0).data(Qt::BackgroundRole).isValid()); // 2002-02-02 is no cancellation
        QCOMPARE(background(w, 0), QColor(255, 0, 0));

        // Export only for a posting whose cancellation date is before 2002-02-02.
        QAction* exportItem = action(w.mainMenu(), QStringLiteral("Export do účetnictví"));
        w.postingList()->setCurrentIndex(m->index(1, 0));
        w.HlavniNabidkaPopup();
        QVERIFY(!exportItem->isEnabled());
        w.postingList()->setCurrentIndex(m->index(0, 0));
        w.HlavniNabidkaPopup();
        QVERIFY(exportItem->isEnabled());

        // "Zrušeno" sorts by its text: 10.1.2006 comes before 2.2.2002 and 9.1.2006.
        w.postingList()->setCurrentIndex(m->index(0, 9));
        w.Setridit1Click();
        QCOMPARE(numbers(), (QList<int>{4, 2, 3, 1}));
        QVERIFY(answerer.seen.isEmpty());
    }

    void tabListsFollowInvoicesAndSwitches()
    {
        WindowFixture fx;
        KEX_REQUIRE_DB(fx);
        auto& c = fx.db.sql();
        c.execute("update keximpl set ucet = 'N' where popis = 'UctovatPokladnu'");
        c.execute("insert into vn (cislodokla, cislofakt, datumvn1, stredisko, datumkexct, datumkexcf) values "
                  "('201','F1','2006-04-05','10','1900-01-01','1900-01-01'),"
                  "('202','F1','2006-04-06','10','1900-01-01','1900-01-01'),"
                  "('203','F2','2006-04-07','10','1900-01-01','1900-01-01')");
        DialogAnswerer answerer;
        TForm1& w = fx.start();
        w.openSession(ValidatePeriod("04", "2006", "", false));
        QCOMPARE(w.posting().areaState(), AreaState::SessionOpen);
        QVERIFY(!w.tabs()->isTabVisible(w.tabIndex(Tab::PO)));
        QVERIFY(w.tabs()->isTabVisible(w.tabIndex(Tab::DP)));
        QCOMPARE(w.tabs()->tabText(w.tabIndex(Tab::VNnc)), QStringLiteral("   VN nc   "));

        w.tabs()->setCurrentIndex(w.tabIndex(Tab::VN));
        TabGrid* vn = w.grid(Tab::VN);
        QCOMPARE(vn->model()->rowCount(), 3);
        clickRow(vn, 0); // one delivery of invoice F1 takes the other along
        QCOMPARE(selectedRows(vn), (QList<int>{0, 1}));
        QCOMPARE(w.posting().list(Tab::VN).selectedCount(), 2u);
        clickRow(vn, 1, Qt::ControlModifier); // and leaves it along
        QCOMPARE(selectedRows(vn), QList<int>{});
        clickRow(vn, 2);
        QCOMPARE(selectedRows(vn), QList<int>{2});
        button(w, "allVN")->click();
        QCOMPARE(selectedRows(vn), (QList<int>{0, 1, 2}));
        QCOMPARE(w.posting().list(Tab::VN).selectedCount(), 3u);
        button(w, "Zpet")->click();
        QCOMPARE(w.posting().areaState(), AreaState::Idle);
        QVERIFY(answerer.seen.isEmpty());
    }

    void failuresAreToldAndTheWindowCarriesOn()
    {
        WindowFixture fx;
        KEX_REQUIRE_DB(fx);
        DialogAnswerer answerer;
        TForm1& w = fx.start();

        // A command of a later version says so in one message.
        action(w.mainMenu(), QStringLiteral("Najít doklad"))->trigger();
        QCOMPARE(answerer.seen, QStringList{QStringLiteral("dotaz: Příkaz „Najít doklad“ zatím není v této verzi programu k dispozici.")});

        // A refusal the engine did not show itself is shown by the window.
        w.openSession(ValidatePeriod("04", "2006", "", false));
        w.selectAllTab(Tab::KA);
        button(w, "postKA")->click();
        QVERIFY(answerer.seen.last().contains(QStringLiteral("zatím není k dispozici")));
        QVERIFY(button(w, "postKA")->isEnabled());
        button(w, "Zpet")->click();

        // A database error is shown in its own dialog; the window stays and works on.
        fx.db.sql().execute("rename table kexinfo to kexinfo_away");
        w.UdelejSQL();
        QVERIFY(answerer.seen.last().startsWith(QStringLiteral("dbError: ")));
        QVERIFY(w.isVisible());
        fx.db.sql().execute("rename table kexinfo_away to kexinfo");
        const auto shown = answerer.seen.size();
        w.UdelejSQL();
        QCOMPARE(answerer.seen.size(), shown);
    }

    void refreshProgramIsAwaitedAndItsAbsenceIgnored()
    {
        WindowFixture fx;
        KEX_REQUIRE_DB(fx);
        DialogAnswerer answerer;
        TForm1& w = fx.start();
        QTemporaryDir bin;
        const QString marker = bin.filePath(QStringLiteral("refreshed"));
        {
            QFile script(bin.filePath(QStringLiteral("dbfrefresh.exe")));
            QVERIFY(script.open(QIODevice::WriteOnly));
            script.write(QStringLiteral("#!/bin/sh\nsleep 0.3\necho done > '%1'\n").arg(marker).toUtf8());
            script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", bin.path().toLocal8Bit() + ":" + path);
        button(w, "aktualizovat")->click();
        QVERIFY(QFile::exists(marker)); // the window waited for it to end

        qputenv("PATH", "/nonexistent");
        button(w, "aktualizovat")->click();
        qputenv("PATH", path);
        QVERIFY(answerer.seen.isEmpty());
    }
};

std::unique_ptr<QObject> MakeMainWindowTest() { return std::make_unique<MainWindowTest>(); }

#include "MainWindowTest.moc"

// Column layouts of the grids: kept in the *.slo files between runs and sessions, a damaged file
// passed over, and all of them forgotten on request.
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>
#include <QTest>
#include <fstream>

#include "app/TabGrid.h"
#include "app/UiTestSupport.h"

using namespace kex;
using namespace kex::ui;
using kex::test::DialogAnswerer;
using kex::test::WindowFixture;

class LayoutsTest : public QObject {
    Q_OBJECT

private slots:
    void postingListLayoutIsKeptAndADamagedOnePassedOver()
    {
        WindowFixture fx;
        KEX_REQUIRE_DB(fx);
        DialogAnswerer answerer;
        TForm1& w = fx.start();
        QHeaderView* header = w.postingList()->horizontalHeader();
        QCOMPARE(header->sectionSize(1), 55); // "Období" as designed
        header->resizeSection(1, 140);
        header->moveSection(header->visualIndex(9), 0); // "Zrušeno" first
        fx.stop();
        const auto file = fx.dir.program() / "kexhla.slo";
        QVERIFY(std::filesystem::exists(file));

        TForm1& again = fx.start();
        header = again.postingList()->horizontalHeader();
        QCOMPARE(header->sectionSize(1), 140);
        QCOMPARE(header->logicalIndex(0), 9);
        fx.stop();

        std::ofstream(file, std::ios::trunc) << "\x01\x02 not a layout";
        TForm1& third = fx.start();
        QCOMPARE(third.postingList()->horizontalHeader()->sectionSize(1), 55);
        QCOMPARE(third.postingList()->horizontalHeader()->logicalIndex(0), 0);
        QVERIFY(answerer.seen.isEmpty());
    }

    void tabLayoutsLastFromSessionToSessionUntilForgotten()
    {
        WindowFixture fx;
        KEX_REQUIRE_DB(fx);
        test::AddReceipts(fx.db.sql());
        DialogAnswerer answerer;
        TForm1& w = fx.start();
        const Period april = ValidatePeriod("04", "2006", "", false);
        w.openSession(april);
        QHeaderView* pv = w.grid(Tab::PV)->horizontalHeader();
        const int column = 1;
        pv->resizeSection(column, 177);
        w.ZpetClick(); // the return to idle saves the layouts of the open lists
        for (const char* f : {"kexpv.slo", "kexvn.slo", "kex1.slo", "kex2.slo"})
            QVERIFY2(std::filesystem::exists(fx.dir.program() / f), f);

        w.openSession(april);
        QCOMPARE(w.grid(Tab::PV)->horizontalHeader()->sectionSize(column), 177);
        w.ZpetClick();

        // The Doprava list's file is forgotten with the others.
        std::ofstream(fx.dir.program() / "kexdp.slo") << "{}";
        QMenu* service = w.menuBar()->findChild<QMenu*>(QStringLiteral("Servis"));
        for (QAction* a : service->actions())
            if (a->text() == QStringLiteral("Smazat nastavení seznamů")) a->trigger();
        QVERIFY(!w.isVisible());
        fx.stop();
        for (const auto& entry : std::filesystem::directory_iterator(fx.dir.program()))
            QVERIFY2(entry.path().extension() != ".slo", entry.path().filename().c_str());
        QVERIFY(answerer.seen.isEmpty());
    }
};

std::unique_ptr<QObject> MakeLayoutsTest() { return std::make_unique<LayoutsTest>(); }

#include "LayoutsTest.moc"

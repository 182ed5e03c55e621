// The period dialog, the question dialog and the password dialog, without a database.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <fstream>

#include "app/DesktopPrompter.h"
#include "app/FormState.h"
#include "app/UiTestSupport.h"
#include "dialogs/Dotaz.h"
#include "dialogs/TFobdobi.h"
#include "platform/IniFile.h"

using namespace kex;
using namespace kex::ui;
using kex::test::DialogAnswerer;

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void periodDialogNormalisesTheMonthAndTakesEnterAsTab()
    {
        TFobdobi dialog(nullptr, nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* month = dialog.findChild<QLineEdit*>(QStringLiteral("mesic"));
        auto* year = dialog.findChild<QLineEdit*>(QStringLiteral("rok"));
        QCOMPARE(month->text(), QStringLiteral("04")); // the design value without a stored one
        dialog.activateWindow();
        month->setFocus();
        month->clear();
        QTest::keyClicks(month, QStringLiteral("7"));
        QTest::keyClick(month, Qt::Key_Return);
        QCOMPARE(month->text(), QStringLiteral("07"));
        QVERIFY(year->hasFocus());
        QVERIFY(dialog.isVisible()); // Enter did not close the dialog
    }

    void periodDialogRefusesAnImpossibleMonthAndStaysOpen()
    {
        DialogAnswerer answerer;
        TFobdobi dialog(nullptr, nullptr);
        answerer.script.push_back(DialogAnswerer::fillPeriod(QStringLiteral("13"), QStringLiteral("2006")));
        // The message about the month; then the accountant corrects it in the dialog still open.
        answerer.script.push_back([](QDialog* message) {
            auto* period = qobject_cast<QDialog*>(message->parentWidget());
            message->findChild<QPushButton*>(QStringLiteral("dotazOk"))->click();
            QTimer::singleShot(0, period, [period] {
                DialogAnswerer::fillPeriod(QStringLiteral("12"), QStringLiteral("2006"), QStringLiteral("10"), true)(period);
            });
        });
        auto period = dialog.ask();
        QVERIFY(period.has_value());
        QCOMPARE(QString::fromStdString(period->month), QStringLiteral("12"));
        QCOMPARE(QString::fromStdString(period->centre), QStringLiteral("10"));
        QVERIFY(period->onlyMonth);
        QCOMPARE(answerer.seen.size(), 2);
        QVERIFY(answerer.seen[1].startsWith(QStringLiteral("dotaz: Neplatné období.")));
    }

    void periodTextsOutliveTheProgramAndLeaveTheEnginesSettingsAlone()
    {
        QTemporaryDir dir;
        const std::filesystem::path program = dir.path().toStdString();
        {
            std::ofstream ini(program / "kex.ini", std::ios::binary);
            ini << "[cestyKEXC]\r\nCesta=C:\\export\\tervan\r\n[Hesla]\r\nZrusit=Tajne \\n heslo\r\n";
        }
        {
            auto store = OpenFormState(program);
            TFobdobi dialog(nullptr, store.get());
            DialogAnswerer answerer;
            answerer.script.push_back(DialogAnswerer::fillPeriod(QStringLiteral("11"), QStringLiteral("2007"),
                                                                 QStringLiteral("ABC"), true));
            QVERIFY(dialog.ask().has_value());
        }
        auto store = OpenFormState(program);
        TFobdobi again(nullptr, store.get());
        again.show();
        QCOMPARE(again.findChild<QLineEdit*>(QStringLiteral("mesic"))->text(), QStringLiteral("11"));
        QCOMPARE(again.findChild<QLineEdit*>(QStringLiteral("rok"))->text(), QStringLiteral("2007"));
        QCOMPARE(again.findChild<QLineEdit*>(QStringLiteral("stredisko"))->text(), QStringLiteral("ABC"));
        QVERIFY(!again.findChild<QCheckBox*>(QStringLiteral("jenUO"))->isChecked());

        // The engine still reads its own sections exactly as they were written.
        IniFile ini;
        QVERIFY(ini.load((program / "kex.ini").string()));
        QCOMPARE(QString::fromStdString(ini.value("cestyKEXC", "Cesta")), QStringLiteral("C:\\export\\tervan"));
        QCOMPARE(QString::fromStdString(ini.value("Hesla", "Zrusit")), QStringLiteral("Tajne \\n heslo"));
    }

    void questionsCarryTheirButtonsAndPasswordsStayHidden()
    {
        DesktopPrompter prompter;
        DialogAnswerer answerer;
        QStringList captions;
        answerer.script.push_back([&](QDialog* d) {
            for (auto* b : d->findChildren<QPushButton*>()) captions << b->text();
            QCOMPARE(static_cast<Dotaz*>(d)->icon(), Icon::Warning);
            d->findChild<QPushButton*>(QStringLiteral("dotazCancel"))->click();
        });
        QVERIFY(!prompter.ask("Export už proběhl.", Icon::Warning, "Exportovat", "Znovu export"));
        QCOMPARE(captions, (QStringList{QStringLiteral("Exportovat"), QStringLiteral("Znovu export")}));

        captions.clear();
        answerer.script.push_back([&](QDialog* d) {
            for (auto* b : d->findChildren<QPushButton*>()) captions << b->text();
            d->findChild<QPushButton*>(QStringLiteral("dotazOk"))->click();
        });
        prompter.message("Zaúčtování hotovo.", Icon::Information);
        QCOMPARE(captions, QStringList{QStringLiteral("OK")});

        bool hidden = false;
        answerer.script.push_back([&](QDialog* d) {
            auto* edit = d->findChild<QLineEdit*>(QStringLiteral("passwordEdit"));
            hidden = edit->echoMode() == QLineEdit::Password;
            DialogAnswerer::typePassword(QStringLiteral("KlidneSmazeme"))(d);
        });
        QCOMPARE(prompter.password("Zrušit zaúčtování", "Heslo:"), std::optional<std::string>("KlidneSmazeme"));
        QVERIFY(hidden);
        // "Zpět" in the password dialog gives no password at all, not an empty one.
        QCOMPARE(prompter.password("Zrušit zaúčtování", "Heslo:"), std::optional<std::string>());
        QCOMPARE(answerer.seen.last(), QStringLiteral("passwordDialog: Zrušit zaúčtování"));
    }
};

std::unique_ptr<QObject> MakeDialogsTest() { return std::make_unique<DialogsTest>(); }

#include "DialogsTest.moc"

#include "app/UiTestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>

#include "dialogs/Dotaz.h"
#include "dialogs/PasswordDialog.h"
#include "dialogs/TFobdobi.h"

namespace kex::test {

namespace {
bool g_skipped = false;

QPushButton* button(QDialog* d, const char* name) { return d->findChild<QPushButton*>(QLatin1String(name)); }
} // namespace

void MarkSkipped() { g_skipped = true; }
bool AnySkipped() { return g_skipped; }

DialogAnswerer::DialogAnswerer() { qApp->installEventFilter(this); }
DialogAnswerer::~DialogAnswerer() { qApp->removeEventFilter(this); }

bool DialogAnswerer::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show) {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (dialog && !qobject_cast<QProgressDialog*>(dialog) && dialog->isModal()) {
            QPointer<QDialog> guarded(dialog);
            // After the dialog's own event loop has started.
            QTimer::singleShot(0, this, [this, guarded] {
                if (guarded && guarded->isVisible()) answer(guarded);
            });
        }
    }
    return QObject::eventFilter(watched, event);
}

void DialogAnswerer::answer(QDialog* dialog)
{
    QString kind = dialog->objectName();
    QString text;
    if (auto* d = qobject_cast<ui::Dotaz*>(dialog)) text = d->text();
    else if (auto* m = qobject_cast<QMessageBox*>(dialog)) text = m->text();
    else text = dialog->windowTitle();
    seen << kind + QStringLiteral(": ") + text;
    if (!script.empty()) {
        Action action = std::move(script.front());
        script.pop_front();
        action(dialog);
        return;
    }
    if (qobject_cast<ui::Dotaz*>(dialog) && !button(dialog, "dotazCancel")) dialog->accept();
    else if (qobject_cast<QMessageBox*>(dialog)) dialog->accept();
    else dialog->reject();
}

DialogAnswerer::Action DialogAnswerer::choose(bool firstButton)
{
    return [firstButton](QDialog* d) {
        QPushButton* b = button(d, firstButton ? "dotazOk" : "dotazCancel");
        if (b) b->click();
        else d->reject();
    };
}

DialogAnswerer::Action DialogAnswerer::typePassword(const QString& password)
{
    return [password](QDialog* d) {
        auto* edit = d->findChild<QLineEdit*>(QStringLiteral("passwordEdit"));
        if (!edit) return d->reject();
        edit->setText(password);
        button(d, "passwordOk")->click();
    };
}

DialogAnswerer::Action DialogAnswerer::fillPeriod(const QString& month, const QString& year, const QString& centre,
                                                  bool onlyMonth)
{
    return [=](QDialog* d) {
        d->findChild<QLineEdit*>(QStringLiteral("mesic"))->setText(month);
        d->findChild<QLineEdit*>(QStringLiteral("rok"))->setText(year);
        d->findChild<QLineEdit*>(QStringLiteral("stredisko"))->setText(centre);
        d->findChild<QCheckBox*>(QStringLiteral("jenUO"))->setChecked(onlyMonth);
        button(d, "obdobiOk")->click();
    };
}

WindowFixture::WindowFixture()
{
    if (db.available()) dir.writeIni(ProgramDir::iniFor(db));
}

ui::TForm1& WindowFixture::start()
{
    workstation = std::make_unique<Workstation>(prompter, dir.program());
    window = std::make_unique<ui::TForm1>(*workstation, prompter, 0);
    window->resize(1200, 800);
    window->show();
    window->FormShow();
    return *window;
}

void WindowFixture::stop()
{
    if (window) window->close();
    window.reset();
    workstation.reset();
}

WindowFixture::~WindowFixture() { stop(); }

void AddReceipts(db::Connection& c)
{
    c.execute("insert into strtopc (stred, structo) values ('10','S10'),('20','S20')");
    c.execute("insert into cenik (nomenkla, nazevosiva, analucet1) values ('PSOZ','Pšenice','132.100')");
    c.execute("insert into pv (cislodokla, cislofakt, datum, dp, stredisko, ico, kodpar) values "
              "('101','', '2006-04-03','1','10','111','K1'),"
              "('102','', '2006-04-10','2','10','222','K2'),"
              "('103','F103','2006-04-20','0','10','333','K3'),"
              "('104','', '2006-03-15','1','20','444','K4')");
    c.execute("insert into pvrad (cislodokla, stredisko, nomenkla, nazevosiva, hmotnostpv, nc) values "
              "('101','10','PSOZ','Pšenice',10,100),('102','10','PSOZ','Pšenice',2,50.5),"
              "('103','10','PSOZ','Pšenice',3,1000),('104','20','PSOZ','Pšenice',1,10)");
    c.execute("insert into fakt (cfakt, rada, zaok, splatnost, plneni, vystaveni) values "
              "('F103','DF',3000,'2006-05-20','2006-04-20','2006-04-20')");
}

} // namespace kex::test

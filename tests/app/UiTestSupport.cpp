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

} // namespace kex::test

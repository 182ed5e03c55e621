#pragma once
// What the desktop program's tests share: the dialog answerer that stands in for the accountant
// at every modal dialog, a window started on a fresh test database, and the skip bookkeeping that
// lets CTest report a class without its server as skipped.
#include <QDialog>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "app/DesktopPrompter.h"
#include "app/TForm1.h"
#include "core/Workstation.h"
#include "support/TestDatabase.h"

namespace kex::test {

// Set when a test skipped itself for want of the database server.
void MarkSkipped();
bool AnySkipped();

// Answers the modal dialogs as they open, from a script of actions; a dialog without a scripted
// action gets the cautious answer (first button of a message, "Zpět" anywhere else). Every dialog
// seen is recorded as "kind: text".
class DialogAnswerer : public QObject {
    Q_OBJECT
public:
    using Action = std::function<void(QDialog*)>;
    DialogAnswerer();
    ~DialogAnswerer() override;

    QStringList seen;
    std::deque<Action> script;

    // Ready-made actions.
    static Action choose(bool firstButton);                  // the question dialog
    static Action typePassword(const QString& password);     // the password dialog, then "OK"
    static Action fillPeriod(const QString& month, const QString& year, const QString& centre = {},
                             bool onlyMonth = false);        // the period dialog, then "OK"

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void answer(QDialog* dialog);
};

// A fresh database with the suite's schema and settings, a program directory pointing at it.
class WindowFixture {
public:
    WindowFixture();
    bool available() const { return db.available(); }
    // Starts the window as the program does, the start picture cut short; call after arranging data.
    ui::TForm1& start();
    void stop();
    ~WindowFixture();

    TestDatabase db;
    ProgramDir dir;
    ui::DesktopPrompter prompter;
    std::unique_ptr<Workstation> workstation;
    std::unique_ptr<ui::TForm1> window;
};

// Three receipts of April 2006 at centre 10 (one with a supplier invoice) and one of March at 20.


} // namespace kex::test

#define KEX_REQUIRE_DB(fixture)                                                                                       \
    do {                                                                                                              \
        if (!(fixture).available()) {                                                                                 \
            kex::test::MarkSkipped();                                                                                 \
            QSKIP(qPrintable(QString::fromStdString((fixture).db.reason())));                                         \
        }                                                                                                             \
    } while (false)

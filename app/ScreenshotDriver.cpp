#include "app/ScreenshotDriver.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>
#include <iostream>

#include "app/DesktopPrompter.h"
#include "app/PostingListModel.h"
#include "app/QtText.h"
#include "app/TForm1.h"
#include "app/TStartDialogQor.h"
#include "app/TabGrid.h"
#include "core/Errors.h"
#include "core/Period.h"
#include "core/Workstation.h"
#include "dialogs/TFobdobi.h"

namespace kex::ui {

namespace {

void settle()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::sendPostedEvents();
        QApplication::processEvents();
    }
}

} // namespace

ScreenshotDriver::ScreenshotDriver(TForm1& window, DesktopPrompter& prompter, QString directory, QStringList steps,
                                   QString period)
    : m_window(window), m_prompter(prompter), m_directory(std::move(directory)), m_steps(std::move(steps)),
      m_period(std::move(period))
{
}

bool ScreenshotDriver::save(QWidget& widget, const QString& name)
{
    settle();
    const QString file = QDir(m_directory).filePath(name + QStringLiteral(".png"));
    if (!widget.grab().save(file)) {
        std::cerr << "kex: cannot write " << us(file) << '\n';
        return false;
    }
    std::cout << us(file) << '\n';
    return true;
}

bool ScreenshotDriver::run()
{
    QDir().mkpath(m_directory);
    m_prompter.setUnattended(true, m_window.posting().cancelPassword());
    bool ok = true;
    const QStringList parts = m_period.split(QLatin1Char('/'));
    Period period;
    try {
        period = ValidatePeriod(us(parts.value(0)), us(parts.value(1)), "", false);
    } catch (const UsageError& e) {
        std::cerr << "kex: " << e.what() << '\n';
        return false;
    }
    m_window.FormShow();
    settle();

    for (const QString& step : m_steps) {
        if (step == QLatin1String("start")) {
            TStartDialogQor picture;
            picture.Text1 = QStringLiteral("Zaúčtování");
            picture.Text2 = QStringLiteral("zaúčtování dokladů Tervan05");
            picture.Vypisverze = true;
            picture.Version = QString::fromLatin1(ProgramVersionText());
            picture.Show();
            ok = save(picture, step) && ok;
            picture.close();
        } else if (step == QLatin1String("period")) {
            TFobdobi* dialog = m_window.periodDialog();
            dialog->show();
            ok = save(*dialog, step) && ok;
            dialog->hide();
        } else if (step == QLatin1String("idle")) {
            ok = save(m_window, step) && ok;
        } else if (step == QLatin1String("session")) {
            m_window.openSession(period);
            if (m_window.posting().areaState() != AreaState::SessionOpen) return false;
            m_window.selectAllTab(Tab::PV);
            m_window.tabs()->setCurrentIndex(m_window.tabIndex(Tab::PV));
            ok = save(m_window, step) && ok;
        } else if (step == QLatin1String("posted")) {
            m_window.postTab(Tab::PV);
            m_window.tabs()->setCurrentWidget(m_window.linesGrid());
            ok = save(m_window, step) && ok;
        } else if (step == QLatin1String("review")) {
            if (m_window.posting().areaState() == AreaState::SessionOpen) m_window.ZauctovatClick();
            if (m_window.postingListModel()->rowCount() == 0) {
                std::cerr << "kex: no posting to review\n";
                return false;
            }
            m_window.reviewPosting(0);
            ok = save(m_window, step) && ok;
        } else {
            std::cerr << "kex: unknown screenshot step " << us(step) << '\n';
            ok = false;
        }
    }
    m_window.close();
    return ok;
}

} // namespace kex::ui

#pragma once
// The unattended run of scripts/screenshots: drives the window through its own handlers on a copy
// of the demo database and saves pictures of it. Started only when KEX_SCREENSHOT_DIR is set.
#include <QObject>
#include <QString>
#include <QStringList>

namespace kex::ui {

class DesktopPrompter;
class TForm1;

class ScreenshotDriver : public QObject {
    Q_OBJECT
public:
    // `steps` out of: start, period, idle, session, posted, review (in this order of use).
    ScreenshotDriver(TForm1& window, DesktopPrompter& prompter, QString directory, QStringList steps, QString period);

    // Runs every step, saves <step>.png into the directory, closes the window. False when a step
    // could not be shown (its reason on standard error).
    bool run();

private:
    bool save(QWidget& widget, const QString& name);

    TForm1& m_window;
    DesktopPrompter& m_prompter;
    QString m_directory;
    QStringList m_steps;
    QString m_period;
};

} // namespace kex::ui

// kex: the desktop program of the posting module.
//   kex [--dir DIR]    DIR is the program directory (default: the current directory), as for kexc
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "app/DesktopPrompter.h"
#include "app/ScreenshotDriver.h"
#include "app/SingleInstance.h"
#include "app/TForm1.h"
#include "core/Workstation.h"

using namespace kex;
using namespace kex::ui;

namespace {

int envInt(const char* name, int fallback)
{
    const char* v = std::getenv(name);
    return v && *v ? std::atoi(v) : fallback;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kex"));
    QApplication::setApplicationVersion(QString::fromLatin1(ProgramVersionText()));

    QString dir = QStringLiteral(".");
    const QStringList args = QApplication::arguments();
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--version")) {
            std::cout << ProgramVersionText() << '\n';
            return 0;
        }
        if (args[i] == QLatin1String("--dir") && i + 1 < args.size()) {
            dir = args[++i];
        } else {
            std::cerr << "Usage: kex [--dir DIR]\n";
            return 2;
        }
    }
    if (!QDir(dir).exists()) {
        std::cerr << "kex: the program directory \"" << dir.toStdString() << "\" does not exist.\n";
        return 2;
    }

    // One copy per workstation: a second start brings the first to the front and ends.
    SingleInstance instance;
    if (!instance.acquire()) {
        instance.notifyRunning();
        return 0;
    }

    DesktopPrompter prompter;
    Workstation workstation(prompter, std::filesystem::absolute(dir.toStdString()));
    // KEX_START_DIALOG_MS shortens the start picture for the tests and the screenshot run.
    TForm1 window(workstation, prompter, envInt("KEX_START_DIALOG_MS", 4000));
    QObject::connect(&instance, &SingleInstance::raiseRequested, &window, &TForm1::bringToFront);

    if (const char* shots = std::getenv("KEX_SCREENSHOT_DIR"); shots && *shots) {
        window.resize(1366, 768);
        window.show();
        const char* steps = std::getenv("KEX_SCREENSHOT_STEPS");
        const char* period = std::getenv("KEX_SCREENSHOT_PERIOD");
        ScreenshotDriver driver(window, prompter, QString::fromLocal8Bit(shots),
                                QString::fromLatin1(steps && *steps ? steps : "start,period,idle,session,posted,review")
                                    .split(QLatin1Char(',')),
                                QString::fromLatin1(period && *period ? period : "04/2006"));
        return driver.run() ? 0 : 1;
    }

    window.showMaximized();
    const int rc = QApplication::exec();
    return window.programEnded() ? 3 : rc;
}

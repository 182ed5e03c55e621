// One desktop program per workstation: a second start ends at once, and the lock goes with the
// program that held it. Runs the real binary under the offscreen platform.
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>
#include <fcntl.h>
#include <fstream>
#include <sys/file.h>
#include <unistd.h>

#include "app/UiTestSupport.h"

class SecondStartTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_runtime;
    QTemporaryDir m_root;

    QString program() const { return m_root.filePath(QStringLiteral("prog")); }

    void start(QProcess& kex)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("KEX_START_DIALOG_MS"), QStringLiteral("0"));
        kex.setProcessEnvironment(env);
        kex.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        kex.start(QStringLiteral(KEX_PATH), {QStringLiteral("--dir"), program()});
        QVERIFY(kex.waitForStarted());
    }

    // Whether some process holds the instance lock of our runtime directory now.
    bool lockHeld() const
    {
        const std::string path = m_runtime.filePath(QStringLiteral("kex-%1.lock").arg(getuid())).toStdString();
        int fd = open(path.c_str(), O_RDWR | O_CLOEXEC);
        if (fd < 0) return false;
        const bool held = flock(fd, LOCK_EX | LOCK_NB) != 0;
        if (!held) flock(fd, LOCK_UN);
        close(fd);
        return held;
    }

    bool waitForLock(QProcess& holder)
    {
        for (int i = 0; i < 600 && holder.state() == QProcess::Running; ++i) {
            if (lockHeld()) return true;
            QTest::qWait(50);
        }
        return false;
    }

    void stop(QProcess& kex)
    {
        kex.kill();
        kex.waitForFinished();
    }

private slots:
    void initTestCase()
    {
        QDir(m_root.path()).mkpath(QStringLiteral("prog"));
        // No server behind this port: the window starts anyway and reports the failed query.
        std::ofstream(m_root.filePath(QStringLiteral("Tervan05.ini")).toStdString())
            << "[LogON]\r\nIP=127.0.0.1\r\nSQLport=1\r\n";
    }

    void aSecondStartEndsAtOnceAndTheLockGoesWithItsHolder()
    {
        QProcess first;
        start(first);
        QVERIFY(waitForLock(first));

        QProcess second;
        start(second);
        QVERIFY(second.waitForFinished(30000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);

        // However the holder ends, the next start is the one copy again.
        stop(first);
        QVERIFY(!lockHeld());
        QProcess third;
        start(third);
        QVERIFY(waitForLock(third));
        stop(third);
    }
};

std::unique_ptr<QObject> MakeSecondStartTest() { return std::make_unique<SecondStartTest>(); }

#include "SecondStartTest.moc"

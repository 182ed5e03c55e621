#pragma once
// One desktop program per workstation: the first copy holds the instance lock and listens on a
// local socket beside it; a second copy finds the lock taken, asks the first to come to the front
// and ends without opening a window.
#include <QLocalServer>
#include <QObject>

#include "platform/InstanceLock.h"

namespace kex::ui {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    SingleInstance();

    // True when this is the only copy; it then listens for the others.
    bool acquire();
    // From a second copy: asks the running one to show its window. False when it did not answer.
    bool notifyRunning();

signals:
    void raiseRequested();

private:
    QString serverName() const;

    InstanceLock m_lock;
    QLocalServer m_server;
};

} // namespace kex::ui

#include "platform/InstanceLock.h"

#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace kex {

InstanceLock::InstanceLock(std::string name)
{
    const char* dir = std::getenv("XDG_RUNTIME_DIR");
    std::string base = dir && *dir ? dir : "/tmp";
    m_path = base + "/" + name + "-" + std::to_string(getuid()) + ".lock";
}

InstanceLock::~InstanceLock() { release(); }

bool InstanceLock::acquire()
{
    if (m_fd >= 0) return true;
    int fd = open(m_path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    return true;
}

void InstanceLock::release()
{
    if (m_fd >= 0) ::close(m_fd);
    m_fd = -1;
}

} // namespace kex

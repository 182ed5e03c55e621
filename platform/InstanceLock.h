#pragma once
// One running copy of the desktop program per workstation and user: an exclusive lock on a
// file that the system releases when the process ends, however it ends.
#include <string>

namespace kex {

class InstanceLock {
public:
    // `name` tells programs apart (the desktop program and tools may lock different names).
    explicit InstanceLock(std::string name);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // True when this process now holds the lock; false when another copy holds it.
    bool acquire();
    void release();
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
    int m_fd = -1;
};

} // namespace kex

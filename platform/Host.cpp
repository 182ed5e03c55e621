#include "platform/Host.h"

#include <arpa/inet.h>
#include <filesystem>
#include <netdb.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kex {

std::string HostAddress()
{
    char name[256] = {};
    if (gethostname(name, sizeof name - 1) != 0) return "255.255.255.255";
    addrinfo hints{};
    hints.ai_family = AF_INET;
    addrinfo* list = nullptr;
    if (getaddrinfo(name, nullptr, &hints, &list) != 0 || !list) return "255.255.255.255";
    char text[INET_ADDRSTRLEN] = {};
    auto* in = reinterpret_cast<sockaddr_in*>(list->ai_addr);
    inet_ntop(AF_INET, &in->sin_addr, text, sizeof text);
    freeaddrinfo(list);
    return text;
}

std::string UserName()
{
    passwd pw{};
    passwd* found = nullptr;
    char buffer[4096];
    if (getpwuid_r(getuid(), &pw, buffer, sizeof buffer, &found) == 0 && found && found->pw_name[0])
        return found->pw_name;
    if (const char* u = getenv("USER"); u && *u) return u;
    return "(Unknown)";
}

std::string ComputerName()
{
    char name[256] = {};
    if (gethostname(name, sizeof name - 1) != 0 || !name[0]) return "(Unknown)";
    return name;
}

std::string ProgramPath()
{
    std::error_code ec;
    auto p = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : p.string();
}

DateTime ProgramFileTime()
{
    std::string path = ProgramPath();
    struct stat st{};
    if (path.empty() || stat(path.c_str(), &st) != 0) return ZeroDate();
    return FromTimeT(st.st_mtime);
}

bool MakeDirectories(const std::string& path)
{
    std::error_code ec;
    std::filesystem::create_directories(path, ec);
    return std::filesystem::is_directory(path, ec);
}

bool FileExists(const std::string& path)
{
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

} // namespace kex

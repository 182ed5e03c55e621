#include "core/LogonSettings.h"

#include "platform/IniFile.h"

namespace kex {

LogonSettings ReadLogonSettings(const std::string& iniPath)
{
    LogonSettings s;
    IniFile ini;
    ini.load(iniPath);
    const char* section = "LogON";
    s.ip = ini.value(section, "IP", s.ip);
    s.user = ini.value(section, "User", s.user);
    s.password = ini.value(section, "Password", s.password);
    s.database = ini.value(section, "Database", s.database);
    s.sqlPort = ini.value(section, "SQLport", s.sqlPort);
    s.openPort = ini.value(section, "OPENport", s.openPort);
    s.cisloPC = ini.value(section, "CisloPC", s.cisloPC);
    return s;
}

} // namespace kex

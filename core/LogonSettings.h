#pragma once
// Connection settings of the suite's shared ini file, section LogON.
#include <string>

namespace kex {

struct LogonSettings {
    std::string ip = "localhost";
    std::string user = "root";
    std::string password;
    std::string database = "tervan";
    std::string sqlPort = "3306";
    std::string openPort;
    std::string cisloPC = "00";
};

// Reads the keys in the suite's order with their defaults; a missing file or key is not an
// error, the default stands.
LogonSettings ReadLogonSettings(const std::string& iniPath);

} // namespace kex

#pragma once
// Facts about the workstation and the program file that the suite records with each start.
#include <string>

#include "core/DateTime.h"

namespace kex {

// First IPv4 address of the host's own name, "a.b.c.d"; 255.255.255.255 when it cannot be resolved.
std::string HostAddress();
// Login name of the user; "(Unknown)" when the system cannot tell.
std::string UserName();
// Host name of the workstation; "(Unknown)" when the system cannot tell.
std::string ComputerName();
// Path of the running program file; empty when unknown.
std::string ProgramPath();
// Modification time of the running program file; the zero date when it cannot be found.
DateTime ProgramFileTime();

// Creates a directory with all missing parents; false when it cannot.
bool MakeDirectories(const std::string& path);
bool FileExists(const std::string& path);

} // namespace kex

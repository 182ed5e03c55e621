#include "cli/Commands.h"

namespace kex::cli {

const std::vector<OptionSpec> kOptionSpecs = {
    {"dir", true, false},    {"json", false, false},   {"yes", false, false},     {"help", false, false},
    {"version", false, false},
};

const std::vector<Command>& AllCommands()
{
    static const std::vector<Command> commands = {
        {"status", "[--json]",
         "start up as the program does and print the server, the database, the closed period and the number of postings",
         {"json"}, 0, StatusCommand},
    };
    return commands;
}

} // namespace kex::cli

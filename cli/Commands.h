#pragma once
// The commands of kexc. Each runs over a started Workstation and returns the exit code;
// failures are raised as the engine's exceptions and mapped to exit codes by main.
#include <functional>
#include <iosfwd>
#include <set>
#include <string>
#include <vector>

#include "cli/Args.h"

namespace kex {
class Workstation;
}

namespace kex::cli {

struct CommandContext {
    const Args& args;
    Workstation& workstation;
    bool json;
    std::ostream& out;
};

struct Command {
    std::string name;
    std::string usage;   // options after the command word
    std::string summary; // one line
    std::set<std::string> options;
    int arguments = 0; // words after the command word it takes (a posting number, say)
    std::function<int(CommandContext&)> run;
};

const std::vector<Command>& AllCommands();

// Options every command understands.
extern const std::vector<OptionSpec> kOptionSpecs;

int StatusCommand(CommandContext& ctx);
int PostCommand(CommandContext& ctx);
int ListCommand(CommandContext& ctx);
int ReviewCommand(CommandContext& ctx);
int LinesCommand(CommandContext& ctx);
int CancelCommand(CommandContext& ctx);
int UnmarkCommand(CommandContext& ctx);
int DemoDataCommand(CommandContext& ctx);

} // namespace kex::cli

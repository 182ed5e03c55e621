// kexc: the posting module on the command line, over the same engine as the desktop program.
#include <filesystem>
#include <iostream>
#include <unistd.h>

#include "cli/Args.h"
#include "cli/CliPrompter.h"
#include "cli/Commands.h"
#include "core/Errors.h"
#include "core/Workstation.h"
#include "db/DbError.h"
#include "platform/Cp1250.h"

namespace {

using namespace kex;
using namespace kex::cli;

enum ExitCode { Done = 0, RefusedCode = 1, Usage = 2, DatabaseFailure = 3 };

void printHelp(std::ostream& out)
{
    out << "Usage: kexc [--dir DIR] COMMAND [OPTIONS]\n"
           "Posts the documents of the Tervan05 suite to double-entry bookkeeping.\n\n"
           "Global options:\n"
           "  --dir DIR   the program directory (default: the current directory); ../Tervan05.ini,\n"
           "              ../sqllog, data/ and kex.ini are found relative to it\n"
           "  --json      print the result as JSON\n"
           "  --yes       answer the program's questions with their first button (OK)\n"
           "  --help      this text; --version  the program version\n\n"
           "Commands:\n";
    for (const auto& c : AllCommands()) out << "  " << c.name << ' ' << c.usage << "\n      " << c.summary << '\n';
    out << "\nExit codes: 0 done, 1 refused by a check or by the user, 2 usage error, 3 database or script failure.\n";
}

int run(int argc, char** argv)
{
    std::vector<std::string> tokens(argv + 1, argv + argc);
    std::vector<OptionSpec> specs = kOptionSpecs;
    Args args = Args::parse(tokens, specs);
    if (args.flag("version")) {
        std::cout << ProgramVersionText() << '\n';
        return Done;
    }
    if (args.flag("help") && args.positional().empty()) {
        printHelp(std::cout);
        return Done;
    }
    if (args.positional().empty()) throw UsageError("No command given; see kexc --help.");
    const std::string& name = args.positional().front();
    const Command* command = nullptr;
    for (const auto& c : AllCommands())
        if (c.name == name) command = &c;
    if (!command) throw UsageError("Unknown command \"" + name + "\"; see kexc --help.");
    if (args.flag("help")) {
        std::cout << "Usage: kexc [--dir DIR] " << command->name << ' ' << command->usage << '\n'
                  << command->summary << '\n';
        return Done;
    }
    std::set<std::string> allowed = command->options;
    allowed.insert({"dir", "yes", "help"});
    if (auto extra = args.unknownAmong(allowed); !extra.empty())
        throw UsageError("The command " + name + " does not take --" + extra.front() + ".");
    if (args.positional().size() > static_cast<std::size_t>(command->arguments) + 1)
        throw UsageError("Unexpected argument \"" + args.positional()[command->arguments + 1] + "\" to " + name + ".");

    std::filesystem::path dir = args.value("dir").value_or(".");
    if (!std::filesystem::is_directory(dir))
        throw UsageError("The program directory \"" + dir.string() + "\" does not exist.");
    CliPrompter prompter(args.flag("yes"), args.value("password"), isatty(2));
    Workstation workstation(prompter, std::filesystem::absolute(dir));
    workstation.start();
    CommandContext ctx{args, workstation, args.flag("json"), std::cout};
    return command->run(ctx);
}

} // namespace

int main(int argc, char** argv)
{
    try {
        return run(argc, argv);
    } catch (const UsageError& e) {
        std::cerr << "kexc: " << e.what() << '\n';
        return Usage;
    } catch (const Refused& e) {
        if (!e.shown()) std::cerr << e.what() << '\n';
        return RefusedCode;
    } catch (const ProgramEnd& e) {
        std::cerr << "kexc: " << e.what() << '\n';
        return DatabaseFailure;
    } catch (const db::DbError& e) {
        std::cerr << "kexc: database error: " << e.what() << '\n';
        return DatabaseFailure;
    } catch (const EncodingError& e) {
        std::cerr << "kexc: " << e.what() << '\n';
        return DatabaseFailure;
    } catch (const std::exception& e) {
        std::cerr << "kexc: " << e.what() << '\n';
        return DatabaseFailure;
    }
}

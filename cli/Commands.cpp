#include "cli/Commands.h"

namespace kex::cli {

const std::vector<OptionSpec> kOptionSpecs = {
    {"dir", true, false},    {"json", false, false},   {"yes", false, false},     {"help", false, false},
    {"version", false, false}, {"period", true, false}, {"centre", true, false},  {"only-month", false, false},
    {"tab", true, true},       {"commit", false, false}, {"password", true, false}, {"kind", true, false},
    {"number", true, false},   {"documents", true, false}, {"seed", true, false},
};

const std::vector<Command>& AllCommands()
{
    static const std::vector<Command> commands = {
        {"status", "[--json]",
         "start up as the program does and print the server, the database, the closed period and the number of postings",
         {"json"}, 0, StatusCommand},
        {"post", "--period MM/YYYY [--centre C] [--only-month] --tab TAB[=KEYS] ... [--commit] [--yes] [--json]",
         "open a posting session, post the tabs in the order given (all rows, or the documents KEYS), then commit "
         "(--commit) or leave the working tables filled",
         {"period", "centre", "only-month", "tab", "commit", "json"}, 0, PostCommand},
        {"list", "[--json]", "the posting list: every committed posting with its sums and state", {"json"}, 0,
         ListCommand},
        {"review", "N [--json]", "the journal lines and open-item records of posting N", {"json"}, 1, ReviewCommand},
        {"lines", "[--json]", "the working tables as they stand", {"json"}, 0, LinesCommand},
        {"cancel", "N --password P [--yes] [--json]", "cancel posting N: its documents become postable again",
         {"password", "json"}, 1, CancelCommand},
        {"unmark", "--kind FA|VC|PV|VP|VV|KA|PO --number X --password P [--yes] [--json]",
         "release one posted document (find, then unmark)", {"kind", "number", "password", "json"}, 0, UnmarkCommand},
        {"demo-data", "--documents N --seed S --period MM/YYYY [--json]",
         "replace the look-up tables and source documents by a generated demo company of N documents (defaults: "
         "200, seed 1, 04/2006)",
         {"documents", "seed", "period", "json"}, 0, DemoDataCommand},
    };
    return commands;
}

} // namespace kex::cli

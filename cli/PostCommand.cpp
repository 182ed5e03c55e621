// kexc post: opens a posting session, posts the tabs given and commits or returns to idle.
#include <chrono>
#include <sstream>

#include "cli/Commands.h"
#include "cli/Output.h"
#include "core/Errors.h"
#include "core/PostingSession.h"
#include "core/Workstation.h"

namespace kex::cli {
namespace {

struct TabRequest {
    Tab tab;
    std::vector<std::string> keys; // empty = every row of the list
};

TabRequest parseTab(const std::string& text)
{
    auto eq = text.find('=');
    std::string code = text.substr(0, eq);
    auto tab = TabByCode(code);
    if (!tab)
        throw UsageError("Unknown tab \"" + code + "\"; the tabs are PV, VN, VNnc, VP, VU, VUnc, KA, SM, PO, DP, KS.");
    TabRequest r{*tab, {}};
    if (eq != std::string::npos) {
        std::stringstream ss(text.substr(eq + 1));
        std::string key;
        while (std::getline(ss, key, ','))
            if (!key.empty()) r.keys.push_back(key);
        if (r.keys.empty()) throw UsageError("The tab " + code + "= needs at least one document number.");
    }
    return r;
}

} // namespace

int PostCommand(CommandContext& ctx)
{
    auto periodText = ctx.args.value("period");
    if (!periodText) throw UsageError("The command post needs --period MM/YYYY.");
    Period period = ParsePeriod(*periodText, ctx.args.value("centre").value_or(""), ctx.args.flag("only-month"));
    std::vector<TabRequest> requests;
    for (const auto& t : ctx.args.values("tab")) requests.push_back(parseTab(t));
    if (requests.empty()) throw UsageError("Name at least one tab to post with --tab, such as --tab PV.");

    using Clock = std::chrono::steady_clock;
    auto seconds = [](Clock::time_point from) { return std::chrono::duration<double>(Clock::now() - from).count(); };
    nlohmann::json timings = nlohmann::json::object();
    PostingSession& posting = ctx.workstation.posting();
    auto started = Clock::now();
    posting.open(period);
    timings["open"] = seconds(started);
    nlohmann::json tabs = nlohmann::json::array();
    try {
        for (const auto& r : requests) {
            if (!posting.tabVisible(r.tab))
                throw Refused(std::string("The tab ") + InfoOf(r.tab).code + " is switched off in the settings.");
            if (posting.list(r.tab).size() == 0) {
                if (ctx.json) tabs.push_back({{"tab", InfoOf(r.tab).code}, {"documents", 0}, {"nothingToPost", true}});
                else ctx.out << InfoOf(r.tab).code << ": nothing left to post\n";
                continue;
            }
            if (r.keys.empty()) {
                posting.selectAll(r.tab);
            } else {
                auto missing = posting.selectByKeys(r.tab, r.keys);
                if (!missing.empty())
                    throw Refused("The document " + missing.front() + " is not in the list of the tab "
                                  + InfoOf(r.tab).code + " (not found, or already posted).");
            }
            started = Clock::now();
            TabPostResult res = posting.post(r.tab);
            timings[std::string("post ") + InfoOf(r.tab).code] = seconds(started);
            if (ctx.json) {
                tabs.push_back({{"tab", InfoOf(r.tab).code}, {"documents", res.documents}, {"lines", res.lines},
                                {"records", res.records}, {"md", res.md}, {"dal", res.dal}});
            } else {
                ctx.out << InfoOf(r.tab).code << ": " << res.documents << " documents, " << res.lines << " lines, "
                        << res.records << " records, MD " << Money(res.md) << ", DAL " << Money(res.dal) << '\n';
            }
        }
        nlohmann::json result = {{"tabs", tabs}};
        if (ctx.args.flag("commit")) {
            started = Clock::now();
            CommitResult c = posting.commit();
            timings["commit"] = seconds(started);
            if (ctx.json) {
                result["posting"] = {{"number", c.number}, {"file", c.file}, {"md", c.md}, {"dal", c.dal},
                                     {"vl", c.vl}, {"fa", c.fa}};
            } else {
                ctx.out << "Posting " << c.number << " committed, file " << c.file << ", MD " << Money(c.md) << ", DAL "
                        << Money(c.dal) << '\n';
            }
        } else {
            posting.returnToIdle();
            if (!ctx.json) ctx.out << "Not committed: the working tables hold the lines (kexc lines).\n";
        }
        if (ctx.json) {
            result["seconds"] = timings;
            ctx.out << result.dump(2) << '\n';
        }
    } catch (const Refused&) {
        posting.returnToIdle();
        throw;
    } catch (const db::DbError&) {
        if (ctx.workstation.connection().isOpen()) posting.returnToIdle();
        throw;
    }
    return 0;
}

} // namespace kex::cli

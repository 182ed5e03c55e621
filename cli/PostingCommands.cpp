// kexc list, review, lines, cancel and unmark.
#include <algorithm>

#include "cli/Commands.h"
#include "cli/Output.h"
#include "core/Errors.h"
#include "core/PostingSession.h"
#include "core/Values.h"
#include "core/Workstation.h"

namespace kex::cli {
namespace {

const std::vector<std::string> kLineColumns = {"id2", "denik", "doklad", "ucet", "stredisko", "md",
                                               "dal", "v343", "symbol", "datzdp", "text"};
const std::vector<std::string> kRecordColumns = {"denik", "doklad", "ucet", "stredisko", "symbol",
                                                 "castka", "rozdil", "ico", "nazevpodni", "datspl"};

int postingNumber(const CommandContext& ctx)
{
    if (ctx.args.positional().size() < 2) throw UsageError("Name the posting by its number, such as: kexc review 1.");
    const std::string& text = ctx.args.positional()[1];
    try {
        std::size_t used = 0;
        int n = std::stoi(text, &used);
        if (used == text.size() && n > 0) return n;
    } catch (const std::exception&) {
    }
    throw UsageError("The posting number must be a positive whole number, not \"" + text + "\".");
}

PostingRow findPosting(PostingSession& posting, int number)
{
    auto row = posting.postingByNumber(number);
    if (!row) throw Refused("There is no posting number " + std::to_string(number) + ".");
    return *row;
}

const char* rowState(const PostingRow& p)
{
    if (p.cancelled()) return "cancelled";
    if (p.notExported()) return "not exported";
    return "normal";
}

void printWorkingTables(CommandContext& ctx, PostingSession& posting, nlohmann::json header)
{
    db::Result lines = posting.workingLines();
    db::Result records = posting.workingRecords();
    if (ctx.json) {
        header["lines"] = ResultToJson(lines);
        header["records"] = ResultToJson(records);
        ctx.out << header.dump(2) << '\n';
        return;
    }
    ctx.out << "Journal lines (" << lines.size() << "):\n";
    PrintTable(ctx.out, lines, kLineColumns);
    ctx.out << "\nOpen-item records (" << records.size() << "):\n";
    PrintTable(ctx.out, records, kRecordColumns);
}

} // namespace

int ListCommand(CommandContext& ctx)
{
    auto rows = ctx.workstation.posting().postings();
    if (ctx.json) {
        nlohmann::json list = nlohmann::json::array();
        for (const auto& p : rows)
            list.push_back({{"datum", FormatStamp(p.datum)}, {"obdobi", p.obdobi}, {"stredisko", p.stredisko},
                            {"cislo", p.cislo}, {"soubor", p.soubor}, {"md", p.md}, {"dal", p.dal}, {"vl", p.vl},
                            {"fa", p.fa}, {"douctaX", p.douctaX}, {"zrusenoX", p.zrusenoX}, {"state", rowState(p)}});
        ctx.out << list.dump(2) << '\n';
        return 0;
    }
    // Columns of fixed width in characters (Czech letters take two bytes, so printf widths won't do).
    auto cell = [](const std::string& text, int width, bool right) {
        std::string pad(static_cast<std::size_t>(std::max(0, width - TextLength(text))), ' ');
        return right ? pad + text : text + pad;
    };
    auto line = [&](const std::vector<std::string>& v) {
        static const int widths[] = {19, 7, 9, 5, 7, 13, 13, 12, 12, 19, 19, 0};
        static const bool right[] = {false, false, false, true, false, true, true, true, true, false, false, false};
        std::string out;
        for (std::size_t i = 0; i < v.size(); ++i) out += (i ? "  " : "") + cell(v[i], widths[i], right[i]);
        while (!out.empty() && out.back() == ' ') out.pop_back();
        ctx.out << out << '\n';
    };
    line({"Datum", "Období", "Středisko", "Číslo", "Soubor", "MD", "DAL", "VL", "FA", "Do účetnictví", "Zrušeno", "Stav"});
    for (const auto& p : rows)
        line({FormatStamp(p.datum), p.obdobi, p.stredisko, std::to_string(p.cislo), p.soubor, Money(p.md), Money(p.dal),
              Money(p.vl), Money(p.fa), p.douctaX, p.zrusenoX, rowState(p)});
    return 0;
}

int ReviewCommand(CommandContext& ctx)
{
    PostingSession& posting = ctx.workstation.posting();
    PostingRow row = findPosting(posting, postingNumber(ctx));
    posting.review(row);
    nlohmann::json header = {{"cislo", row.cislo}, {"soubor", row.soubor}, {"datum", FormatStamp(row.datum)},
                             {"obdobi", row.obdobi}, {"state", rowState(row)}};
    if (!ctx.json)
        ctx.out << "Posting " << row.cislo << " (" << row.soubor << "), period " << row.obdobi << ", "
                << FormatStamp(row.datum) << ", " << rowState(row) << "\n\n";
    try {
        printWorkingTables(ctx, posting, header);
    } catch (...) {
        posting.returnToIdle();
        throw;
    }
    posting.returnToIdle();
    return 0;
}

int LinesCommand(CommandContext& ctx)
{
    printWorkingTables(ctx, ctx.workstation.posting(), nlohmann::json::object());
    return 0;
}

int CancelCommand(CommandContext& ctx)
{
    PostingSession& posting = ctx.workstation.posting();
    PostingRow row = findPosting(posting, postingNumber(ctx));
    posting.review(row);
    bool done = false;
    try {
        done = posting.cancelReviewed();
    } catch (...) {
        posting.returnToIdle();
        throw;
    }
    if (!done) {
        posting.returnToIdle();
        throw Refused("Nothing was cancelled: the question was not confirmed or the password was wrong.");
    }
    if (ctx.json) ctx.out << nlohmann::json{{"cancelled", row.cislo}}.dump(2) << '\n';
    else ctx.out << "Posting " << row.cislo << " cancelled.\n";
    return 0;
}

int UnmarkCommand(CommandContext& ctx)
{
    auto kind = ctx.args.value("kind");
    auto number = ctx.args.value("number");
    if (!kind || !number || number->empty())
        throw UsageError("The command unmark needs --kind FA|VC|PV|VP|VV|KA|PO and --number X.");
    PostingSession& posting = ctx.workstation.posting();
    posting.setFoundDocument(*kind, *number);
    bool done = false;
    try {
        done = posting.unmarkFound();
    } catch (...) {
        posting.returnToIdle();
        throw;
    }
    if (!done) {
        posting.returnToIdle();
        throw Refused("Nothing was unmarked: the question was not confirmed or the password was wrong.");
    }
    if (ctx.json) ctx.out << nlohmann::json{{"unmarked", *kind + " " + *number}}.dump(2) << '\n';
    else ctx.out << "Document " << *kind << ' ' << *number << " unmarked.\n";
    return 0;
}

} // namespace kex::cli

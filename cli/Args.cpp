#include "cli/Args.h"

#include "core/Errors.h"

namespace kex::cli {

Args Args::parse(const std::vector<std::string>& argv, const std::vector<OptionSpec>& specs)
{
    Args a;
    bool onlyPositional = false;
    for (std::size_t i = 0; i < argv.size(); ++i) {
        const std::string& tok = argv[i];
        if (onlyPositional || tok.size() < 2 || tok.compare(0, 2, "--") != 0) {
            if (tok == "-h") {
                a.m_values.emplace("help", "");
                continue;
            }
            if (!onlyPositional && tok.size() > 1 && tok[0] == '-')
                throw UsageError("Unknown option \"" + tok + "\"; see kexc --help.");
            a.m_positional.push_back(tok);
            continue;
        }
        if (tok == "--") {
            onlyPositional = true;
            continue;
        }
        std::string name = tok.substr(2);
        std::optional<std::string> inlineValue;
        if (auto eq = name.find('='); eq != std::string::npos) {
            inlineValue = name.substr(eq + 1);
            name.erase(eq);
        }
        const OptionSpec* option = nullptr;
        for (const auto& s : specs)
            if (s.name == name) option = &s;
        if (!option) throw UsageError("Unknown option \"--" + name + "\"; see kexc --help.");
        std::string value;
        if (option->takesValue) {
            if (inlineValue) {
                value = *inlineValue;
            } else {
                if (i + 1 >= argv.size()) throw UsageError("The option --" + name + " needs a value.");
                value = argv[++i];
            }
        } else if (inlineValue) {
            throw UsageError("The option --" + name + " takes no value.");
        }
        if (!option->repeatable && a.m_values.count(name))
            throw UsageError("The option --" + name + " is given more than once.");
        a.m_values.emplace(name, value);
        a.m_order.push_back(name);
    }
    return a;
}

std::optional<std::string> Args::value(const std::string& name) const
{
    auto it = m_values.find(name);
    if (it == m_values.end()) return std::nullopt;
    return it->second;
}

std::vector<std::string> Args::values(const std::string& name) const
{
    std::vector<std::string> out;
    auto [b, e] = m_values.equal_range(name);
    for (auto it = b; it != e; ++it) out.push_back(it->second);
    return out;
}

std::vector<std::string> Args::unknownAmong(const std::set<std::string>& allowed) const
{
    std::vector<std::string> out;
    for (const auto& n : m_order)
        if (!allowed.count(n)) out.push_back(n);
    return out;
}

} // namespace kex::cli

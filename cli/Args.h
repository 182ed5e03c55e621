#pragma once
// Command-line arguments: one command word, options "--name value" or "--name=value", flags.
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace kex::cli {

struct OptionSpec {
    std::string name;
    bool takesValue = false;
    bool repeatable = false;
};

class Args {
public:
    // Throws UsageError for an unknown option, a missing value or a repeated single option.
    static Args parse(const std::vector<std::string>& argv, const std::vector<OptionSpec>& specs);

    const std::vector<std::string>& positional() const { return m_positional; }
    bool flag(const std::string& name) const { return m_values.count(name) > 0; }
    std::optional<std::string> value(const std::string& name) const;
    std::vector<std::string> values(const std::string& name) const;
    // Options given that are not in `allowed`; used to refuse options a command does not take.
    std::vector<std::string> unknownAmong(const std::set<std::string>& allowed) const;

private:
    std::vector<std::string> m_positional;
    std::multimap<std::string, std::string> m_values;
    std::vector<std::string> m_order;
};

} // namespace kex::cli

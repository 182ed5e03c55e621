#include "platform/IniFile.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>
#include <vector>

#include "platform/Cp1250.h"

namespace kex {

// Sections and keys keep their first spelling for writing and are matched without regard to
// letter case, as Windows does.
struct IniFile::Impl {
    struct Entry {
        std::string key, value;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };
    std::vector<Section> sections;

    static bool same(std::string_view a, std::string_view b)
    {
        return a.size() == b.size()
               && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
                      return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
                  });
    }
    Section* find(std::string_view name)
    {
        for (auto& s : sections)
            if (same(s.name, name)) return &s;
        return nullptr;
    }
    const Entry* find(std::string_view section, std::string_view key) const
    {
        for (const auto& s : sections)
            if (same(s.name, section))
                for (const auto& e : s.entries)
                    if (same(e.key, key)) return &e;
        return nullptr;
    }
};

IniFile::IniFile() : m_impl(std::make_unique<Impl>()) {}
IniFile::~IniFile() = default;
IniFile::IniFile(IniFile&&) noexcept = default;
IniFile& IniFile::operator=(IniFile&&) noexcept = default;

namespace {

bool validUtf8(const std::string& s)
{
    std::size_t i = 0;
    while (i < s.size()) {
        unsigned char c = s[i];
        int n = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
        if (n < 0 || i + n >= s.size()) return false;
        for (int k = 1; k <= n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) >> 6) != 2) return false;
        i += n + 1;
    }
    return true;
}

std::string trim(std::string_view s)
{
    std::size_t b = 0, e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) --e;
    return std::string(s.substr(b, e - b));
}

} // namespace

bool IniFile::load(const std::string& path)
{
    m_impl->sections.clear();
    m_loaded = false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::stringstream buffer;
    buffer << in.rdbuf();
    std::string text = buffer.str();
    if (text.size() >= 3 && text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);
    if (!validUtf8(text)) {
        try {
            text = Cp1250ToUtf8(text);
        } catch (const EncodingError&) {
            // Not cp1250 either: keep the bytes as they are.
        }
    }
    std::istringstream lines(text);
    std::string line;
    Impl::Section* current = nullptr;
    while (std::getline(lines, line)) {
        std::string t = trim(line);
        if (t.empty() || t[0] == ';' || t[0] == '#') continue;
        if (t.front() == '[' && t.back() == ']') {
            std::string name = trim(std::string_view(t).substr(1, t.size() - 2));
            current = m_impl->find(name);
            if (!current) {
                m_impl->sections.push_back({name, {}});
                current = &m_impl->sections.back();
            }
            continue;
        }
        auto eq = t.find('=');
        if (eq == std::string::npos || !current) continue;
        std::string key = trim(std::string_view(t).substr(0, eq));
        std::string value = trim(std::string_view(t).substr(eq + 1));
        bool known = false;
        for (const auto& e : current->entries)
            if (Impl::same(e.key, key)) known = true;
        // The first occurrence of a key wins, as in the Windows profile functions.
        if (!known) current->entries.push_back({key, value});
    }
    m_loaded = true;
    return true;
}

bool IniFile::has(std::string_view section, std::string_view key) const
{
    return m_impl->find(section, key) != nullptr;
}

std::string IniFile::value(std::string_view section, std::string_view key, std::string_view fallback) const
{
    const Impl::Entry* e = m_impl->find(section, key);
    return e ? e->value : std::string(fallback);
}

} // namespace kex

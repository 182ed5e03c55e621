#pragma once
// A Windows-style ini file read case-insensitively, as the suite's programs read them.
// Files written by Windows programs may be in cp1250; they are read into UTF-8.
// Our own reader: the packaged ini library is built for a converter whose header it does not ship.
#include <memory>
#include <string>
#include <string_view>

namespace kex {

class IniFile {
public:
    IniFile();
    ~IniFile();
    IniFile(IniFile&&) noexcept;
    IniFile& operator=(IniFile&&) noexcept;

    // Loads the file; false when it does not exist or cannot be read (the file then reads as empty).
    bool load(const std::string& path);
    bool loaded() const { return m_loaded; }
    bool has(std::string_view section, std::string_view key) const;
    std::string value(std::string_view section, std::string_view key, std::string_view fallback = {}) const;


private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
    bool m_loaded = false;
};

} // namespace kex

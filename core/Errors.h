#pragma once
// The few kinds of failure the engine reports; front ends map them to exit codes or dialogs.
// Database failures are kex::db::DbError (see db/DbError.h).
#include <stdexcept>
#include <string>

namespace kex {

// A check or the accountant refused the command; nothing was changed. The message has
// already been shown through the Prompter when `shown` is set.
class Refused : public std::runtime_error {
public:
    explicit Refused(const std::string& message, bool shown = false) : std::runtime_error(message), m_shown(shown) {}
    bool shown() const { return m_shown; }

private:
    bool m_shown;
};

// The command was given wrong input (an invalid period, an unknown tab, a bad option).
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A script failed: it was rolled back, logged to kex.err, the connection closed and the
// accountant told. The program must end now.
class ProgramEnd : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace kex

#include "cli/CliPrompter.h"

#include <iostream>
#include <termios.h>
#include <unistd.h>

namespace kex::cli {

bool CliPrompter::ask(std::string_view text, Icon, std::string_view okCaption, std::string_view cancelCaption)
{
    if (m_assumeYes || cancelCaption.empty()) {
        if (!cancelCaption.empty()) std::cerr << text << " [" << okCaption << "]\n";
        else std::cerr << text << '\n';
        return true;
    }
    if (!isatty(STDIN_FILENO)) {
        std::cerr << text << '\n' << "(no terminal to answer on: give --yes to answer \"" << okCaption << "\")\n";
        return false;
    }
    std::cerr << text << "\n  [1] " << okCaption << "  [2] " << cancelCaption << " ? " << std::flush;
    std::string answer;
    if (!std::getline(std::cin, answer)) return false;
    return answer == "1" || answer == "y" || answer == "Y" || answer == "a" || answer == "A" || answer == okCaption;
}

void CliPrompter::message(std::string_view text, Icon) { std::cerr << text << '\n'; }

std::optional<std::string> CliPrompter::password(std::string_view caption, std::string_view prompt)
{
    if (m_password) return m_password;
    if (!isatty(STDIN_FILENO)) return std::nullopt;
    std::cerr << caption << ": " << prompt << ' ' << std::flush;
    termios old{};
    tcgetattr(STDIN_FILENO, &old);
    termios hidden = old;
    hidden.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    tcsetattr(STDIN_FILENO, TCSANOW, &hidden);
    std::string value;
    bool ok = static_cast<bool>(std::getline(std::cin, value));
    tcsetattr(STDIN_FILENO, TCSANOW, &old);
    std::cerr << '\n';
    if (!ok) return std::nullopt;
    return value;
}

void CliPrompter::progress(std::string_view what, long done, long total)
{
    if (!m_showProgress) return;
    if (total > 0) std::cerr << '\r' << what << ' ' << done << '/' << total << (done >= total ? "\n" : "") << std::flush;
}

} // namespace kex::cli

#pragma once
// The command line's answers to the engine's questions: --yes answers every question with the
// first button; otherwise a question is asked on the terminal, and refused when there is none.
// Messages go to standard error exactly as the engine words them.
#include <optional>
#include <string>

#include "core/Prompter.h"

namespace kex::cli {

class CliPrompter : public Prompter {
public:
    CliPrompter(bool assumeYes, std::optional<std::string> password, bool showProgress)
        : m_assumeYes(assumeYes), m_password(std::move(password)), m_showProgress(showProgress)
    {
    }
    bool ask(std::string_view text, Icon icon, std::string_view okCaption, std::string_view cancelCaption) override;
    void message(std::string_view text, Icon icon) override;
    std::optional<std::string> password(std::string_view caption, std::string_view prompt) override;
    void progress(std::string_view what, long done, long total) override;

private:
    bool m_assumeYes;
    std::optional<std::string> m_password;
    bool m_showProgress;
};

} // namespace kex::cli

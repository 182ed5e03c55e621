#pragma once
// The one way the engine talks to the accountant: questions, messages and password input.
// The desktop program answers with dialogs, the command line with flags and the terminal,
// tests with a scripted fake that records every message. Texts are passed exactly as shown.
#include <optional>
#include <string>
#include <string_view>

namespace kex {

enum class Icon { Help, Warning, Stop, Information };

class Prompter {
public:
    virtual ~Prompter() = default;

    // The question dialog: the text, a first button (`okCaption`) and, unless `cancelCaption` is
    // empty, a second one that cancels. True when the accountant chose the first button.
    virtual bool ask(std::string_view text, Icon icon, std::string_view okCaption = "OK",
                     std::string_view cancelCaption = "Zpět") = 0;

    // A message with the one button "OK".
    virtual void message(std::string_view text, Icon icon) = 0;

    // Input with hidden characters; nullopt when the accountant cancels.
    virtual std::optional<std::string> password(std::string_view caption, std::string_view prompt) = 0;

    // Progress of long work (opening a period, posting a tab); `total` 0 means unknown.
    virtual void progress(std::string_view /*what*/, long /*done*/, long /*total*/) {}
};

} // namespace kex

#pragma once
// A Prompter for tests: answers questions from a script (default: the first button) and
// records every text it was shown.
#include <deque>
#include <string>
#include <vector>

#include "core/Prompter.h"

namespace kex::test {

class FakePrompter : public Prompter {
public:
    std::vector<std::string> shown; // every question and message, in order
    std::deque<bool> answers;       // answers to the next questions; empty = first button
    std::deque<std::optional<std::string>> passwords;

    bool ask(std::string_view text, Icon, std::string_view, std::string_view) override
    {
        shown.emplace_back(text);
        if (answers.empty()) return true;
        bool a = answers.front();
        answers.pop_front();
        return a;
    }
    void message(std::string_view text, Icon) override { shown.emplace_back(text); }
    std::optional<std::string> password(std::string_view, std::string_view prompt) override
    {
        shown.emplace_back(prompt);
        if (passwords.empty()) return std::nullopt;
        auto p = passwords.front();
        passwords.pop_front();
        return p;
    }
};

} // namespace kex::test

#pragma once
// The engine's questions, messages and password input as dialogs of the window, and its progress
// reports as a progress dialog that appears only when the work takes longer than a moment.
#include <QPointer>
#include <QWidget>
#include <memory>

#include "core/Prompter.h"

class QProgressDialog;

namespace kex::ui {

class DesktopPrompter : public Prompter {
public:
    DesktopPrompter();
    ~DesktopPrompter() override;

    // The window the dialogs belong to (centred on it, modal to it).
    void setWindow(QWidget* window) { m_window = window; }

    bool ask(std::string_view text, Icon icon, std::string_view okCaption, std::string_view cancelCaption) override;
    void message(std::string_view text, Icon icon) override;
    std::optional<std::string> password(std::string_view caption, std::string_view prompt) override;
    void progress(std::string_view what, long done, long total) override;

    // For the unattended screenshot run only: every question is answered with its first button,
    // messages go to standard error, the password asked for is `password`.
    void setUnattended(bool on, std::string password = {});

    // Closes a progress dialog that work ending early (an error, a refusal) left open.
    void finishProgress();

private:
    QPointer<QWidget> m_window;
    std::unique_ptr<QProgressDialog> m_progress;
    bool m_unattended = false;
    std::string m_password;
};

} // namespace kex::ui

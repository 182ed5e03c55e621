#include "app/DesktopPrompter.h"

#include <QApplication>
#include <QProgressDialog>
#include <iostream>

#include "app/QtText.h"
#include "dialogs/Dotaz.h"
#include "dialogs/PasswordDialog.h"

namespace kex::ui {

namespace {

// A dialog asked in the middle of database work must not show the wait cursor; the work's own
// cursor comes back when the dialog closes.
class NormalCursor {
public:
    NormalCursor() : m_active(QApplication::overrideCursor() != nullptr)
    {
        if (m_active) QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~NormalCursor()
    {
        if (m_active) QApplication::restoreOverrideCursor();
    }

private:
    bool m_active;
};

} // namespace

DesktopPrompter::DesktopPrompter() = default;
DesktopPrompter::~DesktopPrompter() = default;

void DesktopPrompter::setUnattended(bool on, std::string password)
{
    m_unattended = on;
    m_password = std::move(password);
}

bool DesktopPrompter::ask(std::string_view text, Icon icon, std::string_view okCaption, std::string_view cancelCaption)
{
    if (m_unattended) {
        std::cerr << "kex: " << text << " [" << okCaption << "]\n";
        return true;
    }
    NormalCursor cursor;
    return Dotaz::ask(m_window, qs(text), icon, qs(okCaption), qs(cancelCaption));
}

void DesktopPrompter::message(std::string_view text, Icon icon)
{
    if (m_unattended) {
        std::cerr << "kex: " << text << '\n';
        return;
    }
    NormalCursor cursor;
    Dotaz::ask(m_window, qs(text), icon, QStringLiteral("OK"), QString());
}

std::optional<std::string> DesktopPrompter::password(std::string_view caption, std::string_view prompt)
{
    if (m_unattended) return m_password;
    NormalCursor cursor;
    auto typed = PasswordDialog::ask(m_window, qs(caption), qs(prompt));
    if (!typed) return std::nullopt;
    return us(*typed);
}

void DesktopPrompter::finishProgress() { m_progress.reset(); }

void DesktopPrompter::progress(std::string_view what, long done, long total)
{
    const bool finished = total > 0 && done >= total;
    if (finished) {
        m_progress.reset();
        return;
    }
    if (!m_progress) {
        // No cancel button: the work cannot be interrupted half way.
        m_progress = std::make_unique<QProgressDialog>(qs(what), QString(), 0, static_cast<int>(total), m_window);
        m_progress->setObjectName(QStringLiteral("progress"));
        m_progress->setWindowTitle(QStringLiteral("Tervan05"));
        m_progress->setWindowModality(Qt::WindowModal);
        m_progress->setMinimumDuration(400);
        m_progress->setAutoClose(false);
        m_progress->setAutoReset(false);
    }
    m_progress->setLabelText(qs(what));
    m_progress->setMaximum(static_cast<int>(total));
    m_progress->setValue(static_cast<int>(done));
}

} // namespace kex::ui

#include "dialogs/PasswordDialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kex::ui {

PasswordDialog::PasswordDialog(QWidget* parent, const QString& caption, const QString& prompt) : QDialog(parent)
{
    setObjectName(QStringLiteral("passwordDialog"));
    setWindowTitle(caption);
    setModal(true);

    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("passwordEdit"));
    m_edit->setEchoMode(QLineEdit::Password);
    // Blanks instead of bullets: someone looking over the shoulder learns nothing, not even the length
    // of a word shown dot by dot.
    m_edit->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 32; }"));
    m_edit->setMinimumWidth(200);

    auto* form = new QFormLayout;
    form->addRow(prompt, m_edit);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("passwordOk"));
    ok->setDefault(true);
    auto* back = new QPushButton(QStringLiteral("Zpět"), this);
    back->setObjectName(QStringLiteral("passwordCancel"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(back, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(back);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString PasswordDialog::value() const { return m_edit->text(); }

std::optional<QString> PasswordDialog::ask(QWidget* parent, const QString& caption, const QString& prompt)
{
    PasswordDialog dialog(parent, caption, prompt);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.value();
}

} // namespace kex::ui

#include "dialogs/Dotaz.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace kex::ui {

namespace {

QStyle::StandardPixmap pixmapOf(Icon icon)
{
    switch (icon) {
    case Icon::Help: return QStyle::SP_MessageBoxQuestion;
    case Icon::Warning: return QStyle::SP_MessageBoxWarning;
    case Icon::Stop: return QStyle::SP_MessageBoxCritical;
    case Icon::Information: return QStyle::SP_MessageBoxInformation;
    }
    return QStyle::SP_MessageBoxInformation;
}

} // namespace

Dotaz::Dotaz(QWidget* parent, const QString& text, Icon icon, const QString& okCaption, const QString& cancelCaption)
    : QDialog(parent), m_icon(icon)
{
    setObjectName(QStringLiteral("dotaz"));
    setWindowTitle(QStringLiteral("Tervan05"));
    setModal(true);

    auto* iconLabel = new QLabel(this);
    iconLabel->setObjectName(QStringLiteral("dotazIcon"));
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    iconLabel->setPixmap(style()->standardIcon(pixmapOf(icon), nullptr, this).pixmap(size, size));
    iconLabel->setAlignment(Qt::AlignTop);

    m_text = new QLabel(text, this);
    m_text->setObjectName(QStringLiteral("dotazText"));
    m_text->setTextFormat(Qt::PlainText);
    m_text->setWordWrap(true);
    m_text->setMinimumWidth(260);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* ok = new QPushButton(okCaption, this);
    ok->setObjectName(QStringLiteral("dotazOk"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    if (!cancelCaption.isEmpty()) {
        auto* cancel = new QPushButton(cancelCaption, this);
        cancel->setObjectName(QStringLiteral("dotazCancel"));
        connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
        buttons->addWidget(cancel);
    }
    buttons->addStretch();

    auto* top = new QHBoxLayout;
    top->addWidget(iconLabel);
    top->addSpacing(12);
    top->addWidget(m_text, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString Dotaz::text() const { return m_text->text(); }

bool Dotaz::ask(QWidget* parent, const QString& text, Icon icon, const QString& okCaption, const QString& cancelCaption)
{
    Dotaz dialog(parent, text, icon, okCaption, cancelCaption);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace kex::ui

#include "dialogs/TFobdobi.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

#include "app/QtText.h"
#include "core/Errors.h"
#include "dialogs/Dotaz.h"

namespace kex::ui {

namespace {
const QString kSection = QStringLiteral("TFobdobi/");
}

TFobdobi::TFobdobi(QWidget* parent, QSettings* store) : QDialog(parent), m_store(store)
{
    setObjectName(QStringLiteral("TFobdobi"));
    setWindowTitle(QStringLiteral("Zúčtování Tervan05"));
    setModal(true);

    auto value = [&](const char* key, const char* design) {
        return m_store ? m_store->value(kSection + QLatin1String(key), QLatin1String(design)).toString()
                       : QString::fromLatin1(design);
    };
    m_month = new QLineEdit(value("mesic", "04"), this);
    m_month->setObjectName(QStringLiteral("mesic"));
    m_month->setMaxLength(2);
    m_month->setFixedWidth(40);
    m_year = new QLineEdit(value("rok", "2006"), this);
    m_year->setObjectName(QStringLiteral("rok"));
    m_year->setMaxLength(4);
    m_year->setFixedWidth(60);
    m_centre = new QLineEdit(value("stredisko", ""), this);
    m_centre->setObjectName(QStringLiteral("stredisko"));
    m_centre->setMaxLength(3);
    m_centre->setFixedWidth(50);
    m_onlyMonth = new QCheckBox(QStringLiteral("doklady jen z ÚO"), this);
    m_onlyMonth->setObjectName(QStringLiteral("jenUO"));

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("účetní období"), this), 0, 0);
    auto* period = new QHBoxLayout;
    period->addWidget(m_month);
    period->addWidget(new QLabel(QStringLiteral("/"), this));
    period->addWidget(m_year);
    period->addStretch();
    grid->addLayout(period, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Středisko"), this), 1, 0);
    grid->addWidget(m_centre, 1, 1, Qt::AlignLeft);
    grid->addWidget(m_onlyMonth, 2, 1);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("obdobiOk"));
    auto* back = new QPushButton(QStringLiteral("Zpět"), this);
    back->setObjectName(QStringLiteral("obdobiZpet"));
    // Enter moves between the fields, so neither button is the default one.
    ok->setAutoDefault(false);
    back->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &TFobdobi::accept);
    connect(back, &QPushButton::clicked, this, &TFobdobi::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(back);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(10);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (QWidget* w : {static_cast<QWidget*>(m_month), static_cast<QWidget*>(m_year),
                       static_cast<QWidget*>(m_centre), static_cast<QWidget*>(m_onlyMonth)})
        w->installEventFilter(this);
}

TFobdobi::~TFobdobi() = default;

bool TFobdobi::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && key->modifiers() == Qt::NoModifier) {
            focusNextChild();
            return true;
        }
    }
    if (watched == m_month && event->type() == QEvent::FocusOut) m_month->setText(qs(NormaliseMonth(us(m_month->text()))));
    return QDialog::eventFilter(watched, event);
}

std::optional<Period> TFobdobi::ask()
{
    m_onlyMonth->setChecked(false);
    m_month->setFocus();
    m_month->selectAll();
    if (exec() != QDialog::Accepted) return std::nullopt;
    return m_period;
}

void TFobdobi::accept()
{
    m_month->setText(qs(NormaliseMonth(us(m_month->text()))));
    try {
        m_period = ValidatePeriod(us(m_month->text()), us(m_year->text()), us(m_centre->text().trimmed()),
                                  m_onlyMonth->isChecked());
    } catch (const UsageError& e) {
        Dotaz::ask(this, QStringLiteral("Neplatné období.\n") + qs(e.what()), Icon::Stop, QStringLiteral("OK"), {});
        m_month->setFocus();
        return;
    }
    QDialog::accept();
}

void TFobdobi::done(int result)
{
    saveTexts();
    QDialog::done(result);
}

void TFobdobi::saveTexts()
{
    if (!m_store) return;
    m_store->setValue(kSection + QStringLiteral("mesic"), m_month->text());
    m_store->setValue(kSection + QStringLiteral("rok"), m_year->text());
    m_store->setValue(kSection + QStringLiteral("stredisko"), m_centre->text());
    m_store->sync();
}

} // namespace kex::ui

#include "app/PartnerPanel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kex::ui {

namespace {
constexpr int kBarWidth = 10;
}

PartnerPanel::PartnerPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("partnerPanel"));
    setToolTip(QStringLiteral("Adresář partnerů"));
    m_content = new QWidget(this);
    auto* caption = new QLabel(QStringLiteral("Adresář partnerů"), m_content);
    caption->setObjectName(QStringLiteral("partnerCaption"));
    auto* grid = new QTableWidget(0, 7, m_content);
    grid->setObjectName(QStringLiteral("partnerGrid"));
    grid->setHorizontalHeaderLabels({QStringLiteral("IČO/stř."), QStringLiteral("Název"), QStringLiteral("Sídlo"),
                                     QStringLiteral("Ulice"), QStringLiteral("PSC"), QStringLiteral("Pošta"),
                                     QStringLiteral("KODPAR")});
    grid->verticalHeader()->setVisible(false);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto* take = new QPushButton(QStringLiteral("Převzít"), m_content);
    take->setObjectName(QStringLiteral("partnerPrevzit"));
    auto* back = new QPushButton(QStringLiteral("Zpět"), m_content);
    back->setObjectName(QStringLiteral("partnerZpet"));
    connect(back, &QPushButton::clicked, this, &PartnerPanel::collapse);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(take);
    buttons->addWidget(back);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(m_content);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(caption);
    layout->addWidget(grid, 1);
    layout->addLayout(buttons);

    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(kBarWidth, 0, 0, 0);
    outer->addWidget(m_content);
    collapse();
}

void PartnerPanel::setOpenWidth(int width)
{
    m_openWidth = width;
    if (m_open) setFixedWidth(width);
}

void PartnerPanel::open()
{
    m_open = true;
    m_content->show();
    setFixedWidth(m_openWidth);
}

void PartnerPanel::collapse()
{
    m_open = false;
    m_content->hide();
    setFixedWidth(kBarWidth);
}

void PartnerPanel::mousePressEvent(QMouseEvent* event)
{
    if (!m_open) open();
    QWidget::mousePressEvent(event);
}

void PartnerPanel::paintEvent(QPaintEvent*)
{
    // The bar: a strip in the panel colour with a small arrow, so it reads as something to click.
    QPainter p(this);
    const QRect bar(0, 0, kBarWidth, height());
    p.fillRect(bar, palette().color(QPalette::Mid));
    p.setPen(palette().color(QPalette::Dark));
    p.drawLine(bar.topRight(), bar.bottomRight());
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(palette().color(QPalette::Light));
    p.setPen(Qt::NoPen);
    const int y = height() / 2;
    const QPointF arrow[3] = {m_open ? QPointF(2, y - 5) : QPointF(8, y - 5), m_open ? QPointF(8, y) : QPointF(2, y),
                              m_open ? QPointF(2, y + 5) : QPointF(8, y + 5)};
    p.drawPolygon(arrow, 3);
}

} // namespace kex::ui

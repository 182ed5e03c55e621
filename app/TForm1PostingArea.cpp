// The posting area: a session's tabs with their lists and buttons, the working lines and records,
// the review of a committed posting, and the states that decide what can be pressed.
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "app/DesktopPrompter.h"
#include "app/PostingListModel.h"
#include "app/QtText.h"
#include "app/TForm1.h"
#include "app/TabGrid.h"
#include "core/Values.h"

namespace kex::ui {

namespace {

constexpr int kSessionSplitter = 127; // height of the posting list while the posting area shows

std::size_t at(Tab tab) { return static_cast<std::size_t>(tab); }

QString objectNameOf(const char* prefix, Tab tab) { return QLatin1String(prefix) + QLatin1String(InfoOf(tab).code); }

} // namespace

QWidget* TForm1::buildPostingArea()
{
    m_area = new QWidget;
    m_area->setObjectName(QStringLiteral("postingArea"));

    m_periodLabel = new QLabel;
    m_periodLabel->setObjectName(QStringLiteral("periodLabel"));
    QFont big = m_periodLabel->font();
    big.setPointSize(big.pointSize() + 3);
    m_periodLabel->setFont(big);
    m_centreLabel = new QLabel;
    m_centreLabel->setObjectName(QStringLiteral("centreLabel"));
    m_centreLabel->setFont(big);
    m_jenLabel = new QLabel(QStringLiteral("JEN"));
    m_jenLabel->setObjectName(QStringLiteral("jenLabel"));
    m_jenLabel->setFont(big);
    QPalette red = m_jenLabel->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    m_jenLabel->setPalette(red);

    m_zauctovat = new QPushButton(QStringLiteral("Zaúčtovat"));
    m_zauctovat->setObjectName(QStringLiteral("Zauctovat"));
    m_zrusit = new QPushButton(QStringLiteral("Zrušit"));
    m_zrusit->setObjectName(QStringLiteral("Zrusit"));
    m_zpet = new QPushButton(QStringLiteral("Zpět"));
    m_zpet->setObjectName(QStringLiteral("Zpet"));
    m_odznacit = new QPushButton(QStringLiteral("Odznačit"));
    m_odznacit->setObjectName(QStringLiteral("Odznacit"));
    connect(m_zauctovat, &QPushButton::clicked, this, &TForm1::ZauctovatClick);
    connect(m_zrusit, &QPushButton::clicked, this, &TForm1::ZrusitClick);
    connect(m_zpet, &QPushButton::clicked, this, &TForm1::ZpetClick);
    connect(m_odznacit, &QPushButton::clicked, this, &TForm1::OdznacitClick);

    auto* head = new QHBoxLayout;
    head->setContentsMargins(6, 4, 6, 0);
    head->setSpacing(12);
    head->addWidget(m_periodLabel);
    head->addWidget(m_centreLabel);
    head->addWidget(m_jenLabel);
    head->addStretch(1);
    for (QPushButton* b : {m_zauctovat, m_zrusit, m_zpet, m_odznacit}) {
        b->setMinimumWidth(90);
        head->addWidget(b);
    }

    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("tabs"));
    m_tabs->setDocumentMode(false);
    for (const TabInfo& info : AllTabs()) m_tabs->addTab(buildTabPage(info.tab), QString::fromUtf8(info.caption));
    m_linesGrid = new TabGrid;
    m_linesGrid->setObjectName(QStringLiteral("gridUcto"));
    m_recordsGrid = new TabGrid;
    m_recordsGrid->setObjectName(QStringLiteral("gridSaldo"));
    m_tabs->addTab(m_linesGrid, QStringLiteral("  Účto  "));
    m_tabs->addTab(m_recordsGrid, QStringLiteral("  Saldo  "));

    auto* layout = new QVBoxLayout(m_area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addLayout(head);
    layout->addWidget(m_tabs, 1);
    return m_area;
}

QWidget* TForm1::buildTabPage(Tab tab)
{
    const TabInfo& info = InfoOf(tab);
    TabPage& p = m_pages[at(tab)];
    p.page = new QWidget;
    p.page->setObjectName(objectNameOf("page", tab));
    p.grid = new TabGrid(p.page);
    p.grid->setObjectName(objectNameOf("grid", tab));
    p.post = new QPushButton(QString::fromUtf8(info.postCaption), p.page);
    p.post->setObjectName(objectNameOf("post", tab));
    p.back = new QPushButton(QString::fromUtf8(info.backCaption), p.page);
    p.back->setObjectName(objectNameOf("back", tab));
    p.all = new QPushButton(QStringLiteral("Vybrat vše"), p.page);
    p.all->setObjectName(objectNameOf("all", tab));
    connect(p.post, &QPushButton::clicked, this, [this, tab] { postTab(tab); });
    connect(p.back, &QPushButton::clicked, this, [this, tab] { backTab(tab); });
    connect(p.all, &QPushButton::clicked, this, [this, tab] { selectAllTab(tab); });
    if (tab == Tab::VN || tab == Tab::VU) {
        // An invoice over several deliveries (services) is selected or left as a whole.
        connect(p.grid, &QTableView::clicked, this, [this, tab](const QModelIndex& index) {
            if (!index.isValid() || posting().areaState() != AreaState::SessionOpen) return;
            posting().rowClicked(tab, static_cast<std::size_t>(index.row()));
            m_pages[at(tab)].grid->selectionFromList();
        });
    }

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(4, 4, 4, 0);
    for (QPushButton* b : {p.post, p.back, p.all}) {
        b->setMinimumWidth(110);
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(p.page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addLayout(buttons);
    layout->addWidget(p.grid, 1);
    return p.page;
}

TabGrid* TForm1::grid(Tab tab) const { return m_pages[at(tab)].grid; }

int TForm1::tabIndex(Tab tab) const { return m_tabs->indexOf(m_pages[at(tab)].page); }

void TForm1::applyState()
{
    const AreaState state = posting().areaState();
    const bool idle = state == AreaState::Idle;
    const bool session = state == AreaState::SessionOpen;
    m_mainMenu->menuAction()->setEnabled(idle);
    m_userMenu->menuAction()->setEnabled(idle);

    m_zauctovat->setEnabled(session);
    const auto& reviewed = posting().reviewed();
    // A posting cancelled already cannot be cancelled again.
    m_zrusit->setEnabled(state == AreaState::Review && reviewed && DateYYYYMMDD(reviewed->zruseno) <= "20021112");
    m_odznacit->setVisible(state == AreaState::FoundDocument);
    for (const TabInfo& info : AllTabs()) {
        TabPage& p = m_pages[at(info.tab)];
        // Outside a session the lists are closed: nothing to post, nothing to take back.
        const bool postable = session && !posting().tabPosted(info.tab);
        p.post->setEnabled(postable);
        p.all->setEnabled(postable);
        p.back->setEnabled(session);
        if (info.tab == Tab::PO || info.tab == Tab::DP || info.tab == Tab::KS)
            m_tabs->setTabVisible(tabIndex(info.tab), posting().tabVisible(info.tab));
    }

    const int total = std::max(m_splitter->height(), kSessionSplitter + 100);
    if (idle) {
        m_area->hide();
        m_splitter->setSizes({total, 0});
    } else {
        m_area->show();
        m_splitter->setSizes({kSessionSplitter, total - kSessionSplitter});
    }
}

void TForm1::refreshWorkingTables()
{
    m_linesGrid->showResult(posting().workingLines());
    m_recordsGrid->showResult(posting().workingRecords());
}

void TForm1::openSession(const Period& period)
{
    if (posting().areaState() != AreaState::Idle) return;
    ReviewedPostingNo = 0;
    run([&] {
        posting().open(period);
        m_periodLabel->setText(qs(period.month + "/" + period.year));
        m_centreLabel->setText(period.centre.empty() ? QString() : QStringLiteral("středisko ") + qs(period.centre));
        m_jenLabel->setVisible(period.onlyMonth);
        m_labelBezStr->setText(qs(posting().state().settings.BezStredisko));
        for (const TabInfo& info : AllTabs()) {
            TabPage& p = m_pages[at(info.tab)];
            p.open = posting().tabVisible(info.tab);
            p.grid->forgetWidths();
            p.grid->showList(p.open ? &posting().list(info.tab) : nullptr);
            p.grid->fitColumns();
            if (p.open) loadLayout(p.grid, info.layoutFile);
        }
        openWorkingGrids();
        m_tabs->setCurrentIndex(tabIndex(Tab::PV));
    });
    applyState();
}

// "Účto" and "Saldo" on the freshly made working tables: columns fitted to the first rows, then a
// saved layout wins.
void TForm1::openWorkingGrids()
{
    m_linesGrid->forgetWidths();
    m_recordsGrid->forgetWidths();
    refreshWorkingTables();
    m_linesGrid->fitColumns();
    m_recordsGrid->fitColumns();
    m_workingGridsOpen = true;
    loadLayout(m_linesGrid, "kex1.slo");
    loadLayout(m_recordsGrid, "kex2.slo");
}

void TForm1::reviewPosting(int row)
{
    const PostingRow* chosen = m_listModel->rowAt(row);
    if (!chosen || posting().areaState() != AreaState::Idle) return;
    const PostingRow reviewed = *chosen;
    m_list->setCurrentIndex(m_listModel->index(row, std::max(0, m_list->currentIndex().column())));
    run([&] {
        posting().review(reviewed);
        m_periodLabel->setText(qs(reviewed.obdobi));
        m_centreLabel->setText(reviewed.stredisko.empty() ? QString() : QStringLiteral("středisko ") + qs(reviewed.stredisko));
        m_jenLabel->hide();
        for (TabPage& p : m_pages) {
            p.open = false;
            p.grid->showList(nullptr);
        }
        openWorkingGrids();
        m_tabs->setCurrentWidget(m_linesGrid);
        ReviewedPostingNo = reviewed.cislo;
    });
    applyState();
}

void TForm1::showFoundDocument(const std::string& kind, const std::string& number)
{
    run([&] { posting().setFoundDocument(kind, number); });
    applyState();
}

void TForm1::postTab(Tab tab)
{
    // The grid's selection is already the list's; the engine asks and refuses as needed.
    run([&] {
        posting().post(tab);
        refreshWorkingTables();
    });
    applyState();
}

void TForm1::backTab(Tab tab)
{
    run([&] {
        posting().back(tab);
        refreshWorkingTables();
    });
    applyState();
}

void TForm1::selectAllTab(Tab tab)
{
    posting().selectAll(tab);
    grid(tab)->selectionFromList();
}

void TForm1::saveOpenLayouts()
{
    for (const TabInfo& info : AllTabs())
        if (m_pages[at(info.tab)].open) saveLayout(m_pages[at(info.tab)].grid, info.layoutFile);
    if (m_workingGridsOpen) {
        saveLayout(m_linesGrid, "kex1.slo");
        saveLayout(m_recordsGrid, "kex2.slo");
    }
}

void TForm1::afterReturnToIdle()
{
    for (TabPage& p : m_pages) {
        p.open = false;
        p.grid->showList(nullptr);
    }
    m_linesGrid->showResult({});
    m_recordsGrid->showResult({});
    m_workingGridsOpen = false;
    applyState();
    UdelejSQL();
    if (ReviewedPostingNo > 0) {
        const int row = m_listModel->rowOfNumber(ReviewedPostingNo);
        if (row >= 0) m_list->setCurrentIndex(m_listModel->index(row, std::max(0, m_list->currentIndex().column())));
    }
}

void TForm1::ZauctovatClick()
{
    if (posting().areaState() != AreaState::SessionOpen) return;
    saveOpenLayouts();
    run([this] {
        posting().commit();
        ReviewedPostingNo = 0;
    });
    if (posting().areaState() == AreaState::Idle) afterReturnToIdle();
}

void TForm1::ZrusitClick()
{
    if (posting().areaState() != AreaState::Review) return;
    saveOpenLayouts();
    run([this] { posting().cancelReviewed(); });
    if (posting().areaState() == AreaState::Idle) afterReturnToIdle();
}

void TForm1::ZpetClick()
{
    if (posting().areaState() == AreaState::Idle) return;
    saveOpenLayouts();
    run([this] { posting().returnToIdle(); });
    if (posting().areaState() == AreaState::Idle) afterReturnToIdle();
    else applyState();
}

void TForm1::OdznacitClick()
{
    if (posting().areaState() != AreaState::FoundDocument) return;
    bool unmarked = false;
    run([&] { unmarked = posting().unmarkFound(); });
    if (unmarked) ReviewedPostingNo = 0;
    if (posting().areaState() == AreaState::Idle) afterReturnToIdle();
}

} // namespace kex::ui

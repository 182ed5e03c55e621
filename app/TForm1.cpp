// The main window: its creation, layout, menus, control panel, the way commands run, and the
// window's own moments (first showing, activation, closing, destruction).
#include "app/TForm1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "app/ColumnLayout.h"
#include "app/DesktopPrompter.h"
#include "app/FormState.h"
#include "app/PartnerPanel.h"
#include "app/PostingListModel.h"
#include "app/QtText.h"
#include "app/TStartDialogQor.h"
#include "app/TabGrid.h"
#include "core/Errors.h"
#include "core/Workstation.h"
#include "db/DbError.h"
#include "dialogs/TFobdobi.h"
#include "platform/Cp1250.h"

namespace kex::ui {

namespace {

// The layout files of the grids, deleted by "Smazat nastavení seznamů".
const char* const kLayoutFiles[] = {"kexhla.slo", "kexpv.slo", "kexvn.slo", "kexvnnc.slo", "kexvp.slo",
                                    "kexvu.slo",  "kexvunc.slo", "kexka.slo", "kexsm.slo", "kexpo.slo",
                                    "kexdp.slo",  "kex1.slo",  "kex2.slo"};

const QString kFormSection = QStringLiteral("TForm1/");

QFont windowFont()
{
    QFont f;
    f.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")});
    f.setPointSize(8);
    f.setBold(true);
    return f;
}

// The database-wait cursor for as long as a command works.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

TForm1::TForm1(Workstation& workstation, DesktopPrompter& prompter, int startPictureMs)
    : m_ws(workstation), m_prompter(prompter), m_formState(OpenFormState(workstation.programDir())),
      m_startPictureMs(startPictureMs)
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("Tervan05 - Zaúčtování dokladů"));
    setMinimumSize(200, 50);
    setFont(windowFont());
    m_prompter.setWindow(this);

    // The start picture shows while the workstation connects.
    m_startDialog = std::make_unique<TStartDialogQor>();
    m_startDialog->Text1 = QStringLiteral("Zaúčtování");
    m_startDialog->Text2 = QStringLiteral("zaúčtování dokladů Tervan05");
    m_startDialog->Vypisverze = true;
    m_startDialog->Version = QString::fromLatin1(ProgramVersionText());
    m_startDialog->Show();
    m_startElapsed.start();
    QApplication::processEvents();

    buildWindow();
    run([this] { m_ws.start(); });
    loadLayout(m_list, "kexhla.slo");
    m_partners->setOpenWidth(320);
    m_storedLabel->setText(m_formState->value(kFormSection + QStringLiteral("Label")).toString());
    m_labelBezStr->setText(m_formState->value(kFormSection + QStringLiteral("LabelBezStr")).toString());

    m_periodDialog = new TFobdobi(this, m_formState.get());
    applyState();
}

TForm1::~TForm1()
{
    // The stored texts of the control panel, as the form-state store keeps them.
    m_formState->setValue(kFormSection + QStringLiteral("Label"), m_storedLabel->text());
    m_formState->setValue(kFormSection + QStringLiteral("LabelBezStr"), m_labelBezStr->text());
    m_formState->sync();
    if (ForgetLayouts) {
        std::error_code ignored;
        for (const char* name : kLayoutFiles) std::filesystem::remove(programFile(name), ignored);
    }
}

PostingSession& TForm1::posting() { return m_ws.posting(); }

QTableView* TForm1::postingList() const { return m_list; }

std::filesystem::path TForm1::programFile(const char* name) const { return m_ws.file(name); }

void TForm1::buildWindow()
{
    buildMenus();

    m_list = new QTableView;
    m_list->setObjectName(QStringLiteral("postingList"));
    m_listModel = new PostingListModel(m_list);
    m_list->setModel(m_listModel);
    m_list->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setWordWrap(false);
    m_list->verticalHeader()->setVisible(false);
    m_list->verticalHeader()->setDefaultSectionSize(m_list->fontMetrics().height() + 6);
    m_list->horizontalHeader()->setSectionsMovable(true);
    m_list->horizontalHeader()->setHighlightSections(false);
    const QFontMetrics metrics(font());
    const int stampWidth = metrics.horizontalAdvance(QStringLiteral("28.12.2006 23:59:59")) + 16;
    for (int c = 0; c < m_listModel->columnCount(); ++c) {
        int width = PostingListModel::designWidth(c);
        if (width == 0) {
            const int title = metrics.horizontalAdvance(m_listModel->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString()) + 20;
            width = c == 0 || c >= 8 ? std::max(stampWidth, title) : std::max(70, title);
        }
        m_list->horizontalHeader()->resizeSection(c, width);
    }
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_list, &QTableView::doubleClicked, this, &TForm1::DBGrid1DblClick);
    connect(m_list, &QTableView::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu menu(this);
        menu.addAction(QStringLiteral("Setřídit podle sloupce"), this, &TForm1::Setridit1Click);
        QMenu* opis = menu.addMenu(QStringLiteral("Opis MD, Dal za ÚO"));
        for (const char* item : {"Účet celkem", "Účet, středisko", "Středisko, účet"})
            opis->addAction(QString::fromUtf8(item), this, &TForm1::Opisucet1Click);
        for (const char* item : {"FILTR - vybrat podle filtru", "FILTR - přidat =", "FILTR - zobrazit filtr",
                                 "FILTR - smazat celý filtr", "FILTR - smazat poslední"})
            menu.addAction(QString::fromUtf8(item)); // no action
        menu.exec(m_list->viewport()->mapToGlobal(at));
    });

    auto* upper = new QWidget;
    auto* upperLayout = new QVBoxLayout(upper);
    upperLayout->setContentsMargins(0, 0, 0, 0);
    upperLayout->setSpacing(2);
    auto* caption = new QLabel(QStringLiteral("Seznam zaúčtování"));
    caption->setObjectName(QStringLiteral("listCaption"));
    caption->setContentsMargins(4, 2, 4, 0);
    upperLayout->addWidget(caption);
    upperLayout->addWidget(m_list, 1);

    m_splitter = new QSplitter(Qt::Vertical);
    m_splitter->setObjectName(QStringLiteral("splitter"));
    m_splitter->setChildrenCollapsible(true);
    m_splitter->addWidget(upper);
    m_splitter->addWidget(buildPostingArea());
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setHandleWidth(6);

    m_partners = new PartnerPanel;

    auto* middle = new QHBoxLayout;
    middle->setContentsMargins(0, 0, 0, 0);
    middle->setSpacing(0);
    middle->addWidget(m_splitter, 1);
    middle->addWidget(m_partners);

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(middle, 1);
    layout->addWidget(buildControlPanel());
    setCentralWidget(central);
}

void TForm1::buildMenus()
{
    QMenuBar* bar = menuBar();
    auto item = [this](QMenu* menu, const char* caption, void (TForm1::*slot)()) {
        QAction* a = menu->addAction(QString::fromUtf8(caption));
        if (slot) connect(a, &QAction::triggered, this, slot);
        return a;
    };

    m_mainMenu = bar->addMenu(QStringLiteral("Hlavní nabídka"));
    m_mainMenu->setObjectName(QStringLiteral("HlavniNabidka"));
    connect(m_mainMenu, &QMenu::aboutToShow, this, &TForm1::HlavniNabidkaPopup);
    item(m_mainMenu, "Zaúčtování dokladů", &TForm1::Novdoklad1Click);
    item(m_mainMenu, "Prohlížení zaúčtování", &TForm1::Prohlizeni1Click);
    item(m_mainMenu, "Najít doklad", &TForm1::Najitdoklad1Click);
    m_exportAction = item(m_mainMenu, "Export do účetnictví", &TForm1::Export1Click);
    item(m_mainMenu, "čistí VU, PV, VN, KA, VP, PO, DP", &TForm1::Cisti1Click);
    item(m_mainMenu, "Kontrola", &TForm1::Kontrola1Click);
    m_mainMenu->addSeparator();
    item(m_mainMenu, "Konec", &TForm1::Konec1Click);

    m_userMenu = bar->addMenu(QStringLiteral("Uživatel"));
    m_userMenu->setObjectName(QStringLiteral("Uzivatel"));
    item(m_userMenu, "Střediska", &TForm1::Strediska1Click);
    item(m_userMenu, "Implicitní účty", &TForm1::Implicitni1Click);
    item(m_userMenu, "Výkony", &TForm1::Vykony1Click);
    item(m_userMenu, "Kontrola kreditu", &TForm1::Kontrolakreditu1Click);
    item(m_userMenu, "Tervan - definice", &TForm1::Tervandefinice1Click);
    item(m_userMenu, "Uzavření ÚO (měsíce)", &TForm1::UzavreniUO1Click);

    QMenu* service = bar->addMenu(QStringLiteral("Servis"));
    service->setObjectName(QStringLiteral("Servis"));
    item(service, "Střediska", nullptr); // no action
    item(service, "Nastavení programu", &TForm1::Nastaveniprogramu1Click);
    item(service, "Smazat nastavení seznamů", &TForm1::Smazatnastaveni1Click);
    item(service, "Kontrola nové verze", &TForm1::Kontrolanoveverze1Click);

    QMenu* help = bar->addMenu(QStringLiteral("Pomoc"));
    help->setObjectName(QStringLiteral("Pomoc"));
    item(help, "Místní nápověda", nullptr); // no action
    item(help, "Popis programu", nullptr);  // no action
    item(help, "O programu", &TForm1::Oprogramu1Click);

    QMenu* end = bar->addMenu(QStringLiteral("Konec"));
    end->setObjectName(QStringLiteral("KonecMenu"));
    item(end, "Opravdu", &TForm1::Opravdu1Click);
}

QWidget* TForm1::buildControlPanel()
{
    auto* panel = new QFrame;
    panel->setObjectName(QStringLiteral("controlPanel"));
    panel->setFixedHeight(59);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setAutoFillBackground(true);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Window).darker(108));
    panel->setPalette(pal);
    panel->setToolTip(QStringLiteral("Ovládání programu"));

    m_storedLabel = new QLabel;
    m_storedLabel->setObjectName(QStringLiteral("storedLabel"));
    m_labelBezStr = new QLabel;
    m_labelBezStr->setObjectName(QStringLiteral("LabelBezStr"));
    m_labelBezStr->setToolTip(QStringLiteral("Vyloučená střediska (BezStredisko)"));
    auto* closedCaption = new QLabel(QStringLiteral("uzavřené ÚO"));
    m_closedPeriod = new QLabel;
    m_closedPeriod->setObjectName(QStringLiteral("closedPeriod"));
    QPalette red = m_closedPeriod->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    m_closedPeriod->setPalette(red);
    closedCaption->setPalette(red);

    auto* refresh = new QPushButton(QStringLiteral("aktualizovat"));
    refresh->setObjectName(QStringLiteral("aktualizovat"));
    connect(refresh, &QPushButton::clicked, this, &TForm1::AktualizovatClick);
    auto* quit = new QPushButton(QStringLiteral("konec"));
    quit->setObjectName(QStringLiteral("konec"));
    connect(quit, &QPushButton::clicked, this, &TForm1::KonecClick);

    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(8);
    layout->addWidget(m_storedLabel);
    layout->addWidget(m_labelBezStr);
    layout->addSpacing(12);
    layout->addWidget(closedCaption);
    layout->addWidget(m_closedPeriod);
    layout->addStretch(1);
    layout->addWidget(refresh);
    layout->addWidget(quit);
    layout->addSpacing(12);
    for (int i = 0; i < 8; ++i) {
        auto* spare = new QPushButton(QStringLiteral("není def."));
        spare->setEnabled(false);
        layout->addWidget(spare);
    }
    return panel;
}

bool TForm1::run(const std::function<void()>& work)
{
    if (m_programEnded) return false;
    ++m_busy;
    bool done = false;
    std::string error;
    QString details;
    try {
        WaitCursor cursor;
        work();
        done = true;
    } catch (const Refused& e) {
        // The engine has shown its own check messages; only the other refusals are told here.
        if (!e.shown()) error = e.what();
    } catch (const UsageError& e) {
        error = e.what();
    } catch (const ProgramEnd&) {
        // The engine rolled the script back, logged it and told the accountant.
        --m_busy;
        m_prompter.finishProgress();
        endProgram();
        return false;
    } catch (const db::DbError& e) {
        m_prompter.finishProgress();
        --m_busy;
        m_skipActivation = true;
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Tervan05 - chyba databáze"),
                        QStringLiteral("Databáze odmítla příkaz:\n") + qs(e.what()), QMessageBox::Ok, this);
        box.setObjectName(QStringLiteral("dbError"));
        if (!e.statement().empty()) box.setDetailedText(qs(e.statement()));
        box.exec();
        return false;
    } catch (const EncodingError& e) {
        error = e.what();
    } catch (const std::exception& e) {
        error = e.what();
    }
    m_prompter.finishProgress();
    --m_busy;
    if (!error.empty()) {
        m_skipActivation = true;
        m_prompter.message(error, Icon::Stop);
    }
    if (m_busy == 0 && m_refreshPending) {
        m_refreshPending = false;
        QTimer::singleShot(0, this, &TForm1::UdelejSQL);
    }
    return done;
}

void TForm1::endProgram()
{
    m_programEnded = true;
    close();
    QCoreApplication::exit(3);
}

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_shown) QTimer::singleShot(0, this, &TForm1::FormShow);
}

void TForm1::FormShow()
{
    if (m_shown) return;
    m_shown = true;
    run([this] { m_closedPeriod->setText(qs(m_ws.closedPeriod())); });
    ListOrder = "order by datum DESC";
    UdelejSQL();
    // The start picture stays its time, counted from the window's creation; the window goes on
    // handling its events meanwhile.
    while (m_startElapsed.elapsed() < m_startPictureMs) {
        QEventLoop wait;
        QTimer::singleShot(std::min<qint64>(500, m_startPictureMs - m_startElapsed.elapsed()), &wait, &QEventLoop::quit);
        wait.exec();
    }
    if (m_startDialog) m_startDialog->Close();
    applyState();
}

bool TForm1::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate && m_shown && !m_programEnded) {
        PeriodLabelText = us(m_storedLabel->text());
        if (m_skipActivation) {
            // Coming back from the dialog of a failure: asking again would show it again.
            m_skipActivation = false;
        } else if (m_busy > 0) {
            m_refreshPending = true;
        } else {
            QTimer::singleShot(0, this, &TForm1::UdelejSQL);
        }
    }
    return QMainWindow::event(e);
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (!m_programEnded) run([this] { posting().cleanUpMarkers(); });
    // The posting list's layout is kept on every way out.
    saveLayout(m_list, "kexhla.slo");
    event->accept();
}

void TForm1::bringToFront()
{
    if (isMinimized()) showMaximized();
    raise();
    activateWindow();
}

void TForm1::loadLayout(QTableView* grid, const char* file)
{
    if (!file || !*file) return;
    switch (LoadColumnLayout(*grid, programFile(file))) {
    case LayoutLoad::Applied:
        if (auto* tabGrid = qobject_cast<TabGrid*>(grid)) tabGrid->keepWidths();
        break;
    case LayoutLoad::Damaged: qWarning("kex: the column layout %s is damaged and was left out", file); break;
    case LayoutLoad::Missing: break;
    }
}

void TForm1::saveLayout(const QTableView* grid, const char* file)
{
    if (!file || !*file || !grid->model() || grid->model()->columnCount() == 0) return;
    if (!SaveColumnLayout(*grid, programFile(file))) qWarning("kex: the column layout %s could not be written", file);
}

void TForm1::showNotBuilt(const QString& command)
{
    m_prompter.message(us(QStringLiteral("Příkaz „") + command + QStringLiteral("“ zatím není v této verzi programu k dispozici.")),
                       Icon::Information);
}

} // namespace kex::ui

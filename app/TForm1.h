#pragma once
// The main window: the list of committed postings above, the posting area with one tab per
// document type below it (hidden while idle), the partner side panel, the control panel, the menus.
// Every handler only gathers what the accountant chose and calls the engine; the engine asks its
// questions through the DesktopPrompter.
#include <QElapsedTimer>
#include <QMainWindow>
#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "core/PostingSession.h"
#include "core/Tabs.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QSettings;
class QSplitter;
class QTabWidget;
class QTableView;

namespace kex {
class Workstation;
}

namespace kex::ui {

class DesktopPrompter;
class PartnerPanel;
class PostingListModel;
class TabGrid;
class TFobdobi;
class TStartDialogQor;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // Creating the window starts the workstation (connection, session, history row) while the
    // start picture shows; `startPictureMs` is how long the picture stays at least.
    TForm1(Workstation& workstation, DesktopPrompter& prompter, int startPictureMs = 4000);
    ~TForm1() override;

    // Window state the commands share.
    std::string ListOrder;        // order of the posting list
    int ReviewedPostingNo = 0;    // the posting the list returns to after a review
    bool ForgetLayouts = false;   // "Smazat nastavení seznamů": delete the layout files at the end
    std::string PeriodLabelText;  // the control panel's stored label, copied at every activation

    // The first showing: the closed period, the list, the start picture closed after its time.
    // Runs once; the window schedules it itself when first shown.
    void FormShow();
    // A script failed and the program must end: true from then on.
    bool programEnded() const { return m_programEnded; }

    // What the handlers do once their input is gathered; also used by the screenshot run.
    void openSession(const Period& period);
    void reviewPosting(int row);
    void postTab(Tab tab);
    void backTab(Tab tab);
    void selectAllTab(Tab tab);
    void showFoundDocument(const std::string& kind, const std::string& number);

    TFobdobi* periodDialog() const { return m_periodDialog; }
    QTableView* postingList() const;
    PostingListModel* postingListModel() const { return m_listModel; }
    TabGrid* grid(Tab tab) const;
    TabGrid* linesGrid() const { return m_linesGrid; }
    TabGrid* recordsGrid() const { return m_recordsGrid; }
    QTabWidget* tabs() const { return m_tabs; }
    int tabIndex(Tab tab) const;
    QWidget* postingArea() const { return m_area; }
    QSplitter* splitter() const { return m_splitter; }
    QMenu* mainMenu() const { return m_mainMenu; }
    QMenu* userMenu() const { return m_userMenu; }
    PostingSession& posting();

public slots:
    // "Hlavní nabídka"
    void HlavniNabidkaPopup();
    void Novdoklad1Click();
    void Prohlizeni1Click();
    void Najitdoklad1Click();
    void Export1Click();
    void Cisti1Click();
    void Kontrola1Click();
    void Konec1Click();
    // "Uživatel"
    void Strediska1Click();
    void Implicitni1Click();
    void Vykony1Click();
    void Kontrolakreditu1Click();
    void Tervandefinice1Click();
    void UzavreniUO1Click();
    // "Servis", "Pomoc", "Konec"
    void Nastaveniprogramu1Click();
    void Smazatnastaveni1Click();
    void Kontrolanoveverze1Click();
    void Oprogramu1Click();
    void Opravdu1Click();
    // The posting list and its context menu.
    void UdelejSQL();
    void Setridit1Click();
    void Opisucet1Click();
    void DBGrid1DblClick(const QModelIndex& index);
    // The control panel.
    void AktualizovatClick();
    void KonecClick();
    // The posting area.
    void ZauctovatClick();
    void ZrusitClick();
    void ZpetClick();
    void OdznacitClick();
    // A second copy of the program asked for this window.
    void bringToFront();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    struct TabPage {
        QWidget* page = nullptr;
        TabGrid* grid = nullptr;
        QPushButton* post = nullptr;
        QPushButton* back = nullptr;
        QPushButton* all = nullptr;
        bool open = false; // its list was filled in this session (its layout is saved at the end)
    };

    void buildWindow();
    void buildMenus();
    QWidget* buildControlPanel();
    QWidget* buildPostingArea();
    QWidget* buildTabPage(Tab tab);
    void showNotBuilt(const QString& command);
    // Runs one command: wait cursor, and the engine's failures shown as the window shows them.
    bool run(const std::function<void()>& work);
    void endProgram();
    void applyState();
    void refreshWorkingTables();
    void openWorkingGrids();
    void loadLayout(QTableView* grid, const char* file);
    void saveLayout(const QTableView* grid, const char* file);
    void saveOpenLayouts();
    void afterReturnToIdle();
    std::filesystem::path programFile(const char* name) const;

    Workstation& m_ws;
    DesktopPrompter& m_prompter;
    std::unique_ptr<QSettings> m_formState;
    std::unique_ptr<TStartDialogQor> m_startDialog;
    int m_startPictureMs;
    QElapsedTimer m_startElapsed;
    bool m_shown = false;
    bool m_programEnded = false;
    int m_busy = 0;
    bool m_refreshPending = false;
    bool m_skipActivation = false;

    QMenu* m_mainMenu = nullptr;
    QMenu* m_userMenu = nullptr;
    QAction* m_exportAction = nullptr;
    QLabel* m_storedLabel = nullptr;
    QLabel* m_labelBezStr = nullptr;
    QLabel* m_closedPeriod = nullptr;
    PartnerPanel* m_partners = nullptr;
    QSplitter* m_splitter = nullptr;
    QTableView* m_list = nullptr;
    PostingListModel* m_listModel = nullptr;
    QWidget* m_area = nullptr;
    QLabel* m_periodLabel = nullptr;
    QLabel* m_centreLabel = nullptr;
    QLabel* m_jenLabel = nullptr;
    QPushButton* m_zauctovat = nullptr;
    QPushButton* m_zrusit = nullptr;
    QPushButton* m_zpet = nullptr;
    QPushButton* m_odznacit = nullptr;
    QTabWidget* m_tabs = nullptr;
    std::array<TabPage, 11> m_pages;
    TabGrid* m_linesGrid = nullptr;
    TabGrid* m_recordsGrid = nullptr;
    bool m_workingGridsOpen = false;
    TFobdobi* m_periodDialog = nullptr;
};

} // namespace kex::ui

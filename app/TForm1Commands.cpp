// The commands of the menus, of the posting list and of the control panel.
#include <QApplication>
#include <QHeaderView>
#include <QProcess>
#include <QTableView>

#include "app/ColumnLayout.h"
#include "app/DesktopPrompter.h"
#include "app/PostingListModel.h"
#include "app/QtText.h"
#include "app/TForm1.h"
#include "core/PostingListOrder.h"
#include "core/Values.h"
#include "dialogs/TFobdobi.h"

namespace kex::ui {

void TForm1::HlavniNabidkaPopup()
{
    // Only a posting that is not cancelled can be exported.
    const PostingRow* row = m_listModel->rowAt(m_list->currentIndex().row());
    m_exportAction->setEnabled(row && DateYYYYMMDD(row->zruseno) < "20020202");
}

void TForm1::Novdoklad1Click()
{
    if (auto period = m_periodDialog->ask()) openSession(*period);
}

void TForm1::Prohlizeni1Click()
{
    if (m_list->currentIndex().isValid()) reviewPosting(m_list->currentIndex().row());
}

void TForm1::DBGrid1DblClick(const QModelIndex& index)
{
    if (index.isValid()) reviewPosting(index.row());
}

void TForm1::Najitdoklad1Click() { showNotBuilt(QStringLiteral("Najít doklad")); }
void TForm1::Export1Click() { showNotBuilt(QStringLiteral("Export do účetnictví")); }
void TForm1::Kontrola1Click() { showNotBuilt(QStringLiteral("Kontrola")); }
void TForm1::Strediska1Click() { showNotBuilt(QStringLiteral("Střediska")); }
void TForm1::Implicitni1Click() { showNotBuilt(QStringLiteral("Implicitní účty")); }
void TForm1::Vykony1Click() { showNotBuilt(QStringLiteral("Výkony")); }
void TForm1::Kontrolakreditu1Click() { showNotBuilt(QStringLiteral("Kontrola kreditu")); }
void TForm1::Tervandefinice1Click() { showNotBuilt(QStringLiteral("Tervan - definice")); }
void TForm1::UzavreniUO1Click() { showNotBuilt(QStringLiteral("Uzavření ÚO (měsíce)")); }
void TForm1::Nastaveniprogramu1Click() { showNotBuilt(QStringLiteral("Nastavení programu")); }
void TForm1::Kontrolanoveverze1Click() { showNotBuilt(QStringLiteral("Kontrola nové verze")); }
void TForm1::Oprogramu1Click() { showNotBuilt(QStringLiteral("O programu")); }
void TForm1::Opisucet1Click() { showNotBuilt(QStringLiteral("Opis MD, Dal za ÚO")); }

void TForm1::Cisti1Click()
{
    run([this] { posting().cleanUpMarkers(); });
}

void TForm1::Konec1Click() { close(); }
void TForm1::Opravdu1Click() { close(); }
void TForm1::KonecClick() { close(); }

void TForm1::Smazatnastaveni1Click()
{
    // The files go when the window is destroyed, after the way out has saved them once more.
    ForgetLayouts = true;
    close();
}

void TForm1::UdelejSQL()
{
    if (m_programEnded || m_busy > 0) {
        m_refreshPending = true;
        return;
    }
    // The list keeps its place: the row of the same posting stays current when it is still there.
    const PostingRow* current = m_listModel->rowAt(m_list->currentIndex().row());
    const int keep = current ? current->cislo : 0;
    const int column = std::max(0, m_list->currentIndex().column());
    run([this] { m_listModel->setRows(posting().postings(ListOrder)); });
    const int row = keep ? m_listModel->rowOfNumber(keep) : -1;
    if (m_listModel->rowCount() > 0) m_list->setCurrentIndex(m_listModel->index(std::max(row, 0), column));
}

void TForm1::Setridit1Click()
{
    const int column = std::max(0, m_list->currentIndex().column());
    const QString field = m_listModel->headerData(column, Qt::Horizontal, FieldRole).toString();
    run([&] { ListOrder = PostingListOrder(us(field)); });
    UdelejSQL();
}

void TForm1::AktualizovatClick()
{
    // The suite's refresh program, found by its bare name on the search path. The window waits for
    // it and does not respond meanwhile; a program that cannot be started is passed over silently.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QProcess::execute(QStringLiteral("dbfrefresh.exe"), {});
    QApplication::restoreOverrideCursor();
}

} // namespace kex::ui

#include "app/TabGrid.h"

#include <QHeaderView>
#include <QItemSelection>

#include "app/ColumnLayout.h"
#include "app/ResultModel.h"

namespace kex::ui {

TabGrid::TabGrid(QWidget* parent) : QTableView(parent), m_model(new ResultModel(this))
{
    setModel(m_model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(true);
    setWordWrap(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setVisible(false);
    horizontalHeader()->setSectionsMovable(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!m_syncing) listFromSelection();
    });
}

void TabGrid::showList(TabList* list)
{
    m_list = list;
    setResult(list ? list->rows : db::Result());
    selectionFromList();
}

void TabGrid::showResult(db::Result result)
{
    m_list = nullptr;
    setResult(std::move(result));
}

void TabGrid::setResult(db::Result result)
{
    // A reset of the model would put every column back to the default width: the widths and the
    // order are carried over by field name.
    QHeaderView* header = horizontalHeader();
    QHash<QString, int> widths;
    QStringList order;
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        const QString field = m_model->headerData(logical, Qt::Horizontal, FieldRole).toString();
        widths[field] = header->sectionSize(logical);
        order << field;
    }
    m_syncing = true;
    m_model->setResult(std::move(result));
    m_syncing = false;
    int position = 0;
    for (const QString& field : order) {
        for (int logical = 0; logical < m_model->columnCount(); ++logical) {
            if (m_model->headerData(logical, Qt::Horizontal, FieldRole).toString() != field) continue;
            header->moveSection(header->visualIndex(logical), position++);
            header->resizeSection(logical, widths[field]);
        }
    }
    if (!m_widthsSet && m_model->rowCount() > 0) {
        fitColumns();
        m_widthsSet = true;
    }
}

void TabGrid::fitColumns()
{
    horizontalHeader()->setResizeContentsPrecision(200);
    resizeColumnsToContents();
    for (int c = 0; c < m_model->columnCount(); ++c)
        if (horizontalHeader()->sectionSize(c) > 260) horizontalHeader()->resizeSection(c, 260);
}

void TabGrid::listFromSelection()
{
    if (!m_list) return;
    std::fill(m_list->selected.begin(), m_list->selected.end(), 0);
    const auto size = static_cast<int>(m_list->selected.size());
    for (const QItemSelectionRange& range : selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom() && row < size; ++row) m_list->selected[static_cast<std::size_t>(row)] = 1;
}

void TabGrid::selectionFromList()
{
    if (!m_list) return;
    QItemSelection selection;
    const int rows = std::min(m_model->rowCount(), static_cast<int>(m_list->selected.size()));
    const int lastColumn = m_model->columnCount() - 1;
    for (int row = 0; row < rows;) {
        if (!m_list->selected[static_cast<std::size_t>(row)]) {
            ++row;
            continue;
        }
        int end = row;
        while (end + 1 < rows && m_list->selected[static_cast<std::size_t>(end + 1)]) ++end;
        selection.select(m_model->index(row, 0), m_model->index(end, lastColumn));
        row = end + 1;
    }
    m_syncing = true;
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    m_syncing = false;
}

} // namespace kex::ui

#pragma once
// The grid of one document tab: the tab's list with multiple row selection. The accountant's
// selection is the only input a posting rule takes, so the grid keeps the list's selection flags
// and its own selected rows the same both ways.
#include <QTableView>

#include "core/RuleContext.h"

namespace kex::ui {

class ResultModel;

class TabGrid : public QTableView {
    Q_OBJECT
public:
    explicit TabGrid(QWidget* parent = nullptr);

    // Shows `list` (or nothing with nullptr); the grid then follows its flags. The list must stay
    // in place while shown (the engine keeps its lists for the program's life).
    void showList(TabList* list);
    // Shows a result without selection (the working lines and records).
    void showResult(db::Result result);
    // After the engine changed the flags (select all, a click on an invoice of several rows).
    void selectionFromList();

    ResultModel* resultModel() const { return m_model; }
    // The widths a grid starts with: the first rows it shows widen its columns to their contents
    // (within reason); after that, and after a saved layout, the widths stay as they are set.
    void fitColumns();
    void keepWidths() { m_widthsSet = true; }
    void forgetWidths() { m_widthsSet = false; }

private:
    void listFromSelection();
    void setResult(db::Result result);

    ResultModel* m_model;
    TabList* m_list = nullptr;
    bool m_syncing = false;
    bool m_widthsSet = false;
};

} // namespace kex::ui

#pragma once
// The posting list: one row per committed posting, the columns of the list with their titles, and
// the row colours that tell cancelled postings (light red) and postings not yet exported (red).
#include <QAbstractTableModel>
#include <QHash>
#include <vector>

#include "core/PostingSession.h"

namespace kex::ui {

class PostingListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit PostingListModel(QObject* parent = nullptr);

    void setRows(std::vector<PostingRow> rows);
    const PostingRow* rowAt(int row) const;
    // The row of the posting with this number, or -1.
    int rowOfNumber(int cislo) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value, int role) override;

    // The width of a column in the design layout; 0 means the grid's default.
    static int designWidth(int column);

private:
    std::vector<PostingRow> m_rows;
    QHash<int, QString> m_titles; // titles restored from a layout file
};

// How the grids show a date-time: day and month without leading zeros, as Czech accountants read it.
QString DisplayDateTime(const DateTime& value);

} // namespace kex::ui

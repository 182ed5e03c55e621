#pragma once
// A grid's view of a fetched result: the tab lists and the working lines and records. The model
// keeps its own copy of the result (a shared, read-only handle), so the engine may clear or
// refill its lists while the grid still shows the old rows.
#include <QAbstractTableModel>
#include <QHash>

#include "db/Result.h"

namespace kex::ui {

class ResultModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ResultModel(QObject* parent = nullptr);

    void setResult(db::Result result);
    const db::Result& result() const { return m_result; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value, int role) override;

private:
    db::Result m_result;
    QHash<QString, QString> m_titles; // field → title restored from a layout file
};

} // namespace kex::ui

#include "app/ResultModel.h"

#include "app/ColumnLayout.h"
#include "app/QtText.h"

namespace kex::ui {

ResultModel::ResultModel(QObject* parent) : QAbstractTableModel(parent) {}

void ResultModel::setResult(db::Result result)
{
    beginResetModel();
    m_result = std::move(result);
    endResetModel();
}

int ResultModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_result.size());
}

int ResultModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_result.columns().size());
}

QVariant ResultModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
    const auto column = static_cast<std::size_t>(index.column());
    if (role == Qt::DisplayRole) return qs(m_result[static_cast<std::size_t>(index.row())].text(column));
    if (role == Qt::TextAlignmentRole) {
        auto kind = m_result.columns()[column].kind;
        if (kind == db::ColumnKind::Integer || kind == db::ColumnKind::Float)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    }
    return {};
}

QVariant ResultModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
    const QString field = qs(m_result.columns()[static_cast<std::size_t>(section)].name);
    if (role == Qt::DisplayRole) return m_titles.value(field, field);
    if (role == FieldRole) return field;
    return {};
}

bool ResultModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant& value, int role)
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columnCount()) return false;
    m_titles[qs(m_result.columns()[static_cast<std::size_t>(section)].name)] = value.toString();
    emit headerDataChanged(orientation, section, section);
    return true;
}

} // namespace kex::ui

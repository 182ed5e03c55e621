#include "app/PostingListModel.h"

#include <QColor>
#include <QLocale>

#include "app/ColumnLayout.h"
#include "app/QtText.h"
#include "core/PostingListOrder.h"

namespace kex::ui {

namespace {

enum Column { Datum, Obdobi, Stredisko, Cislo, Md, Dal, Vl, Fa, Doucta, Zruseno, ColumnCount };

struct ColumnInfo {
    const char* title;
    int width;
};

const ColumnInfo kColumns[ColumnCount] = {
    {"Datum", 0}, {"Období", 55}, {"Středisko", 0}, {"Číslo souboru", 0}, {"MD", 90},
    {"DAL", 90},  {"VL", 90},     {"FA", 90},       {"Do účetnictví", 0}, {"Zrušeno", 0},
};

QString amount(double value) { return QLocale(QLocale::Czech).toString(value, 'f', 2); }

} // namespace

QString DisplayDateTime(const DateTime& v)
{
    if (IsZeroDate(v)) return {};
    return QStringLiteral("%1.%2.%3 %4:%5:%6")
        .arg(v.day)
        .arg(v.month)
        .arg(v.year)
        .arg(v.hour)
        .arg(v.minute, 2, 10, QLatin1Char('0'))
        .arg(v.second, 2, 10, QLatin1Char('0'));
}

PostingListModel::PostingListModel(QObject* parent) : QAbstractTableModel(parent) {}

void PostingListModel::setRows(std::vector<PostingRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

const PostingRow* PostingListModel::rowAt(int row) const
{
    if (row < 0 || row >= static_cast<int>(m_rows.size())) return nullptr;
    return &m_rows[static_cast<std::size_t>(row)];
}

int PostingListModel::rowOfNumber(int cislo) const
{
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        if (m_rows[i].cislo == cislo) return static_cast<int>(i);
    return -1;
}

int PostingListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int PostingListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

int PostingListModel::designWidth(int column) { return column >= 0 && column < ColumnCount ? kColumns[column].width : 0; }

QVariant PostingListModel::data(const QModelIndex& index, int role) const
{
    const PostingRow* r = rowAt(index.row());
    if (!r) return {};
    const int c = index.column();
    switch (role) {
    case Qt::DisplayRole:
        switch (c) {
        case Datum: return DisplayDateTime(r->datum);
        case Obdobi: return qs(r->obdobi);
        case Stredisko: return qs(r->stredisko);
        case Cislo: return r->cislo;
        case Md: return amount(r->md);
        case Dal: return amount(r->dal);
        case Vl: return amount(r->vl);
        case Fa: return amount(r->fa);
        case Doucta: return qs(r->douctaX).trimmed();
        case Zruseno: return qs(r->zrusenoX).trimmed();
        }
        return {};
    case Qt::TextAlignmentRole:
        if (c == Doucta || c == Zruseno) return int(Qt::AlignCenter);
        if (c >= Cislo && c <= Fa) return int(Qt::AlignRight | Qt::AlignVCenter);
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        // Cancellation wins over the not-exported red: an exported posting can still be cancelled.
        if (r->cancelled()) return QColor(243, 156, 156);
        if (r->notExported()) return QColor(255, 0, 0);
        return {};
    default: return {};
    }
}

QVariant PostingListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount) return {};
    if (role == Qt::DisplayRole) return m_titles.value(section, QString::fromUtf8(kColumns[section].title));
    if (role == FieldRole) return qs(PostingListFields()[static_cast<std::size_t>(section)]);
    return {};
}

bool PostingListModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant& value, int role)
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount) return false;
    m_titles[section] = value.toString();
    emit headerDataChanged(orientation, section, section);
    return true;
}

} // namespace kex::ui

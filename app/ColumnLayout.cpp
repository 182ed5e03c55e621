#include "app/ColumnLayout.h"

#include <QFile>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QTableView>

namespace kex::ui {

namespace {
const QString kFormat = QStringLiteral("kex column layout 1");
}

bool SaveColumnLayout(const QTableView& grid, const std::filesystem::path& file)
{
    const QHeaderView* header = grid.horizontalHeader();
    const QAbstractItemModel* model = grid.model();
    if (!model) return false;
    QJsonArray columns;
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        QJsonObject c;
        c[QStringLiteral("field")] = model->headerData(logical, Qt::Horizontal, FieldRole).toString();
        c[QStringLiteral("title")] = model->headerData(logical, Qt::Horizontal, Qt::DisplayRole).toString();
        c[QStringLiteral("width")] = header->sectionSize(logical);
        c[QStringLiteral("visible")] = !header->isSectionHidden(logical);
        columns.append(c);
    }
    QJsonObject root;
    root[QStringLiteral("format")] = kFormat;
    root[QStringLiteral("columns")] = columns;
    QSaveFile out(QString::fromStdString(file.string()));
    if (!out.open(QIODevice::WriteOnly)) return false;
    out.write(QJsonDocument(root).toJson());
    return out.commit();
}

LayoutLoad LoadColumnLayout(QTableView& grid, const std::filesystem::path& file)
{
    QFile in(QString::fromStdString(file.string()));
    if (!in.exists()) return LayoutLoad::Missing;
    if (!in.open(QIODevice::ReadOnly)) return LayoutLoad::Damaged;
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(in.readAll(), &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject()
        || doc.object().value(QStringLiteral("format")).toString() != kFormat)
        return LayoutLoad::Damaged;
    QAbstractItemModel* model = grid.model();
    if (!model) return LayoutLoad::Damaged;
    QHeaderView* header = grid.horizontalHeader();
    int position = 0;
    for (const QJsonValue& v : doc.object().value(QStringLiteral("columns")).toArray()) {
        const QJsonObject c = v.toObject();
        const QString field = c.value(QStringLiteral("field")).toString();
        int logical = -1;
        for (int i = 0; i < model->columnCount(); ++i)
            if (model->headerData(i, Qt::Horizontal, FieldRole).toString() == field) logical = i;
        if (logical < 0) continue; // a column the list no longer has
        header->moveSection(header->visualIndex(logical), position++);
        const int width = c.value(QStringLiteral("width")).toInt();
        if (width > 0) header->resizeSection(logical, width);
        header->setSectionHidden(logical, !c.value(QStringLiteral("visible")).toBool(true));
        const QString title = c.value(QStringLiteral("title")).toString();
        if (!title.isEmpty()) model->setHeaderData(logical, Qt::Horizontal, title, Qt::DisplayRole);
    }
    return LayoutLoad::Applied;
}

} // namespace kex::ui

#include "ElementListView.h"

#include <QHeaderView>
#include <QTreeWidget>

#include "CardFields.h"
#include "ElementRows.h"

namespace card {

void SetListColumns(QTreeWidget* list, const QStringList& headers) {
    QStringList texts = headers.mid(0, kListColumns);
    while (texts.size() < kListColumns) texts << QString();
    list->setColumnCount(kListColumns);
    list->setHeaderLabels(texts);
}

void SetListRow(QTreeWidgetItem* item, const QStringList& row8) {
    const QStringList row = NormalizedRow(row8);
    for (int c = 0; c < kListColumns; ++c) item->setText(c, row[c]);
}

QStringList ListRow(const QTreeWidgetItem* item) {
    QStringList row;
    for (int c = 0; c < kListColumns; ++c) row << item->text(c);
    return row;
}

QTreeWidgetItem* AppendListRow(QTreeWidget* list, const QStringList& row8) {
    auto* item = new QTreeWidgetItem(list);
    SetListRow(item, row8);
    return item;
}

void FillList(QTreeWidget* list, const std::vector<QStringList>& rows) {
    // Loading selects nothing and so shows or plays nothing.
    const QSignalBlocker block(list);
    list->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(qsizetype(rows.size()));
    for (const QStringList& row : rows) {
        auto* item = new QTreeWidgetItem;
        SetListRow(item, row);
        items << item;
    }
    list->addTopLevelItems(items);
    list->setCurrentItem(nullptr);
    list->clearSelection();
}

std::vector<QStringList> ReadListRows(const QTreeWidget* list) {
    std::vector<QStringList> rows;
    rows.reserve(size_t(list->topLevelItemCount()));
    for (int i = 0; i < list->topLevelItemCount(); ++i) rows.push_back(ListRow(list->topLevelItem(i)));
    return rows;
}

}  // namespace card

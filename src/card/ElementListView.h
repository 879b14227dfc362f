#pragma once
// The element list controls: a QTreeWidget in report style with eight columns, one row per element
// (item text, six sub-items, the stored file path).

#include <QStringList>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

namespace card {

// Replaces the column headers with these eight texts (taken as they are: "-" stays "-").
void SetListColumns(QTreeWidget* list, const QStringList& headers);
void FillList(QTreeWidget* list, const std::vector<QStringList>& rows);
std::vector<QStringList> ReadListRows(const QTreeWidget* list);
QTreeWidgetItem* AppendListRow(QTreeWidget* list, const QStringList& row8);
QStringList ListRow(const QTreeWidgetItem* item);
void SetListRow(QTreeWidgetItem* item, const QStringList& row8);

}  // namespace card

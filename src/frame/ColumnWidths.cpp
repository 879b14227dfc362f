#include "ColumnWidths.h"

#include <QHeaderView>
#include <QTreeWidget>

#include "Ini.h"

namespace frame {

QString ColumnKey(const QString& listName, int column) {
    return listName + QString::number(column);
}

int LoadColumnWidth(const QString& windowName, const QString& listName, int column, const QString& file) {
    const int width = GetINIInt(windowName, ColumnKey(listName, column), kDefaultColumnWidth, file);
    return width < 0 ? kDefaultColumnWidth : width;
}

void SaveColumnWidth(const QString& windowName, const QString& listName, int column, int width,
                     const QString& file) {
    sbSetINI(windowName, ColumnKey(listName, column), QString::number(width), file);
}

void sbLoadColumns(QWidget* window, const QString& file) {
    for (QTreeWidget* list : window->findChildren<QTreeWidget*>()) {
        for (int c = 0; c < list->columnCount(); ++c)
            list->setColumnWidth(c, LoadColumnWidth(window->objectName(), list->objectName(), c + 1, file));
    }
}

void sbSaveColumns(QWidget* window, const QString& file) {
    for (QTreeWidget* list : window->findChildren<QTreeWidget*>()) {
        for (int c = 0; c < list->columnCount(); ++c)
            SaveColumnWidth(window->objectName(), list->objectName(), c + 1, list->columnWidth(c), file);
    }
}

}  // namespace frame

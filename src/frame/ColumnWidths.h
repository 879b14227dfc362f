#pragma once
// Column widths of a window's list controls, kept in the user configuration file under the window's
// name, one key per column: the list's name followed by the column number (lvwEle1 ... lvwEle8).

#include <QString>

class QWidget;

namespace frame {

inline constexpr int kDefaultColumnWidth = 100;

QString ColumnKey(const QString& listName, int column);  // column counted from 1
int LoadColumnWidth(const QString& windowName, const QString& listName, int column, const QString& file);
void SaveColumnWidth(const QString& windowName, const QString& listName, int column, int width,
                     const QString& file);

// Walk every list control (QTreeWidget in report style) of the window.
void sbLoadColumns(QWidget* window, const QString& file);
void sbSaveColumns(QWidget* window, const QString& file);

}  // namespace frame

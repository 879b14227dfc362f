// Column widths of a window's lists, kept in the user configuration file.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTreeWidget>

#include "frame/ColumnWidths.h"
#include "frame/Ini.h"

TEST(ColumnWidths, DefaultThenSavedWidthsPerListAndColumn) {
    QTemporaryDir dir;
    const QString file = dir.filePath("trovex2.ini");
    QWidget window;
    window.setObjectName("frmScheda");
    auto* ele = new QTreeWidget(&window);
    ele->setObjectName("lvwEle");
    ele->setColumnCount(8);
    auto* cri = new QTreeWidget(&window);
    cri->setObjectName("lvwCri");
    cri->setColumnCount(8);

    frame::sbLoadColumns(&window, file);  // no file: every column 100 wide
    for (int c = 0; c < 8; ++c) EXPECT_EQ(ele->columnWidth(c), 100);

    ele->setColumnWidth(0, 250);
    cri->setColumnWidth(7, 40);
    frame::sbSaveColumns(&window, file);
    EXPECT_EQ(frame::GetINI("frmScheda", "lvwEle1", "", file), "250");
    EXPECT_EQ(frame::GetINI("frmScheda", "lvwCri8", "", file), "40");

    ele->setColumnWidth(0, 10);
    frame::sbLoadColumns(&window, file);
    EXPECT_EQ(ele->columnWidth(0), 250);
    EXPECT_EQ(cri->columnWidth(7), 40);
}

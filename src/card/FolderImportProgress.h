#pragma once
// The folder import as the card window runs it (button btnGetFolderEle): busy pointer, a progress
// window for long imports, the window kept painting between files, and a way to stop.
//
// Use from the card window, after the folder choice:
//
//     const QString folder = frame::BrowseFolder(this, labels.elementi0);  // empty: cancelled
//     card::ImportMp3Folder(this, folder, CatPath(), [&](const QStringList& row8) {
//         card::AppendAndShowRow(list(1), row8);  // or the window's own row appender
//     });
//
// Nothing is written to the database: the rows wait in the list for the card's Save, like any other
// change to the lists. Copied files stay in the category folder whatever happens to the rows.

#include <QString>
#include <QStringList>
#include <functional>

class QTreeWidget;
class QWidget;

namespace card {

// Imports every MP3 file of `folder` (the folder choice's result; empty means the choice was cancelled
// and nothing happens) into the category folder `catPath` (full path), calling appendRow once per new
// row, in import order; the last call's row is the newest, which the caller selects and shows.
// Between files the application processes its pending events (user input excepted), so the windows
// repaint. An import that lasts more than a moment shows a progress window with the count and the
// current file name; its Cancel stops after the current file, keeping the rows already appended.
// Files that could not be copied give no row and are listed in one message box at the end.
// `title` is the progress window's title (the element list's caption); empty: the folder's name.
// Returns the number of rows added.
int ImportMp3Folder(QWidget* parent, const QString& folder, const QString& catPath,
                    const std::function<void(const QStringList& row8)>& appendRow, const QString& title = {});

// Appends an 8-text element row to a card list (item text, then sub-items 1..7), makes it the
// current and selected row, scrolls it into view and gives the list the input focus.
void AppendAndShowRow(QTreeWidget* list, const QStringList& row8);

}  // namespace card

#pragma once
// The window icon and the link cursor, both from the icon folder.

#include <QCursor>

class QWidget;

class QImage;

namespace ui {

// The spot of a cursor picture that points: its topmost visible pixel.
QPoint HotSpot(const QImage& image);

// The link cursor from "icoLink.ico"; the platform's pointing hand when the file is missing.
QCursor LinkCursor();

// Sets the window's icon from "icoApp.ico" and gives every control marked as a link (the Qt
// property "linkCursor") the link cursor.
void sbSetIcons(QWidget* window);

}  // namespace ui

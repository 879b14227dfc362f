#pragma once
// The individual symbol painters, each drawing in a 100 x 100 design box.

#include <QPainter>

#include "Glyphs.h"

namespace artgen::painters {

// commands
void check(QPainter&, const Ink&);
void cancel(QPainter&, const Ink&);
void save(QPainter&, const Ink&);
void print(QPainter&, const Ink&);
void trash(QPainter&, const Ink&);
void pencil(QPainter&, const Ink&);
void newPage(QPainter&, const Ink&);
void gear(QPainter&, const Ink&);
void palette(QPainter&, const Ink&);
void globe(QPainter&, const Ink&);
void magnifier(QPainter&, const Ink&);
void eraser(QPainter&, const Ink&);
void help(QPainter&, const Ink&);
void about(QPainter&, const Ink&);
void minimize(QPainter&, const Ink&);
void closeX(QPainter&, const Ink&);
void exitDoor(QPainter&, const Ink&);
void html(QPainter&, const Ink&);
void backup(QPainter&, const Ink&);
void importExport(QPainter&, const Ink&);
void designer(QPainter&, const Ink&);
void cdLookup(QPainter&, const Ink&);
void cdFolders(QPainter&, const Ink&);
void folderImport(QPainter&, const Ink&);
// navigation, media, views, messages
void first(QPainter&, const Ink&);
void previous(QPainter&, const Ink&);
void next(QPainter&, const Ink&);
void last(QPainter&, const Ink&);
void back(QPainter&, const Ink&);
void forward(QPainter&, const Ink&);
void play(QPainter&, const Ink&);
void spinUp(QPainter&, const Ink&);
void spinDown(QPainter&, const Ink&);
void byAll(QPainter&, const Ink&);
void byRecent(QPainter&, const Ink&);
void byToReturn(QPainter&, const Ink&);
void byLend(QPainter&, const Ink&);
void byName(QPainter&, const Ink&);
void byUsage(QPainter&, const Ink&);
void byDate(QPainter&, const Ink&);
void info(QPainter&, const Ink&);
void warning(QPainter&, const Ink&);
void critical(QPainter&, const Ink&);
void bullet(QPainter&, const Ink&);
// categories
void vinyl(QPainter&, const Ink&);
void book(QPainter&, const Ink&);
void vhs(QPainter&, const Ink&);
void dvd(QPainter&, const Ink&);
void dataCd(QPainter&, const Ink&);
void stamp(QPainter&, const Ink&);
void mp3(QPainter&, const Ink&);
void star(QPainter&, const Ink&);
void quill(QPainter&, const Ink&);

}  // namespace artgen::painters

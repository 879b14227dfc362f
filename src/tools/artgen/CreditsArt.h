#pragma once
// The program's own pictures: window icon, link cursor, About strip and splash.

#include <QImage>

namespace artgen {

QImage appIcon();        // "icoApp.ico", 32 x 32
QImage linkCursor();     // "icoLink.ico", 32 x 32, the fingertip at the centre (16, 16)
QImage aboutPicture();   // "jpgAbout.jpg", 76 x 216
QImage splashPicture();  // "jpgSpScreen.jpg", 400 x 263

}  // namespace artgen

#pragma once
// Pictures of the category folders: the default tile picture "thumb.jpg" and the icons beside the
// technical fields, "gif_tecnici01.gif" to "gif_tecnici16.gif".

#include <QColor>
#include <QImage>

#include "PictureWriter.h"

namespace artgen {

constexpr int kCategories = 9;
constexpr int kTechnicalIcons = 16;

QImage categoryThumb(int category);         // 64 x 64, category 1 to 9
QImage technicalIcon(int category, int n);  // 16 x 16 on transparent ground, n from 1 to 16
QColor categoryColour(int category);

// Writes the pictures of categories 1 to 9 into <userFolder>/cat/<n>/.
void writeCategoryFolders(PictureWriter& out, const QString& userFolder);

}  // namespace artgen

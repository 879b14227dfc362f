#pragma once
// The small pictures of a skin besides its buttons: message and menu icons, the separator and the
// arrow of the search field.

#include <QImage>

#include "Glyphs.h"
#include "SkinStyle.h"

namespace artgen {

// A symbol on a transparent ground (for the GIF icons), width x height, the symbol side given.
QImage transparentIcon(Glyph glyph, int width, int height, int side, const SkinStyle& style);
QImage separatorPicture(const SkinStyle& style);  // "separator48.gif", 8 x 48, transparent sides
QImage arrowUpPicture(const SkinStyle& style);    // "arr_up.jpg", 16 x 21

}  // namespace artgen

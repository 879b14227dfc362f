#pragma once
// Writes the complete folder of one skin below img/skins/.

#include "PictureWriter.h"
#include "SkinStyle.h"

namespace artgen {

void writeSkin(PictureWriter& out, const SkinStyle& style);

}  // namespace artgen

#pragma once
// Draws one state of an image button: a rounded key on the skin's body colour with its symbol.

#include <QImage>

#include "ButtonCatalogue.h"
#include "SkinStyle.h"

namespace artgen {

QImage paintButton(const ButtonSpec& spec, ButtonState state, const SkinStyle& style);

// The inks of symbols drawn on a key of the skin in the given state.
Ink keyInk(const SkinStyle& style, ButtonState state, qreal glyphPixels);

}  // namespace artgen

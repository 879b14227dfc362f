#pragma once
// Every image button of the system: the name part of its three pictures, the size of the place it
// fills in its window and its symbol.

#include <QList>
#include <QSize>
#include <QString>

#include "Glyphs.h"

namespace artgen {

enum class ButtonState { Out, Over, Disabled };

struct ButtonSpec {
    QString name;  // "save48" gives "out_save48.jpg", "over_save48.jpg", "dis_save48.jpg"
    QSize size;
    Glyph glyph;
};

const QList<ButtonSpec>& imageButtons();

// The file name of one state's picture, spelled as the windows ask for it (the hover picture of the
// clear button is "over_Clear.jpg").
QString buttonFileName(const ButtonSpec& spec, ButtonState state);

}  // namespace artgen

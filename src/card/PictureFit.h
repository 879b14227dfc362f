#pragma once
// Fitting a picture into the media panel: scaled into a 217 by 217 box keeping its proportions, never
// enlarged, centred across and set 8 pixels above the middle.

#include <QRect>
#include <QSize>

namespace card {

// The shown size of a picture of the given natural size.
QSize FitSize(QSize natural);
// Where the picture goes inside a panel whose inner area has the given size.
QRect FitPicture(QSize natural, QSize panelInner);

}  // namespace card

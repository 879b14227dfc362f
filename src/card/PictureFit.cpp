#include "PictureFit.h"

#include <QtMath>

#include "CardFields.h"

namespace card {

QSize FitSize(QSize natural) {
    const double w = natural.width(), h = natural.height();
    if (h > kPictureBox) return {qRound(w / (h / kPictureBox)), kPictureBox};
    if (w > kPictureBox) return {kPictureBox, qRound(h / (w / kPictureBox))};
    return natural;
}

QRect FitPicture(QSize natural, QSize panelInner) {
    const QSize size = FitSize(natural);
    const int left = (panelInner.width() - size.width()) / 2;
    const int top = (panelInner.height() - size.height()) / 2 - 8;
    return {QPoint(left, top), size};
}

}  // namespace card

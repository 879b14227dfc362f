#include "SkinIcons.h"

#include <QPainter>

#include "ButtonPainter.h"

namespace artgen {

QImage transparentIcon(Glyph glyph, int width, int height, int side, const SkinStyle& style) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    QRectF box(0, 0, side, side);
    box.moveCenter(QRectF(image.rect()).center());
    paintGlyph(p, glyph, box, keyInk(style, ButtonState::Out, side));
    return image;
}

QImage separatorPicture(const SkinStyle& style) {
    QImage image(8, 48, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    // A groove: shadow and light lines that fade out towards both ends.
    for (int y = 0; y < 48; ++y) {
        const double fade = qMin(1.0, qMin(y + 1, 48 - y) / 10.0);
        QColor dark = style.frameShadow, light = style.frameLight;
        dark.setAlpha(int(255 * fade));
        light.setAlpha(int(255 * fade));
        p.fillRect(3, y, 1, 1, dark);
        p.fillRect(4, y, 1, 1, light);
    }
    return image;
}

QImage arrowUpPicture(const SkinStyle& style) {
    const ButtonSpec spec{"arr_up", QSize(16, 21), Glyph::SpinUp};
    return paintButton(spec, ButtonState::Out, style);
}

}  // namespace artgen

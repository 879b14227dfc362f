#include "ButtonPainter.h"

#include <QPainter>
#include <QPainterPath>

namespace artgen {

namespace {

struct Face {
    QColor top, bottom, edge;
};

Face faceOf(const SkinStyle& s, ButtonState state) {
    switch (state) {
        case ButtonState::Over:
            return {s.overTop, s.overBottom, s.overEdge};
        case ButtonState::Disabled:
            return {s.disTop, s.disBottom, s.disEdge};
        case ButtonState::Out:
            break;
    }
    return {s.faceTop, s.faceBottom, s.faceEdge};
}

void paintKey(QPainter& p, const QRectF& area, ButtonState state, const SkinStyle& style) {
    const Face face = faceOf(style, state);
    const qreal radius = qMin(area.width(), area.height()) * 0.22;
    const QRectF keyRect = area.adjusted(0.5, 0.5, -0.5, -0.5);

    if (state == ButtonState::Over) {
        // A soft halo in the hover colour, drawn first so the key's edge sits on it.
        QColor glow = style.overGlow;
        glow.setAlpha(110);
        p.setPen(QPen(glow, 2.0));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(keyRect.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    }

    QLinearGradient fill(0, area.top(), 0, area.bottom());
    fill.setColorAt(0, face.top);
    fill.setColorAt(1, face.bottom);
    p.setPen(QPen(face.edge, 1.0));
    p.setBrush(fill);
    p.drawRoundedRect(keyRect, radius, radius);

    if (state != ButtonState::Disabled) {
        // Gloss on the upper half and a bright inner line under the top edge.
        QPainterPath key;
        key.addRoundedRect(keyRect.adjusted(1, 1, -1, -1), radius - 1, radius - 1);
        QPainterPath upper;
        upper.addRect(QRectF(area.left(), area.top(), area.width(), area.height() * 0.48));
        p.setPen(Qt::NoPen);
        const int gloss = style.keyGloss + (state == ButtonState::Over ? 20 : 0);
        QLinearGradient sheen(0, area.top(), 0, area.top() + area.height() * 0.48);
        sheen.setColorAt(0, QColor(255, 255, 255, gloss));
        sheen.setColorAt(1, QColor(255, 255, 255, gloss / 3));
        p.setBrush(sheen);
        p.drawPath(key.intersected(upper));
        p.setPen(QPen(QColor(255, 255, 255, 90), 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(keyRect.adjusted(1, 1, -1, -1), radius - 1, radius - 1);
    }
    if (state == ButtonState::Over) {
        p.setPen(QPen(style.overEdge, 1.4));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(keyRect.adjusted(0.7, 0.7, -0.7, -0.7), radius - 0.7, radius - 0.7);
    }
}

}  // namespace

Ink keyInk(const SkinStyle& style, ButtonState state, qreal glyphPixels) {
    Ink ink;
    ink.stroke = strokeFor(glyphPixels);
    if (state == ButtonState::Disabled) {
        ink.line = style.inkDis;
        ink.fill = style.inkDisFill;
        ink.mark = style.inkDis;
        ink.accent = style.inkDis;
        ink.muted = true;
        return ink;
    }
    ink.line = state == ButtonState::Over ? style.inkOver : style.ink;
    ink.fill = style.inkFill;
    ink.mark = style.inkMark;
    ink.accent = style.accent(Accent::Blue);
    return ink;
}

QImage paintButton(const ButtonSpec& spec, ButtonState state, const SkinStyle& style) {
    QImage image(spec.size, QImage::Format_RGB32);
    image.fill(style.body);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area(0, 0, spec.size.width(), spec.size.height());
    paintKey(p, area, state, style);

    const qreal side = qMin(area.width(), area.height());
    const bool wide = area.width() > area.height() * 2;
    qreal glyph = wide ? side - 4 : side <= 21 ? side - 6 : side * 0.7;
    if (state == ButtonState::Over) glyph += side <= 21 ? 0 : 2;  // the symbol leans towards the pointer
    QRectF box(0, 0, glyph, glyph);
    box.moveCenter(area.center() + QPointF(0, state == ButtonState::Over ? -0.5 : 0));
    paintGlyph(p, spec.glyph, box, keyInk(style, state, glyph));
    return image;
}

}  // namespace artgen

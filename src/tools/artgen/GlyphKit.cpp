#include "GlyphKit.h"

#include <QFont>
#include <QtMath>

namespace artgen::kit {

QColor accentOf(const Ink& ink, const QColor& accent) {
    if (!ink.muted) return accent;
    // Disabled: keep the symbol's shape readable through a middle grey between line and fill.
    const QColor a = ink.line, b = ink.fill;
    return QColor((a.red() * 2 + b.red()) / 3, (a.green() * 2 + b.green()) / 3,
                  (a.blue() * 2 + b.blue()) / 3);
}

QColor rimOf(const QColor& c) {
    return c.darker(175);
}

QColor lighter(const QColor& c, int percent) {
    return c.lighter(percent);
}

QPen linePen(const QColor& c, qreal width) {
    QPen pen(c, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void body(QPainter& p, const QPainterPath& path, const QBrush& fill, const Ink& ink, qreal widthScale) {
    p.setPen(linePen(ink.line, ink.stroke * widthScale));
    p.setBrush(fill);
    p.drawPath(path);
}

void colourBody(QPainter& p, const QPainterPath& path, const QColor& colour, const Ink& ink) {
    const QColor c = accentOf(ink, colour);
    QLinearGradient g = vertical(path.boundingRect().top(), path.boundingRect().bottom(), c.lighter(125), c);
    p.setPen(linePen(ink.muted ? ink.line : rimOf(c), ink.stroke));
    p.setBrush(g);
    p.drawPath(path);
}

void rimStroke(QPainter& p, const QPainterPath& path, const QColor& colour, qreal width) {
    p.setBrush(Qt::NoBrush);
    p.setPen(linePen(rimOf(colour), width + 5));
    p.drawPath(path);
    p.setPen(linePen(colour, width));
    p.drawPath(path);
}

QPainterPath roundRect(qreal x, qreal y, qreal w, qreal h, qreal r) {
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, w, h), r, r);
    return path;
}

QPainterPath circle(qreal cx, qreal cy, qreal r) {
    QPainterPath path;
    path.addEllipse(QPointF(cx, cy), r, r);
    return path;
}

QPainterPath polygon(std::initializer_list<QPointF> points) {
    QPainterPath path = polyline(points);
    path.closeSubpath();
    return path;
}

QPainterPath polyline(std::initializer_list<QPointF> points) {
    QPainterPath path;
    bool first = true;
    for (const QPointF& pt : points) {
        if (first)
            path.moveTo(pt);
        else
            path.lineTo(pt);
        first = false;
    }
    return path;
}

QPainterPath textPath(const QString& text, qreal cx, qreal cy, qreal height, bool bold) {
    QFont font("DejaVu Sans");
    font.setPixelSize(100);
    font.setBold(bold);
    QPainterPath raw;
    raw.addText(0, 0, font, text);
    const QRectF r = raw.boundingRect();
    const qreal scale = height / r.height();
    QTransform t;
    t.translate(cx, cy);
    t.scale(scale, scale);
    t.translate(-r.center().x(), -r.center().y());
    return t.map(raw);
}

QLinearGradient vertical(qreal y0, qreal y1, const QColor& top, const QColor& bottom) {
    QLinearGradient g(0, y0, 0, y1);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

void disc(QPainter& p, qreal cx, qreal cy, qreal r, const Ink& ink, const QColor& tint) {
    const QColor t = accentOf(ink, tint);
    QConicalGradient g(cx, cy, 30);
    const QColor silver = ink.muted ? ink.fill : QColor(236, 238, 242);
    g.setColorAt(0.0, silver);
    g.setColorAt(0.15, ink.muted ? silver : t.lighter(150));
    g.setColorAt(0.3, silver);
    g.setColorAt(0.55, ink.muted ? silver : QColor(200, 230, 240));
    g.setColorAt(0.7, silver);
    g.setColorAt(0.85, ink.muted ? silver : t.lighter(170));
    g.setColorAt(1.0, silver);
    body(p, circle(cx, cy, r), g, ink);
    p.setPen(linePen(ink.line, ink.stroke * 0.7));
    p.setBrush(ink.muted ? ink.fill : QColor(250, 250, 252));
    p.drawPath(circle(cx, cy, r * 0.3));
    p.setBrush(ink.line);
    p.drawPath(circle(cx, cy, r * 0.11));
}

void page(QPainter& p, qreal x, qreal y, qreal w, qreal h, const Ink& ink, bool lines) {
    const qreal fold = w * 0.32;
    QPainterPath sheet = polygon({{x, y}, {x + w - fold, y}, {x + w, y + fold}, {x + w, y + h}, {x, y + h}});
    body(p, sheet, ink.muted ? ink.fill : QColor(252, 252, 253), ink);
    QPainterPath corner = polygon({{x + w - fold, y}, {x + w - fold, y + fold}, {x + w, y + fold}});
    body(p, corner, ink.muted ? ink.fill : QColor(214, 220, 228), ink, 0.8);
    if (!lines) return;
    p.setPen(linePen(accentOf(ink, QColor(150, 160, 175)), ink.stroke * 0.8));
    for (qreal ly = y + h * 0.42; ly < y + h - h * 0.12; ly += h * 0.17)
        p.drawLine(QPointF(x + w * 0.2, ly), QPointF(x + w * 0.8, ly));
}

void folder(QPainter& p, qreal x, qreal y, qreal w, qreal h, const Ink& ink) {
    const QColor amber = accentOf(ink, QColor(244, 190, 70));
    QPainterPath back = polygon({{x, y + h * 0.12},
                                 {x + w * 0.38, y + h * 0.12},
                                 {x + w * 0.46, y},
                                 {x + w, y},
                                 {x + w, y + h},
                                 {x, y + h}});
    body(p, back, amber.darker(118), ink);
    QPainterPath front = polygon({{x, y + h * 0.3}, {x + w, y + h * 0.3}, {x + w, y + h}, {x, y + h}});
    body(p, front, vertical(y + h * 0.3, y + h, amber.lighter(118), amber), ink);
}

void badgePlus(QPainter& p, qreal cx, qreal cy, qreal r, const Ink& ink) {
    colourBody(p, circle(cx, cy, r), QColor(50, 170, 70), ink);
    p.setPen(linePen(ink.muted ? ink.fill : Qt::white, r * 0.36));
    p.drawLine(QPointF(cx - r * 0.5, cy), QPointF(cx + r * 0.5, cy));
    p.drawLine(QPointF(cx, cy - r * 0.5), QPointF(cx, cy + r * 0.5));
}

void arrow(QPainter& p, QPointF from, QPointF to, qreal shaft, qreal head, const QColor& colour) {
    const QLineF l(from, to);
    const qreal len = l.length();
    QPainterPath path = polygon({{0, -shaft / 2},
                                 {len - head, -shaft / 2},
                                 {len - head, -head * 0.75},
                                 {len, 0},
                                 {len - head, head * 0.75},
                                 {len - head, shaft / 2},
                                 {0, shaft / 2}});
    QTransform t;
    t.translate(from.x(), from.y());
    t.rotate(-l.angle());
    p.setPen(linePen(rimOf(colour), 4));
    p.setBrush(colour);
    p.drawPath(t.map(path));
}

void calendar(QPainter& p, qreal x, qreal y, qreal w, qreal h, const Ink& ink) {
    body(p, roundRect(x, y, w, h, 7), ink.muted ? ink.fill : QColor(252, 252, 253), ink);
    QPainterPath band = roundRect(x, y, w, h * 0.28, 7).united(roundRect(x, y + h * 0.14, w, h * 0.14, 0));
    colourBody(p, band, QColor(214, 60, 50), ink);
    p.setBrush(ink.line);
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 4; ++col)
            p.drawRect(QRectF(x + w * (0.14 + col * 0.2), y + h * (0.4 + row * 0.18), w * 0.12, h * 0.1));
}

}  // namespace artgen::kit

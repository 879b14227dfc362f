#pragma once
// Small drawing helpers shared by the symbol painters (design units: a 100 x 100 box).

#include <QPainter>
#include <QPainterPath>

#include "Glyphs.h"

namespace artgen::kit {

// The accent of a symbol, or a grey from the outline colour when the symbol is disabled.
QColor accentOf(const Ink& ink, const QColor& accent);
QColor rimOf(const QColor& c);  // a darker rim around a coloured area
QColor lighter(const QColor& c, int percent);

QPen linePen(const QColor& c, qreal width);
// Fills a path and outlines it with the ink's line.
void body(QPainter& p, const QPainterPath& path, const QBrush& fill, const Ink& ink, qreal widthScale = 1);
// Fills a path with a coloured area and its own darker rim.
void colourBody(QPainter& p, const QPainterPath& path, const QColor& colour, const Ink& ink);
// A stroke in a colour, with a darker rim so it stands on any face.
void rimStroke(QPainter& p, const QPainterPath& path, const QColor& colour, qreal width);

QPainterPath roundRect(qreal x, qreal y, qreal w, qreal h, qreal r);
QPainterPath circle(qreal cx, qreal cy, qreal r);
QPainterPath polygon(std::initializer_list<QPointF> points);
QPainterPath polyline(std::initializer_list<QPointF> points);
// Text as a path, centred on (cx, cy), with the given cap height.
QPainterPath textPath(const QString& text, qreal cx, qreal cy, qreal height, bool bold = true);
QLinearGradient vertical(qreal y0, qreal y1, const QColor& top, const QColor& bottom);

// Reusable pieces of several symbols.
void disc(QPainter& p, qreal cx, qreal cy, qreal r, const Ink& ink, const QColor& tint);
void page(QPainter& p, qreal x, qreal y, qreal w, qreal h, const Ink& ink, bool lines);
void folder(QPainter& p, qreal x, qreal y, qreal w, qreal h, const Ink& ink);
void badgePlus(QPainter& p, qreal cx, qreal cy, qreal r, const Ink& ink);
void arrow(QPainter& p, QPointF from, QPointF to, qreal shaft, qreal head, const QColor& colour);
void calendar(QPainter& p, qreal x, qreal y, qreal w, qreal h, const Ink& ink);

}  // namespace artgen::kit

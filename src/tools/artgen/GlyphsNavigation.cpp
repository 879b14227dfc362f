// Symbols of page navigation, media lists, the seven views and the message dialogs.
#include <QtMath>

#include "GlyphKit.h"
#include "GlyphPainters.h"

namespace artgen::painters {

using namespace kit;

namespace {
const QColor kGreen(46, 168, 70), kRed(214, 52, 44), kBlue(40, 112, 206), kAmber(240, 170, 30);
const QColor kTeal(24, 160, 170), kViolet(130, 80, 196), kPaper(252, 252, 253);

QColor paper(const Ink& ink) {
    return ink.muted ? ink.fill : kPaper;
}

void triangle(QPainter& p, const Ink& ink, qreal tipX, qreal baseX, qreal half, const QColor& c) {
    colourBody(p, polygon({{baseX, 50 - half}, {tipX, 50}, {baseX, 50 + half}}), c, ink);
}
}  // namespace

void first(QPainter& p, const Ink& ink) {
    colourBody(p, roundRect(16, 20, 12, 60, 3), kBlue, ink);
    triangle(p, ink, 34, 84, 30, kBlue);
}

void previous(QPainter& p, const Ink& ink) {
    triangle(p, ink, 22, 74, 32, kBlue);
}

void next(QPainter& p, const Ink& ink) {
    triangle(p, ink, 78, 26, 32, kBlue);
}

void last(QPainter& p, const Ink& ink) {
    triangle(p, ink, 66, 16, 30, kBlue);
    colourBody(p, roundRect(72, 20, 12, 60, 3), kBlue, ink);
}

void back(QPainter& p, const Ink& ink) {
    arrow(p, QPointF(88, 50), QPointF(12, 50), 22, 38, accentOf(ink, kTeal));
}

void forward(QPainter& p, const Ink& ink) {
    arrow(p, QPointF(12, 50), QPointF(88, 50), 22, 38, accentOf(ink, kTeal));
}

void play(QPainter& p, const Ink& ink) {
    colourBody(p, circle(50, 50, 40), kGreen, ink);
    p.setPen(Qt::NoPen);
    p.setBrush(paper(ink));
    p.drawPath(polygon({{40, 30}, {70, 50}, {40, 70}}));
}

void spinUp(QPainter& p, const Ink& ink) {
    body(p, polygon({{20, 66}, {50, 30}, {80, 66}}), ink.mark, ink, 0.5);
}

void spinDown(QPainter& p, const Ink& ink) {
    body(p, polygon({{20, 34}, {50, 70}, {80, 34}}), ink.mark, ink, 0.5);
}

void byAll(QPainter& p, const Ink& ink) {
    const QColor tiles[] = {kBlue, kGreen, kAmber, kRed};
    for (int i = 0; i < 4; ++i)
        colourBody(p, roundRect(14 + (i % 2) * 38, 14 + (i / 2) * 38, 32, 32, 6), tiles[i], ink);
}

void byRecent(QPainter& p, const Ink& ink) {
    colourBody(p, circle(50, 50, 40), kBlue, ink);
    body(p, circle(50, 50, 31), paper(ink), ink, 0.7);
    p.setPen(linePen(ink.line, 7));
    p.drawLine(QPointF(50, 50), QPointF(50, 28));
    p.setPen(linePen(accentOf(ink, kRed), 6));
    p.drawLine(QPointF(50, 50), QPointF(66, 60));
    p.setPen(Qt::NoPen);
    p.setBrush(ink.line);
    p.drawEllipse(QPointF(50, 50), 5, 5);
}

void byToReturn(QPainter& p, const Ink& ink) {
    // An item coming back: a box with a curved arrow turning home.
    colourBody(p, roundRect(40, 46, 48, 42, 5), QColor(190, 140, 90), ink);
    p.setPen(linePen(ink.line, 4));
    p.drawLine(QPointF(40, 60), QPointF(88, 60));
    QPainterPath hook;
    hook.moveTo(72, 34);
    hook.cubicTo(66, 12, 30, 8, 24, 34);
    hook.lineTo(24, 54);
    rimStroke(p, hook, accentOf(ink, kAmber), 10);
    colourBody(p, polygon({{10, 50}, {38, 50}, {24, 70}}), kAmber, ink);
}

void byLend(QPainter& p, const Ink& ink) {
    // An item going out: a box with an arrow leaving it.
    colourBody(p, roundRect(10, 46, 48, 42, 5), QColor(190, 140, 90), ink);
    p.setPen(linePen(ink.line, 4));
    p.drawLine(QPointF(10, 60), QPointF(58, 60));
    arrow(p, QPointF(34, 36), QPointF(92, 22), 12, 24, accentOf(ink, kTeal));
}

void byName(QPainter& p, const Ink& ink) {
    p.setPen(linePen(ink.muted ? ink.line : QColor(20, 30, 50), 3));
    p.setBrush(accentOf(ink, kBlue));
    p.drawPath(textPath("A", 30, 28, 34));
    p.setBrush(accentOf(ink, kViolet));
    p.drawPath(textPath("Z", 30, 72, 34));
    arrow(p, QPointF(74, 12), QPointF(74, 90), 10, 22, accentOf(ink, kGreen));
}

void byUsage(QPainter& p, const Ink& ink) {
    p.setPen(linePen(ink.mark, ink.stroke));
    p.drawLine(QPointF(10, 88), QPointF(90, 88));
    const QColor bars[] = {kGreen, kAmber, kRed};
    const qreal heights[] = {28, 48, 70};
    for (int i = 0; i < 3; ++i)
        colourBody(p, roundRect(16 + i * 25, 84 - heights[i], 18, heights[i], 3), bars[i], ink);
}

void byDate(QPainter& p, const Ink& ink) {
    calendar(p, 12, 14, 76, 74, ink);
}

void info(QPainter& p, const Ink& ink) {
    colourBody(p, circle(50, 50, 40), kBlue, ink);
    p.setPen(Qt::NoPen);
    p.setBrush(paper(ink));
    p.drawEllipse(QPointF(50, 29), 7, 7);
    p.drawPath(roundRect(43, 41, 14, 35, 4));
}

void warning(QPainter& p, const Ink& ink) {
    QPainterPath tri = polygon({{50, 8}, {94, 88}, {6, 88}});
    QPainterPathStroker rounder;
    rounder.setWidth(10);
    rounder.setJoinStyle(Qt::RoundJoin);
    colourBody(p, tri.united(rounder.createStroke(tri)).simplified(), QColor(250, 190, 30), ink);
    p.setPen(Qt::NoPen);
    p.setBrush(ink.muted ? ink.line : QColor(40, 34, 20));
    p.drawPath(roundRect(45, 32, 10, 34, 4));
    p.drawEllipse(QPointF(50, 76), 6, 6);
}

void critical(QPainter& p, const Ink& ink) {
    cancel(p, ink);
}

void bullet(QPainter& p, const Ink& ink) {
    // A gem-like chip: the colour darkening towards its edge, a white centre with a dark ring.
    const QColor c = accentOf(ink, ink.accent);
    QRadialGradient g(42, 38, 56);
    g.setColorAt(0, c.lighter(140));
    g.setColorAt(1, c.darker(115));
    p.setPen(linePen(ink.muted ? ink.line : rimOf(c), 8));
    p.setBrush(g);
    p.drawPath(roundRect(8, 8, 84, 84, 22));
    p.setPen(linePen(rimOf(c), 6));
    p.setBrush(paper(ink));
    p.drawEllipse(QPointF(50, 50), 17, 17);
}

}  // namespace artgen::painters

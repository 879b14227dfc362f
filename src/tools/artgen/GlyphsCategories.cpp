// Symbols of the nine collections: record, book, VHS, DVD, data CD, stamp, MP3, star, writer.
#include <QtMath>

#include "GlyphKit.h"
#include "GlyphPainters.h"

namespace artgen::painters {

using namespace kit;

namespace {
const QColor kPaper(252, 252, 253);
QColor paper(const Ink& ink) {
    return ink.muted ? ink.fill : kPaper;
}
QColor dark(const Ink& ink) {
    return ink.muted ? ink.line : QColor(30, 32, 38);
}
}  // namespace

void vinyl(QPainter& p, const Ink& ink) {
    QRadialGradient g(42, 38, 50);
    g.setColorAt(0, ink.muted ? ink.fill : QColor(80, 84, 92));
    g.setColorAt(1, ink.muted ? ink.fill : QColor(16, 17, 20));
    p.setPen(linePen(ink.muted ? ink.line : QColor(0, 0, 0), ink.stroke));
    p.setBrush(g);
    p.drawPath(circle(50, 50, 44));
    p.setBrush(Qt::NoBrush);
    p.setPen(linePen(ink.muted ? ink.line : QColor(120, 124, 134), 1.6));
    for (qreal r : {38.0, 33.0, 28.0, 23.0}) p.drawEllipse(QPointF(50, 50), r, r);
    p.setPen(linePen(QColor(255, 255, 255, ink.muted ? 0 : 90), 5));
    p.drawArc(QRectF(14, 14, 72, 72), 100 * 16, 50 * 16);
    colourBody(p, circle(50, 50, 15), QColor(220, 60, 50), ink);
    p.setPen(Qt::NoPen);
    p.setBrush(dark(ink));
    p.drawEllipse(QPointF(50, 50), 3.5, 3.5);
}

void book(QPainter& p, const Ink& ink) {
    body(p, roundRect(24, 14, 60, 76, 4), paper(ink), ink);
    p.setPen(linePen(accentOf(ink, QColor(200, 190, 170)), 2));
    for (qreal y = 22; y < 86; y += 6) p.drawLine(QPointF(80, y), QPointF(84, y));
    QPainterPath cover = roundRect(16, 10, 60, 76, 5);
    colourBody(p, cover, QColor(40, 110, 200), ink);
    colourBody(p, roundRect(16, 10, 12, 76, 4), QColor(30, 80, 160), ink);
    body(p, roundRect(38, 26, 30, 16, 2), paper(ink), ink, 0.7);
    p.setPen(linePen(accentOf(ink, QColor(240, 200, 90)), 3));
    p.drawLine(QPointF(38, 58), QPointF(68, 58));
    p.drawLine(QPointF(38, 66), QPointF(60, 66));
}

void vhs(QPainter& p, const Ink& ink) {
    QPainterPath shell = roundRect(6, 20, 88, 60, 6);
    p.setPen(linePen(ink.muted ? ink.line : QColor(0, 0, 0), ink.stroke));
    p.setBrush(vertical(20, 80, ink.muted ? ink.fill : QColor(70, 74, 82),
                        ink.muted ? ink.fill : QColor(24, 26, 30)));
    p.drawPath(shell);
    body(p, roundRect(14, 26, 72, 14, 2), paper(ink), ink, 0.6);
    p.setPen(linePen(accentOf(ink, QColor(220, 70, 60)), 3));
    p.drawLine(QPointF(20, 33), QPointF(62, 33));
    body(p, roundRect(24, 48, 52, 22, 4), ink.muted ? ink.fill : QColor(60, 66, 76), ink, 0.6);
    for (qreal cx : {37.0, 63.0}) {
        p.setPen(linePen(ink.muted ? ink.line : QColor(10, 10, 12), 2));
        p.setBrush(ink.muted ? ink.fill : QColor(140, 96, 60));
        p.drawEllipse(QPointF(cx, 59), 8, 8);
        p.setBrush(paper(ink));
        p.drawEllipse(QPointF(cx, 59), 3, 3);
    }
}

void dvd(QPainter& p, const Ink& ink) {
    disc(p, 50, 50, 44, ink, QColor(150, 80, 210));
    colourBody(p, roundRect(18, 62, 64, 24, 6), QColor(120, 60, 180), ink);
    p.setPen(Qt::NoPen);
    p.setBrush(paper(ink));
    p.drawPath(textPath("DVD", 50, 74, 14));
}

void dataCd(QPainter& p, const Ink& ink) {
    disc(p, 50, 50, 44, ink, QColor(40, 150, 210));
    colourBody(p, roundRect(24, 62, 52, 24, 6), QColor(30, 130, 190), ink);
    p.setPen(Qt::NoPen);
    p.setBrush(paper(ink));
    p.drawPath(textPath("0101", 50, 74, 13));
}

void stamp(QPainter& p, const Ink& ink) {
    // A perforated edge: the sheet minus a row of small bites along each side.
    QPainterPath sheet = roundRect(12, 8, 76, 84, 1);
    QPainterPath bites;
    for (qreal x = 17; x < 88; x += 9.5) {
        bites.addEllipse(QPointF(x, 8), 3.6, 3.6);
        bites.addEllipse(QPointF(x, 92), 3.6, 3.6);
    }
    for (qreal y = 14; y < 90; y += 9.5) {
        bites.addEllipse(QPointF(12, y), 3.6, 3.6);
        bites.addEllipse(QPointF(88, y), 3.6, 3.6);
    }
    body(p, sheet.subtracted(bites), paper(ink), ink, 0.7);
    QPainterPath picture = roundRect(22, 18, 56, 64, 2);
    p.setPen(linePen(ink.line, 2));
    p.setBrush(vertical(18, 82, accentOf(ink, QColor(120, 190, 240)), accentOf(ink, QColor(210, 236, 250))));
    p.drawPath(picture);
    p.setPen(Qt::NoPen);
    p.setBrush(accentOf(ink, QColor(250, 190, 40)));
    p.drawEllipse(QPointF(62, 34), 7, 7);
    p.setBrush(accentOf(ink, QColor(60, 150, 80)));
    p.drawPath(polygon({{22, 82}, {22, 66}, {38, 46}, {52, 62}, {60, 54}, {78, 72}, {78, 82}}));
}

void mp3(QPainter& p, const Ink& ink) {
    QPainterPath band;
    band.arcMoveTo(QRectF(12, 10, 76, 76), 180);
    band.arcTo(QRectF(12, 10, 76, 76), 180, -180);
    p.setBrush(Qt::NoBrush);
    p.setPen(linePen(ink.muted ? ink.line : QColor(30, 32, 40), 13));
    p.drawPath(band);
    p.setPen(linePen(ink.muted ? ink.fill : QColor(176, 182, 196), 6));
    p.drawPath(band);
    for (qreal x : {8.0, 72.0}) colourBody(p, roundRect(x, 46, 20, 36, 8), QColor(220, 70, 60), ink);
    // The note in the middle.
    p.setPen(linePen(ink.line, 6));
    p.drawLine(QPointF(56, 34), QPointF(56, 74));
    p.setPen(Qt::NoPen);
    p.setBrush(accentOf(ink, QColor(40, 110, 200)));
    p.drawEllipse(QPointF(48, 76), 10, 8);
    p.setPen(linePen(accentOf(ink, QColor(40, 110, 200)), 7));
    p.drawPath(polyline({{56, 34}, {66, 42}}));
}

void star(QPainter& p, const Ink& ink) {
    // A microphone with a star: singers and actors.
    QPainterPath starPath;
    for (int i = 0; i < 10; ++i) {
        const qreal r = (i % 2 == 0) ? 24 : 10;
        const qreal a = qDegreesToRadians(-90.0 + i * 36.0);
        const QPointF pt(72 + r * qCos(a), 28 + r * qSin(a));
        if (i == 0)
            starPath.moveTo(pt);
        else
            starPath.lineTo(pt);
    }
    starPath.closeSubpath();
    colourBody(p, starPath, QColor(250, 196, 40), ink);
    p.save();
    p.translate(36, 58);
    p.rotate(-30);
    body(p, roundRect(-6, 10, 12, 36, 4), ink.muted ? ink.fill : QColor(40, 42, 50), ink);
    QRadialGradient head(-6, -14, 24);
    head.setColorAt(0, ink.muted ? ink.fill : QColor(250, 250, 252));
    head.setColorAt(1, ink.muted ? ink.fill : QColor(140, 148, 160));
    body(p, roundRect(-16, -26, 32, 38, 16), head, ink);
    p.setPen(linePen(ink.line, 2));
    for (qreal y = -18; y < 8; y += 6) p.drawLine(QPointF(-12, y), QPointF(12, y));
    p.restore();
}

void quill(QPainter& p, const Ink& ink) {
    colourBody(p, roundRect(12, 64, 40, 28, 8), QColor(40, 60, 110), ink);
    body(p, roundRect(20, 56, 24, 10, 2), ink.muted ? ink.fill : QColor(60, 80, 130), ink, 0.7);
    QPainterPath feather;
    feather.moveTo(32, 60);
    feather.cubicTo(40, 40, 64, 14, 92, 6);
    feather.cubicTo(84, 30, 62, 50, 36, 60);
    feather.closeSubpath();
    body(p, feather, vertical(6, 60, paper(ink), ink.muted ? ink.fill : QColor(210, 220, 235)), ink);
    p.setPen(linePen(ink.line, 3));
    p.drawLine(QPointF(32, 62), QPointF(84, 12));
}

}  // namespace artgen::painters

// Symbols of the command buttons: confirm, cancel, save, print, delete, edit and the tools.
#include <QtMath>

#include "GlyphKit.h"
#include "GlyphPainters.h"

namespace artgen::painters {

using namespace kit;

namespace {
const QColor kGreen(46, 168, 70), kRed(214, 52, 44), kBlue(40, 112, 206), kAmber(240, 160, 30);
const QColor kTeal(24, 160, 170), kPaper(252, 252, 253);

QColor paper(const Ink& ink) {
    return ink.muted ? ink.fill : kPaper;
}
}  // namespace

void check(QPainter& p, const Ink& ink) {
    rimStroke(p, polyline({{18, 54}, {40, 76}, {82, 26}}), accentOf(ink, kGreen), 15);
}

void cancel(QPainter& p, const Ink& ink) {
    colourBody(p, circle(50, 50, 38), kRed, ink);
    p.setPen(linePen(paper(ink), 11));
    p.drawLine(QPointF(35, 35), QPointF(65, 65));
    p.drawLine(QPointF(65, 35), QPointF(35, 65));
}

void save(QPainter& p, const Ink& ink) {
    QPainterPath shell = polygon({{14, 14}, {76, 14}, {86, 24}, {86, 86}, {14, 86}});
    colourBody(p, shell, kBlue, ink);
    body(p, roundRect(30, 14, 38, 26, 2), ink.muted ? ink.fill : QColor(214, 222, 232), ink, 0.8);
    p.setPen(Qt::NoPen);
    p.setBrush(accentOf(ink, kBlue).darker(140));
    p.drawRect(QRectF(54, 19, 9, 16));
    body(p, roundRect(24, 52, 52, 34, 3), paper(ink), ink, 0.8);
    p.setPen(linePen(accentOf(ink, QColor(150, 170, 200)), 4));
    p.drawLine(QPointF(32, 63), QPointF(68, 63));
    p.drawLine(QPointF(32, 74), QPointF(68, 74));
}

void print(QPainter& p, const Ink& ink) {
    body(p, roundRect(28, 10, 44, 32, 2), paper(ink), ink);
    QPainterPath housing = roundRect(10, 36, 80, 38, 9);
    body(p, housing,
         vertical(36, 74, ink.muted ? ink.fill : QColor(224, 228, 234),
                  ink.muted ? ink.fill : QColor(170, 178, 190)),
         ink);
    body(p, roundRect(26, 60, 48, 30, 2), paper(ink), ink);
    p.setPen(linePen(accentOf(ink, QColor(140, 150, 165)), 4));
    p.drawLine(QPointF(34, 70), QPointF(66, 70));
    p.drawLine(QPointF(34, 80), QPointF(58, 80));
    p.setPen(Qt::NoPen);
    p.setBrush(accentOf(ink, kGreen));
    p.drawEllipse(QPointF(79, 47), 5, 5);
}

void trash(QPainter& p, const Ink& ink) {
    QPainterPath bin = polygon({{22, 30}, {78, 30}, {72, 90}, {28, 90}});
    body(p, bin, vertical(30, 90, paper(ink), ink.muted ? ink.fill : QColor(200, 206, 216)), ink);
    p.setPen(linePen(ink.line, ink.stroke * 0.9));
    for (qreal x : {38.0, 50.0, 62.0}) p.drawLine(QPointF(x, 42), QPointF(x * 0.96 + 2, 80));
    colourBody(p, roundRect(14, 18, 72, 12, 4), kRed, ink);
    colourBody(p, roundRect(38, 9, 24, 11, 3), kRed, ink);
}

void pencil(QPainter& p, const Ink& ink) {
    p.save();
    p.translate(50, 50);
    p.rotate(-45);
    colourBody(p, roundRect(-26, -11, 50, 22, 2), kAmber, ink);
    p.setPen(linePen(accentOf(ink, kAmber).darker(135), 3));
    p.drawLine(QPointF(-24, 0), QPointF(22, 0));
    body(p, polygon({{24, -11}, {44, 0}, {24, 11}}), ink.muted ? ink.fill : QColor(244, 214, 170), ink);
    p.setPen(Qt::NoPen);
    p.setBrush(ink.line);
    p.drawPath(polygon({{37, -4}, {45, 0}, {37, 4}}));
    body(p, roundRect(-36, -11, 10, 22, 1), ink.muted ? ink.fill : QColor(190, 196, 206), ink);
    colourBody(p, roundRect(-46, -11, 11, 22, 4), QColor(230, 110, 130), ink);
    p.restore();
}

void newPage(QPainter& p, const Ink& ink) {
    page(p, 18, 8, 56, 74, ink, true);
    badgePlus(p, 70, 72, 19, ink);
}

void gear(QPainter& p, const Ink& ink) {
    QPainterPath teeth;
    const int n = 8;
    for (int i = 0; i < n; ++i) {
        QPainterPath tooth = roundRect(-8, -44, 16, 20, 3);
        QTransform t;
        t.translate(50, 50);
        t.rotate(360.0 * i / n);
        teeth = teeth.united(t.map(tooth));
    }
    QPainterPath wheel = teeth.united(circle(50, 50, 31)).subtracted(circle(50, 50, 12));
    body(p, wheel,
         vertical(8, 92, ink.muted ? ink.fill : QColor(236, 238, 242),
                  ink.muted ? ink.fill : QColor(160, 168, 180)),
         ink);
    p.setPen(linePen(accentOf(ink, kBlue), ink.stroke));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(50, 50), 21, 21);
}

void palette(QPainter& p, const Ink& ink) {
    QPainterPath board = circle(48, 52, 40).subtracted(circle(66, 72, 10));
    body(p, board, ink.muted ? ink.fill : QColor(236, 214, 176), ink);
    const QColor dots[] = {kRed, kAmber, kGreen, kBlue, QColor(150, 80, 200)};
    const QPointF at[] = {{30, 40}, {46, 27}, {64, 32}, {72, 49}, {28, 60}};
    for (int i = 0; i < 5; ++i) colourBody(p, circle(at[i].x(), at[i].y(), 7.5), dots[i], ink);
}

void globe(QPainter& p, const Ink& ink) {
    QRadialGradient g(38, 36, 50);
    const QColor sea = accentOf(ink, kBlue);
    g.setColorAt(0, sea.lighter(160));
    g.setColorAt(1, sea);
    p.setPen(linePen(ink.muted ? ink.line : rimOf(sea), ink.stroke));
    p.setBrush(g);
    p.drawPath(circle(50, 50, 40));
    p.setPen(linePen(ink.muted ? ink.fill : QColor(255, 255, 255, 220), ink.stroke * 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(50, 50), 17, 40);
    p.drawLine(QPointF(50, 10), QPointF(50, 90));
    p.drawLine(QPointF(11, 50), QPointF(89, 50));
    p.drawArc(QRectF(16, 8, 68, 40), 200 * 16, 140 * 16);
    p.drawArc(QRectF(16, 52, 68, 40), 20 * 16, 140 * 16);
}

void magnifier(QPainter& p, const Ink& ink) {
    p.setPen(linePen(ink.line, 17));
    p.drawLine(QPointF(62, 62), QPointF(86, 86));
    p.setPen(linePen(ink.mark, 11));
    p.drawLine(QPointF(62, 62), QPointF(86, 86));
    QRadialGradient lens(36, 34, 34);
    lens.setColorAt(0, ink.muted ? ink.fill : QColor(255, 255, 255));
    lens.setColorAt(1, ink.muted ? ink.fill : QColor(170, 210, 240));
    body(p, circle(42, 42, 28), lens, ink, 1.6);
}

void eraser(QPainter& p, const Ink& ink) {
    p.save();
    p.translate(50, 48);
    p.rotate(-35);
    body(p, roundRect(-36, -16, 40, 32, 4), paper(ink), ink);
    colourBody(p, roundRect(4, -16, 34, 32, 4), QColor(226, 96, 120), ink);
    p.restore();
    p.setPen(linePen(ink.mark, ink.stroke));
    p.drawLine(QPointF(16, 88), QPointF(84, 88));
}

void help(QPainter& p, const Ink& ink) {
    colourBody(p, circle(50, 50, 40), kBlue, ink);
    p.setPen(Qt::NoPen);
    p.setBrush(paper(ink));
    p.drawPath(textPath("?", 50, 50, 48));
}

void about(QPainter& p, const Ink& ink) {
    colourBody(p, circle(50, 50, 40), kTeal, ink);
    p.setPen(Qt::NoPen);
    p.setBrush(paper(ink));
    p.drawEllipse(QPointF(50, 29), 7, 7);
    p.drawPath(roundRect(43, 41, 14, 35, 4));
}

void minimize(QPainter& p, const Ink& ink) {
    body(p, roundRect(22, 64, 56, 14, 4), ink.muted ? ink.fill : paper(ink), ink);
}

void closeX(QPainter& p, const Ink& ink) {
    QPainterPath cross = polyline({{26, 26}, {74, 74}});
    cross.moveTo(74, 26);
    cross.lineTo(26, 74);
    rimStroke(p, cross, accentOf(ink, kRed), 14);
}

void exitDoor(QPainter& p, const Ink& ink) {
    body(p, roundRect(14, 10, 46, 80, 3), ink.muted ? ink.fill : QColor(200, 206, 216), ink);
    QPainterPath leaf = polygon({{14, 10}, {44, 20}, {44, 98}, {14, 90}});
    colourBody(p, leaf, QColor(150, 100, 60), ink);
    p.setPen(Qt::NoPen);
    p.setBrush(paper(ink));
    p.drawEllipse(QPointF(38, 56), 3.5, 3.5);
    arrow(p, QPointF(50, 50), QPointF(94, 50), 14, 22, accentOf(ink, kRed));
}

void html(QPainter& p, const Ink& ink) {
    page(p, 16, 6, 58, 76, ink, false);
    colourBody(p, roundRect(34, 48, 58, 38, 8), kAmber, ink);
    p.setPen(linePen(paper(ink), 6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(polyline({{52, 58}, {43, 67}, {52, 76}}));
    p.drawPath(polyline({{74, 58}, {83, 67}, {74, 76}}));
    p.drawLine(QPointF(67, 57), QPointF(59, 77));
}

void backup(QPainter& p, const Ink& ink) {
    const QColor metal = ink.muted ? ink.fill : QColor(214, 220, 230);
    for (int i = 2; i >= 0; --i) {
        const qreal y = 18 + i * 20;
        QPainterPath drum;
        drum.addEllipse(QRectF(14, y + 16, 54, 16));
        drum.addRect(QRectF(14, y + 8, 54, 16));
        body(p, drum.simplified(), metal, ink);
        p.setPen(linePen(ink.line, ink.stroke));
        p.setBrush(metal.lighter(108));
        p.drawEllipse(QRectF(14, y, 54, 16));
    }
    colourBody(p, circle(70, 70, 22), kGreen, ink);
    arrow(p, QPointF(70, 56), QPointF(70, 86), 8, 16, paper(ink));
}

void importExport(QPainter& p, const Ink& ink) {
    arrow(p, QPointF(10, 34), QPointF(90, 34), 16, 28, accentOf(ink, kBlue));
    arrow(p, QPointF(90, 68), QPointF(10, 68), 16, 28, accentOf(ink, kGreen));
}

void designer(QPainter& p, const Ink& ink) {
    page(p, 10, 8, 60, 80, ink, false);
    p.setPen(linePen(accentOf(ink, kBlue), 4));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(20, 32, 40, 16));
    p.drawLine(QPointF(20, 58), QPointF(60, 58));
    p.drawLine(QPointF(20, 68), QPointF(48, 68));
    p.save();
    p.translate(66, 60);
    p.rotate(-60);
    p.scale(0.7, 0.7);
    p.translate(-50, -50);
    pencil(p, ink);
    p.restore();
}

void cdLookup(QPainter& p, const Ink& ink) {
    disc(p, 42, 42, 34, ink, kBlue);
    p.save();
    p.translate(56, 56);
    p.scale(0.46, 0.46);
    magnifier(p, ink);
    p.restore();
}

void cdFolders(QPainter& p, const Ink& ink) {
    disc(p, 56, 38, 30, ink, QColor(150, 80, 200));
    folder(p, 8, 52, 56, 40, ink);
}

void folderImport(QPainter& p, const Ink& ink) {
    folder(p, 8, 30, 84, 60, ink);
    arrow(p, QPointF(50, 4), QPointF(50, 66), 14, 26, accentOf(ink, kGreen));
}

}  // namespace artgen::painters

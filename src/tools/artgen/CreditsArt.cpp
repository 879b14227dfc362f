#include "CreditsArt.h"

#include <QPainter>
#include <QPainterPath>

#include "GlyphKit.h"
#include "Glyphs.h"

namespace artgen {

namespace {

const QColor kDeep(18, 38, 72), kNight(8, 14, 28), kSteel(62, 102, 158), kGlow(120, 180, 240);

Ink whiteInk(qreal side) {
    Ink ink;
    ink.line = QColor(20, 24, 32);
    ink.fill = QColor(250, 250, 252);
    ink.mark = QColor(250, 250, 252);
    ink.accent = kSteel;
    ink.stroke = strokeFor(side);
    return ink;
}

// The program's mark: an index card in front of a record, on a blue rounded square.
void paintMark(QPainter& p, const QRectF& r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(r.topLeft());
    p.scale(r.width() / 100.0, r.height() / 100.0);
    QLinearGradient g(0, 0, 0, 100);
    g.setColorAt(0, QColor(80, 130, 200));
    g.setColorAt(1, kDeep);
    p.setPen(QPen(kNight, 3));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(3, 3, 94, 94), 20, 20);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 40));
    p.drawRoundedRect(QRectF(6, 6, 88, 44), 17, 17);
    const Ink ink = whiteInk(r.width() * 0.6);
    kit::disc(p, 62, 40, 27, ink, QColor(230, 80, 60));
    kit::body(p, kit::roundRect(16, 44, 56, 40, 4), QColor(252, 250, 240), ink);
    p.setPen(kit::linePen(QColor(220, 70, 60), 4));
    p.drawLine(QPointF(16, 56), QPointF(72, 56));
    p.setPen(kit::linePen(QColor(120, 140, 170), 3.5));
    p.drawLine(QPointF(24, 66), QPointF(62, 66));
    p.drawLine(QPointF(24, 75), QPointF(52, 75));
    p.restore();
}

void paintWordmark(QPainter& p, const QPointF& baseline, int pixelSize) {
    QFont font("DejaVu Sans");
    font.setPixelSize(pixelSize);
    font.setBold(true);
    QPainterPath word, two;
    word.addText(baseline, font, "Trovex");
    two.addText(baseline + QPointF(word.boundingRect().width() + pixelSize * 0.1, 0), font, "2");
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawPath(word.translated(2, 2));
    p.drawPath(two.translated(2, 2));
    p.setBrush(Qt::white);
    p.drawPath(word);
    p.setBrush(kGlow);
    p.drawPath(two);
}

void paintNightGround(QPainter& p, const QRect& r) {
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, kSteel.darker(130));
    g.setColorAt(0.55, kDeep);
    g.setColorAt(1, kNight);
    p.fillRect(r, g);
}

}  // namespace

QImage appIcon() {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    paintMark(p, QRectF(0, 0, 32, 32));
    return image;
}

QImage linkCursor() {
    // A pointing hand drawn pixel by pixel for a crisp cursor. Its fingertip sits on the centre
    // pixel (16, 16), where a cursor made from an icon has its hot spot.
    static const char* const kHand[] = {
        "....BB..........", "...BWWB.........", "...BWWB.........", "...BWWB.........",
        "...BWWBBB.......", "...BWWBWWBBB....", "...BWWBWWBWWBB..", "BBBBWWBWWBWWBWB.",
        "BWWBWWWWWWWWBWB.", "BWWWWWWWWWWWWWB.", ".BWWWWWWWWWWWWB.", "..BWWWWWWWWWWWB.",
        "..BWWWWWWWWWWB..", "...BWWWWWWWWWB..", "....BWWWWWWWB...", "....BBBBBBBBB...",
    };
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const int left = 12, top = 16;  // puts the tip (column 4, row 0) on (16, 16)
    for (int row = 0; row < 16; ++row)
        for (int col = 0; col < 16; ++col) {
            const char c = kHand[row][col];
            if (c == 'B') image.setPixel(left + col, top + row, qRgba(0, 0, 0, 255));
            if (c == 'W') image.setPixel(left + col, top + row, qRgba(255, 255, 255, 255));
        }
    return image;
}

QImage aboutPicture() {
    QImage image(76, 216, QImage::Format_RGB32);
    QPainter p(&image);
    paintNightGround(p, image.rect());
    p.setRenderHint(QPainter::Antialiasing);
    // Rings of a record, large and faint, behind everything.
    p.setPen(QPen(QColor(255, 255, 255, 18), 1));
    for (int r = 20; r < 200; r += 9) p.drawEllipse(QPointF(76, 216), r, r);
    paintMark(p, QRectF(10, 10, 56, 56));
    const Glyph collections[] = {Glyph::Vinyl, Glyph::Book, Glyph::Vhs, Glyph::Stamp};
    for (int i = 0; i < 4; ++i) paintGlyph(p, collections[i], QRectF(22, 80 + i * 33, 32, 32), whiteInk(32));
    p.setPen(QPen(QColor(120, 180, 240, 160), 1));
    p.drawLine(QPointF(14, 74.5), QPointF(62, 74.5));
    p.drawLine(QPointF(14, 216 - 10.5), QPointF(62, 216 - 10.5));
    return image;
}

QImage splashPicture() {
    QImage image(400, 263, QImage::Format_RGB32);
    QPainter p(&image);
    paintNightGround(p, image.rect());
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 255, 255, 16), 1.2));
    for (int r = 30; r < 300; r += 11) p.drawEllipse(QPointF(400, 0), r, r);
    QRadialGradient light(120, 100, 220);
    light.setColorAt(0, QColor(120, 180, 255, 60));
    light.setColorAt(1, QColor(120, 180, 255, 0));
    p.fillRect(image.rect(), light);

    paintMark(p, QRectF(30, 44, 84, 84));
    paintWordmark(p, QPointF(130, 108), 54);
    p.setPen(QPen(kGlow, 2));
    p.drawLine(QPointF(132, 122), QPointF(370, 122));

    // The nine collections the program keeps.
    const Glyph collections[] = {Glyph::Vinyl, Glyph::Book, Glyph::Vhs,  Glyph::Dvd,  Glyph::DataCd,
                                 Glyph::Stamp, Glyph::Mp3,  Glyph::Star, Glyph::Quill};
    for (int i = 0; i < 9; ++i) {
        const QRectF box(26 + i * 40, 170, 32, 32);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 22));
        p.drawRoundedRect(box.adjusted(-3, -3, 3, 3), 7, 7);
        paintGlyph(p, collections[i], box, whiteInk(32));
    }
    p.fillRect(QRect(0, 236, 400, 27), QColor(0, 0, 0, 70));
    p.setPen(QPen(QColor(120, 180, 240, 120), 1));
    p.drawLine(QPointF(0, 235.5), QPointF(400, 235.5));
    return image;
}

}  // namespace artgen

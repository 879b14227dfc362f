#include "CategoryArt.h"

#include <QPainter>

#include "GlyphKit.h"
#include "Glyphs.h"

namespace artgen {

namespace {

// In the order of the category bar: music, books, VHS, DVD, data CD, stamps, MP3, singers and
// actors, writers.
const Glyph kGlyphs[kCategories] = {Glyph::Vinyl, Glyph::Book, Glyph::Vhs,  Glyph::Dvd,  Glyph::DataCd,
                                    Glyph::Stamp, Glyph::Mp3,  Glyph::Star, Glyph::Quill};
const QColor kColours[kCategories] = {QColor(196, 60, 48),  QColor(44, 96, 176),  QColor(92, 62, 150),
                                      QColor(132, 64, 170), QColor(22, 132, 150), QColor(52, 140, 80),
                                      QColor(222, 120, 30), QColor(190, 150, 30), QColor(120, 82, 52)};

Ink tileInk(qreal side, const QColor& accent) {
    Ink ink;
    ink.line = QColor(22, 24, 30);
    ink.fill = QColor(250, 250, 252);
    ink.mark = QColor(250, 250, 252);
    ink.accent = accent;
    ink.stroke = strokeFor(side);
    return ink;
}

}  // namespace

QColor categoryColour(int category) {
    return kColours[qBound(1, category, kCategories) - 1];
}

QImage categoryThumb(int category) {
    const QColor base = categoryColour(category);
    QImage image(64, 64, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient g(0, 0, 64, 64);
    g.setColorAt(0, base.lighter(150));
    g.setColorAt(1, base.darker(130));
    p.fillRect(image.rect(), g);
    p.setRenderHint(QPainter::Antialiasing);
    // A soft light behind the symbol and a thin inner frame, like a sleeve.
    QRadialGradient halo(32, 30, 30);
    halo.setColorAt(0, QColor(255, 255, 255, 90));
    halo.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(image.rect(), halo);
    p.setPen(QPen(QColor(255, 255, 255, 70), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(2.5, 2.5, 59, 59));
    paintGlyph(p, kGlyphs[qBound(1, category, kCategories) - 1], QRectF(9, 9, 46, 46), tileInk(46, base));
    return image;
}

QImage technicalIcon(int category, int /*n*/) {
    // The technical fields are named by each category's label file, so one marker in the
    // category's colour serves them all.
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    paintGlyph(p, Glyph::Bullet, QRectF(0, 0, 16, 16), tileInk(16, categoryColour(category)));
    return image;
}

void writeCategoryFolders(PictureWriter& out, const QString& userFolder) {
    const QColor matte(96, 100, 108);  // between the light and the dark skins' card bodies
    for (int c = 1; c <= kCategories; ++c) {
        const QString dir = userFolder + "/cat/" + QString::number(c) + "/";
        out.jpg(dir + "thumb.jpg", categoryThumb(c));
        const QImage icon = technicalIcon(c, 1);
        for (int n = 1; n <= kTechnicalIcons; ++n)
            out.gif(dir + QString("gif_tecnici%1.gif").arg(n, 2, 10, QChar('0')), icon, matte);
    }
}

}  // namespace artgen

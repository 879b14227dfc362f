#include "Glyphs.h"

#include <QtMath>

#include "GlyphPainters.h"

namespace artgen {

namespace {

using Painter = void (*)(QPainter&, const Ink&);

Painter painterFor(Glyph g) {
    using namespace painters;
    switch (g) {
        case Glyph::Check:
            return check;
        case Glyph::Cancel:
            return cancel;
        case Glyph::Save:
            return save;
        case Glyph::Print:
            return print;
        case Glyph::Delete:
            return trash;
        case Glyph::Edit:
            return pencil;
        case Glyph::New:
            return newPage;
        case Glyph::Settings:
            return gear;
        case Glyph::Skin:
            return palette;
        case Glyph::Globe:
            return globe;
        case Glyph::Find:
            return magnifier;
        case Glyph::Clear:
            return eraser;
        case Glyph::Help:
            return help;
        case Glyph::About:
            return about;
        case Glyph::Minimize:
            return minimize;
        case Glyph::CloseX:
            return closeX;
        case Glyph::Exit:
            return exitDoor;
        case Glyph::Html:
            return html;
        case Glyph::Backup:
            return backup;
        case Glyph::ImportExport:
            return importExport;
        case Glyph::Designer:
            return designer;
        case Glyph::CdLookup:
            return cdLookup;
        case Glyph::CdFolders:
            return cdFolders;
        case Glyph::FolderImport:
            return folderImport;
        case Glyph::First:
            return first;
        case Glyph::Previous:
            return previous;
        case Glyph::Next:
            return next;
        case Glyph::Last:
            return last;
        case Glyph::Back:
            return back;
        case Glyph::Forward:
            return forward;
        case Glyph::Play:
            return play;
        case Glyph::SpinUp:
            return spinUp;
        case Glyph::SpinDown:
            return spinDown;
        case Glyph::ByAll:
            return byAll;
        case Glyph::ByRecent:
            return byRecent;
        case Glyph::ByToReturn:
            return byToReturn;
        case Glyph::ByLend:
            return byLend;
        case Glyph::ByName:
            return byName;
        case Glyph::ByUsage:
            return byUsage;
        case Glyph::ByDate:
            return byDate;
        case Glyph::Info:
            return info;
        case Glyph::Warning:
            return warning;
        case Glyph::Critical:
            return critical;
        case Glyph::Vinyl:
            return vinyl;
        case Glyph::Book:
            return book;
        case Glyph::Vhs:
            return vhs;
        case Glyph::Dvd:
            return dvd;
        case Glyph::DataCd:
            return dataCd;
        case Glyph::Stamp:
            return stamp;
        case Glyph::Mp3:
            return mp3;
        case Glyph::Star:
            return star;
        case Glyph::Quill:
            return quill;
        case Glyph::Bullet:
            return bullet;
    }
    return bullet;
}

}  // namespace

qreal strokeFor(qreal boxPixels) {
    return qBound(4.0, 130.0 / boxPixels, 11.0);
}

void paintGlyph(QPainter& p, Glyph g, const QRectF& box, const Ink& ink) {
    const qreal side = qMin(box.width(), box.height());
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(box.center().x() - side / 2, box.center().y() - side / 2);
    p.scale(side / 100.0, side / 100.0);
    painterFor(g)(p, ink);
    p.restore();
}

}  // namespace artgen

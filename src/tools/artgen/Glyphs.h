#pragma once
// Vector symbols drawn with QPainter paths. Every symbol is designed in a 100 x 100 box and scaled
// into the box the caller gives, so one drawing serves a 16-pixel menu icon and a 48-pixel key.

#include <QColor>
#include <QPainter>
#include <QRectF>

namespace artgen {

enum class Glyph {
    // commands
    Check,
    Cancel,
    Save,
    Print,
    Delete,
    Edit,
    New,
    Settings,
    Skin,
    Globe,
    Find,
    Clear,
    Help,
    About,
    Minimize,
    CloseX,
    Exit,
    Html,
    Backup,
    ImportExport,
    Designer,
    CdLookup,
    CdFolders,
    FolderImport,
    // navigation and media
    First,
    Previous,
    Next,
    Last,
    Back,
    Forward,
    Play,
    SpinUp,
    SpinDown,
    // views
    ByAll,
    ByRecent,
    ByToReturn,
    ByLend,
    ByName,
    ByUsage,
    ByDate,
    // message icons
    Info,
    Warning,
    Critical,
    // categories
    Vinyl,
    Book,
    Vhs,
    Dvd,
    DataCd,
    Stamp,
    Mp3,
    Star,
    Quill,
    // small markers
    Bullet
};

// The colours one symbol is drawn with.
struct Ink {
    QColor line;         // outlines and strokes
    QColor fill;         // light bodies (paper, faces)
    QColor mark;         // strokes drawn straight on the button face (handles, small arrows)
    QColor accent;       // the symbol's own colour (green check, red cross, blue floppy)
    bool muted = false;  // disabled look: accents are replaced by the line colour's shades
    qreal stroke = 6;    // outline width in design units (of 100)
};

// Draws the symbol centred in box (the largest square that fits).
void paintGlyph(QPainter& p, Glyph g, const QRectF& box, const Ink& ink);

// A stroke width that keeps outlines about 1.3 pixels wide at any size.
qreal strokeFor(qreal boxPixels);

}  // namespace artgen

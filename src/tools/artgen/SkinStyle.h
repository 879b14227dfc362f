#pragma once
// The look of one skin: its palette and the measures of its window chrome. Every picture of a skin
// is drawn from these values only, so a new skin is one more factory function.

#include <QColor>
#include <QList>
#include <QString>

namespace artgen {

// Semantic colours of symbols; each skin maps them to its own shades.
enum class Accent { None, Green, Red, Blue, Amber, Teal, Violet };

struct SkinStyle {
    QString name;  // folder name of the skin

    // Window body: the colour behind every control, with a faint grain.
    QColor body;
    int grain = 0;  // amplitude of the grain, 0 for a flat body
    QColor panel;   // recessed panels (the browser's tile area)
    QColor panelEdge;

    // Frame: outer line, bevel highlight and shadow.
    QColor frameOuter;
    QColor frameLight;
    QColor frameShadow;
    QColor frameFace;  // the side and bottom edges between the lines

    // Title band across the top of every window.
    QColor titleTop;
    QColor titleBottom;
    QColor titleLine;  // thin accent line under the band
    QColor titleGloss;

    // Button faces in their three states.
    QColor faceTop, faceBottom, faceEdge;
    QColor overTop, overBottom, overEdge, overGlow;
    QColor disTop, disBottom, disEdge;
    int keyGloss = 50;  // strength of the sheen on the upper half of a key (alpha)

    // Symbol inks.
    QColor ink;      // outlines of symbols
    QColor inkMark;  // strokes drawn straight on a face
    QColor inkFill;  // light bodies of symbols (paper, disc faces)
    QColor inkOver;  // outlines while hovered
    QColor inkDis;   // outlines of disabled symbols
    QColor inkDisFill;

    QColor accents[7];  // indexed by Accent
    QColor accent(Accent a) const { return accents[static_cast<int>(a)]; }
};

SkinStyle defaultSkin();  // "predeterminado": graphite frame, steel-blue title, silver keys
SkinStyle nightSkin();    // "notte": charcoal body, dark keys, teal light
QList<SkinStyle> allSkins();

}  // namespace artgen

#include "SkinStyle.h"

namespace artgen {

namespace {

void setAccents(SkinStyle& s, QColor none, QColor green, QColor red, QColor blue, QColor amber, QColor teal,
                QColor violet) {
    s.accents[static_cast<int>(Accent::None)] = none;
    s.accents[static_cast<int>(Accent::Green)] = green;
    s.accents[static_cast<int>(Accent::Red)] = red;
    s.accents[static_cast<int>(Accent::Blue)] = blue;
    s.accents[static_cast<int>(Accent::Amber)] = amber;
    s.accents[static_cast<int>(Accent::Teal)] = teal;
    s.accents[static_cast<int>(Accent::Violet)] = violet;
}

}  // namespace

SkinStyle defaultSkin() {
    SkinStyle s;
    s.name = "predeterminado";
    // The windows' own grey (128) stays the body, so light grey labels read as intended.
    s.body = QColor(128, 130, 134);
    s.grain = 3;
    s.panel = QColor(112, 115, 120);
    s.panelEdge = QColor(92, 95, 100);
    s.frameOuter = QColor(38, 42, 48);
    s.frameLight = QColor(178, 182, 188);
    s.frameShadow = QColor(70, 74, 80);
    s.frameFace = QColor(120, 124, 130);
    s.titleTop = QColor(62, 102, 158);
    s.titleBottom = QColor(28, 56, 98);
    s.titleLine = QColor(120, 170, 230);
    s.titleGloss = QColor(255, 255, 255, 46);
    s.faceTop = QColor(246, 247, 249);
    s.faceBottom = QColor(196, 201, 208);
    s.faceEdge = QColor(72, 78, 86);
    s.overTop = QColor(255, 255, 255);
    s.overBottom = QColor(214, 228, 246);
    s.overEdge = QColor(40, 100, 190);
    s.overGlow = QColor(90, 160, 255);
    s.keyGloss = 70;
    s.disTop = QColor(160, 162, 166);
    s.disBottom = QColor(142, 144, 148);
    s.disEdge = QColor(104, 106, 110);
    s.ink = QColor(36, 44, 56);
    s.inkMark = QColor(44, 52, 64);
    s.inkFill = QColor(250, 250, 252);
    s.inkOver = QColor(16, 40, 80);
    s.inkDis = QColor(112, 114, 118);
    s.inkDisFill = QColor(172, 174, 178);
    setAccents(s, QColor(60, 70, 84), QColor(40, 150, 60), QColor(206, 48, 42), QColor(36, 110, 206),
               QColor(232, 150, 20), QColor(20, 150, 160), QColor(130, 80, 190));
    return s;
}

SkinStyle nightSkin() {
    SkinStyle s;
    s.name = "notte";
    s.body = QColor(38, 42, 50);
    s.grain = 2;
    s.panel = QColor(28, 31, 38);
    s.panelEdge = QColor(60, 66, 78);
    s.frameOuter = QColor(8, 10, 14);
    s.frameLight = QColor(84, 92, 108);
    s.frameShadow = QColor(18, 20, 26);
    s.frameFace = QColor(44, 49, 58);
    s.titleTop = QColor(46, 52, 64);
    s.titleBottom = QColor(24, 27, 34);
    s.titleLine = QColor(40, 200, 190);
    s.titleGloss = QColor(255, 255, 255, 22);
    s.faceTop = QColor(74, 81, 96);
    s.faceBottom = QColor(46, 51, 62);
    s.faceEdge = QColor(12, 14, 18);
    s.overTop = QColor(70, 98, 112);
    s.overBottom = QColor(40, 62, 74);
    s.overEdge = QColor(60, 220, 210);
    s.overGlow = QColor(60, 230, 215);
    s.keyGloss = 26;
    s.disTop = QColor(48, 52, 60);
    s.disBottom = QColor(42, 46, 54);
    s.disEdge = QColor(30, 33, 40);
    s.ink = QColor(14, 16, 22);
    s.inkMark = QColor(222, 228, 238);
    s.inkFill = QColor(236, 240, 246);
    s.inkOver = QColor(0, 0, 0);
    s.inkDis = QColor(92, 98, 110);
    s.inkDisFill = QColor(56, 61, 72);
    setAccents(s, QColor(200, 206, 216), QColor(90, 210, 110), QColor(255, 96, 86), QColor(90, 170, 255),
               QColor(255, 190, 70), QColor(60, 220, 205), QColor(186, 140, 255));
    return s;
}

QList<SkinStyle> allSkins() {
    return {defaultSkin(), nightSkin()};
}

}  // namespace artgen

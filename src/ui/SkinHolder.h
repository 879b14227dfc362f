#pragma once
// The skin holder: a window that is never shown and keeps the nine frame pictures of the current
// skin, decoded once per skin load, for every window's chrome.

#include <QWidget>
#include <array>

#include "Chrome.h"
#include "Picture.h"

namespace ui {

class frmLib : public QWidget {
    Q_OBJECT
public:
    explicit frmLib(QWidget* parent = nullptr);

    // Loads the nine frame pictures from the current skin folder; a missing one is left empty.
    void sbLoadSkin();

    const PictureBox& piece(ChromePiece p) const { return *pieces_[static_cast<int>(p)]; }
    PictureBox* picTopLeft() const { return pieces_[0]; }
    PictureBox* picTop() const { return pieces_[1]; }
    PictureBox* picTopRight() const { return pieces_[2]; }
    PictureBox* picLeft() const { return pieces_[3]; }
    PictureBox* picCenter() const { return pieces_[4]; }
    PictureBox* picRight() const { return pieces_[5]; }
    PictureBox* picBottomLeft() const { return pieces_[6]; }
    PictureBox* picBottom() const { return pieces_[7]; }
    PictureBox* picBottomRight() const { return pieces_[8]; }

    // Tells the long-lived windows (browser, card window) that the user applied another skin.
    void notifySkinChanged() { emit skinChanged(); }

signals:
    void skinChanged();

private:
    std::array<PictureBox*, kChromePieces> pieces_{};
};

// The program's one skin holder, created on first use and kept until the program ends.
frmLib& SkinHolder();

}  // namespace ui

#include "SkinHolder.h"

#include <QCoreApplication>
#include <QPointer>

namespace ui {

namespace {

const char* const kPieceNames[kChromePieces] = {"picTopLeft",    "picTop",    "picTopRight",
                                                "picLeft",       "picCenter", "picRight",
                                                "picBottomLeft", "picBottom", "picBottomRight"};
const char* const kPieceFiles[kChromePieces] = {"top_left.jpg",    "top.jpg",    "top_right.jpg",
                                                "left.jpg",        "center.jpg", "right.jpg",
                                                "bottom_left.jpg", "bottom.jpg", "bottom_right.jpg"};

QPointer<frmLib> g_holder;

void destroyHolder() {
    delete g_holder.data();
}

}  // namespace

frmLib::frmLib(QWidget* parent) : QWidget(parent) {
    setObjectName("frmLib");
    for (int i = 0; i < kChromePieces; ++i) {
        pieces_[i] = new PictureBox(this, PictureBox::Fit::AutoSize);
        pieces_[i]->setObjectName(kPieceNames[i]);
    }
}

void frmLib::sbLoadSkin() {
    for (int i = 0; i < kChromePieces; ++i) sbLoadPicture(pieces_[i], SkinFile(kPieceFiles[i]));
}

frmLib& SkinHolder() {
    if (!g_holder) {
        g_holder = new frmLib;
        // Widgets must go before the application object does.
        qAddPostRoutine(destroyHolder);
    }
    return *g_holder;
}

}  // namespace ui

#include "frmSpScreen.h"

#include <QKeyEvent>

#include "SkinnedWindow.h"
#include "frame/Folders.h"
#include "frame/Paths.h"

namespace ui {

namespace {
constexpr int kLastTick = 3;
}

frmSpScreen::frmSpScreen(QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName("frmSpScreen");
    picture_ = new PictureBox(this, PictureBox::Fit::Clip);
    picture_->setObjectName("imgSpScreen");
    picture_->setAttribute(Qt::WA_TransparentForMouseEvents);
    sbLoadPicture(picture_, frame::JoinPath(frame::folders().credits, "jpgSpScreen.jpg"));
    setFixedSize(400, 263);
    picture_->setGeometry(rect());
    tmrUnload_.setObjectName("tmrUnload");
    tmrUnload_.setInterval(1000);
    connect(&tmrUnload_, &QTimer::timeout, this, &frmSpScreen::onTick);
    tmrUnload_.start();
}

void frmSpScreen::onTick() {
    if (ticks_ >= kLastTick) {
        tmrUnload_.stop();
        sbCloseForm(this);
    }
    ++ticks_;
}

void frmSpScreen::mousePressEvent(QMouseEvent*) {
    sbCloseForm(this);
}

void frmSpScreen::keyPressEvent(QKeyEvent*) {
    sbCloseForm(this);
}

}  // namespace ui

#include "ImageButton.h"

#include <QMouseEvent>

#include "Hover.h"

namespace ui {

ImageButton::ImageButton(QWidget* parent, const QString& suffix, const QString& pictureName,
                         const QRect& geometry)
    : PictureBox(parent, Fit::Stretch),
      image_(new PictureBox(parent, Fit::Stretch)),
      pictureName_(pictureName) {
    image_->setObjectName("imgBtn" + suffix);
    image_->setEnabled(false);
    image_->setAttribute(Qt::WA_TransparentForMouseEvents);
    image_->setGeometry(geometry);
    setObjectName("btn" + suffix);
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    setProperty("linkCursor", true);
    setGeometry(geometry);
    raise();
    refreshPicture();
}

void ImageButton::refreshPicture() {
    const QString state = isEnabled() ? QStringLiteral("out_") : QStringLiteral("dis_");
    sbLoadPicture(image_, SkinFile(state + pictureName_ + ".jpg"));
}

void ImageButton::setVisible(bool visible) {
    PictureBox::setVisible(visible);
    image_->setVisible(visible);
}

void ImageButton::mousePressEvent(QMouseEvent* event) {
    // Other buttons are swallowed here, so they neither act nor drag the window.
    event->accept();
    if (event->button() == Qt::LeftButton) emit pressed();
}

void ImageButton::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    sbHover(this, SkinFile("over_" + pictureName_ + ".jpg"));
}

void ImageButton::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

void ImageButton::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click is a press like any other.
    mousePressEvent(event);
}

void ImageButton::moveEvent(QMoveEvent* event) {
    image_->move(pos());
    PictureBox::moveEvent(event);
}

void ImageButton::resizeEvent(QResizeEvent* event) {
    image_->resize(size());
    PictureBox::resizeEvent(event);
}

void ImageButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        if (!isEnabled()) ForgetHovered(this);
        refreshPicture();
    }
    PictureBox::changeEvent(event);
}

void RefreshButtons(QWidget* window) {
    if (!window) return;
    for (ImageButton* button : window->findChildren<ImageButton*>()) button->refreshPicture();
}

}  // namespace ui

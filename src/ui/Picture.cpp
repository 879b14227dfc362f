#include "Picture.h"

#include <QImageReader>
#include <QPainter>

#include "frame/Folders.h"
#include "frame/Paths.h"

namespace ui {

PictureBox::PictureBox(QWidget* parent, Fit fit) : QWidget(parent), fit_(fit) {}

void PictureBox::setPicture(const QPixmap& picture) {
    picture_ = picture;
    if (fit_ == Fit::AutoSize) resize(picture_.isNull() ? QSize(0, 0) : picture_.size());
    update();
}

void PictureBox::setOpacity(qreal opacity) {
    opacity_ = opacity;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter painter(this);
    painter.setOpacity(opacity_);
    if (fit_ == Fit::Stretch)
        painter.drawPixmap(rect(), picture_);
    else
        painter.drawPixmap(0, 0, picture_);
}

QPixmap ReadPicture(const QString& file) {
    if (file.isEmpty()) return {};
    QImageReader reader(frame::ResolvePath(file));
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull()) return {};
    return QPixmap::fromImage(image);
}

void sbLoadPicture(PictureBox* control, const QString& file) {
    if (control) control->setPicture(ReadPicture(file));
}

QString SkinFile(const QString& name) {
    return frame::JoinPath(frame::folders().currentSkin, name);
}

}  // namespace ui

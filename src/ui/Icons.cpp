#include "Icons.h"

#include <QIcon>
#include <QImage>
#include <QWidget>

#include "Picture.h"
#include "frame/Folders.h"
#include "frame/Paths.h"

namespace ui {

namespace {
QString iconFile(const char* name) {
    return frame::JoinPath(frame::folders().icons, QString::fromLatin1(name));
}
}  // namespace

QPoint HotSpot(const QImage& image) {
    // A pointing hand points with its topmost visible pixel.
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0) return {x, y};
    return {0, 0};
}

QCursor LinkCursor() {
    const QPixmap picture = ReadPicture(iconFile("icoLink.ico"));
    if (picture.isNull()) return QCursor(Qt::PointingHandCursor);
    const QPoint spot = HotSpot(picture.toImage());
    return QCursor(picture, spot.x(), spot.y());
}

void sbSetIcons(QWidget* window) {
    if (!window) return;
    const QPixmap icon = ReadPicture(iconFile("icoApp.ico"));
    window->setWindowIcon(icon.isNull() ? QIcon() : QIcon(icon));
    const QCursor link = LinkCursor();
    for (QWidget* child : window->findChildren<QWidget*>())
        if (child->property("linkCursor").toBool()) child->setCursor(link);
}

}  // namespace ui

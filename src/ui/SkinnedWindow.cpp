#include "SkinnedWindow.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "Hover.h"
#include "Theme.h"

namespace ui {

SkinnedWindow::SkinnedWindow(const QString& name, QSize size, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(name);
    setFixedSize(size);
    setFont(SkinFont());
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SkinnedWindow::setBackgroundPicture(const QPixmap& picture) {
    background_ = picture;
    update();
}

void SkinnedWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kWindowGrey);
    if (!background_.isNull()) painter.drawPixmap(0, 0, background_);
}

void SkinnedWindow::beginDrag(const QPoint& globalPressPos) {
    if (QWindow* handle = windowHandle(); handle && handle->startSystemMove()) return;
    // No window manager help: follow the mouse ourselves until the button is released.
    dragging_ = true;
    dragOffset_ = globalPressPos - frameGeometry().topLeft();
}

void SkinnedWindow::mousePressEvent(QMouseEvent* event) {
    // Presses reach the window from its free background and from the title label; text boxes and
    // buttons keep theirs.
    if (event->button() == Qt::LeftButton) beginDrag(event->globalPosition().toPoint());
    event->accept();
}

void SkinnedWindow::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_ && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - dragOffset_);
        return;
    }
    dragging_ = false;
    sbHover(this, QString());
}

void SkinnedWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) dragging_ = false;
}

void SkinnedWindow::leaveEvent(QEvent* event) {
    // Leaving the window takes any "over" picture of its buttons away.
    sbHover(this, QString());
    QDialog::leaveEvent(event);
}

bool SkinnedWindow::previewKey(QKeyEvent*) {
    return false;
}

void SkinnedWindow::keyPressEvent(QKeyEvent* event) {
    if (previewKey(event)) return;
    // The platform dialog's own Enter and Escape handling does not apply to skinned windows.
    QWidget::keyPressEvent(event);
}

void SkinnedWindow::showEvent(QShowEvent* event) {
    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
    QDialog::showEvent(event);
}

void SkinnedWindow::hideEvent(QHideEvent* event) {
    dragging_ = false;
    ForgetHovered(this);
    QDialog::hideEvent(event);
}

bool SkinnedWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this) {
        if (previewKey(static_cast<QKeyEvent*>(event))) return true;
    }
    return QDialog::eventFilter(watched, event);
}

void sbCloseForm(QWidget* window) {
    if (!window) return;
    ForgetHovered(window);
    window->close();
}

}  // namespace ui

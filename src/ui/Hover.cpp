#include "Hover.h"

#include <QPointer>
#include <QWidget>

#include "Picture.h"

namespace ui {

namespace {
QPointer<QWidget> g_hovered;

void clearOverPicture(QWidget* control) {
    if (auto* picture = qobject_cast<PictureBox*>(control)) picture->clearPicture();
}
}  // namespace

void sbHover(QWidget* control, const QString& file) {
    if (control == g_hovered.data()) return;
    clearOverPicture(g_hovered.data());
    if (!file.isEmpty()) sbLoadPicture(qobject_cast<PictureBox*>(control), file);
    g_hovered = control;
}

QWidget* HoveredControl() {
    return g_hovered.data();
}

void ForgetHovered(QWidget* window) {
    QWidget* hovered = g_hovered.data();
    if (!window || !hovered) return;
    if (hovered != window && !window->isAncestorOf(hovered)) return;
    clearOverPicture(hovered);
    g_hovered = nullptr;
}

}  // namespace ui

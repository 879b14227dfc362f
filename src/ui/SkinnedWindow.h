#pragma once
// The base of every borderless, skinned window: a kept background picture (the chrome or a whole
// skin picture), grey behind it, dragging by the background or the title, the hover reset when the
// mouse is over the background, and a key preview so the window sees Enter and Escape first.

#include <QDialog>
#include <QPixmap>
#include <QPoint>

class QLabel;

namespace ui {

class SkinnedWindow : public QDialog {
    Q_OBJECT
public:
    SkinnedWindow(const QString& name, QSize size, QWidget* parent = nullptr);

    const QPixmap& backgroundPicture() const { return background_; }
    void setBackgroundPicture(const QPixmap& picture);

    // Starts moving the window with the mouse; the platform does it where it can.
    void beginDrag(const QPoint& globalPressPos);
    bool isDragging() const { return dragging_; }

protected:
    // Enter, Escape and other keys reach this first, whichever control has the focus. Return true
    // when the key was handled.
    virtual bool previewKey(QKeyEvent* event);

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPixmap background_;
    bool dragging_ = false;
    QPoint dragOffset_;
};

// Unloads the window: it closes (and is deleted when it was made to be) and forgets its hover.
void sbCloseForm(QWidget* window);

}  // namespace ui

#pragma once
// The image button: two pictures laid on top of each other. The lower one, `imgBtn` + name, shows the
// resting picture ("out_" or "dis_" + picture name) and never receives the mouse; the upper one,
// `btn` + name (this widget), carries the enabled state, shows the link cursor and, while the mouse
// is over it, the "over_" picture. It acts at the press of the left mouse button.

#include "Picture.h"

namespace ui {

class ImageButton : public PictureBox {
    Q_OBJECT
public:
    // `suffix` completes the control names (btnOK, imgBtnOK); `pictureName` names the skin pictures
    // ("ok" for out_ok.jpg, over_ok.jpg, dis_ok.jpg).
    ImageButton(QWidget* parent, const QString& suffix, const QString& pictureName, const QRect& geometry);

    PictureBox* image() const { return image_; }
    const QString& pictureName() const { return pictureName_; }

    // Gives the lower picture its resting picture from the enabled state and the current skin.
    void refreshPicture();

    void setVisible(bool visible) override;

signals:
    void pressed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    PictureBox* image_;
    QString pictureName_;
};

// Refreshes the resting pictures of every image button of a window.
void RefreshButtons(QWidget* window);

}  // namespace ui

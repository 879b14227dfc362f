#pragma once
// The splash window shown during start-up: the credits picture "jpgSpScreen.jpg", above all other
// windows; it closes itself at the fourth tick of its one-second timer, or at once on a click or key.

#include <QDialog>
#include <QTimer>

#include "Picture.h"

namespace ui {

class frmSpScreen : public QDialog {
    Q_OBJECT
public:
    explicit frmSpScreen(QWidget* parent = nullptr);

    int ticks() const { return ticks_; }
    QTimer* tmrUnload() { return &tmrUnload_; }

    // One tick of the timer: the window closes when three ticks have already passed.
    void onTick();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    PictureBox* picture_;
    QTimer tmrUnload_;
    int ticks_ = 0;
};

}  // namespace ui

#pragma once
// Picture controls. One widget serves as the skin's picture holders (which take the size of their
// picture), as image controls (which stretch their picture to their size) and as panels that show a
// copied piece of a background at their top left corner.

#include <QPixmap>
#include <QString>
#include <QWidget>

namespace ui {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    enum class Fit {
        AutoSize,  // the control takes the size of its picture
        Stretch,   // the picture is stretched to the control
        Clip       // the picture is drawn unscaled at (0, 0)
    };

    explicit PictureBox(QWidget* parent = nullptr, Fit fit = Fit::Clip);

    const QPixmap& picture() const { return picture_; }
    void setPicture(const QPixmap& picture);
    void clearPicture() { setPicture(QPixmap()); }
    bool hasPicture() const { return !picture_.isNull(); }
    Fit fit() const { return fit_; }
    // Draws the picture see-through (1 = opaque), for pictures that lie behind text.
    void setOpacity(qreal opacity);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
    Fit fit_;
    qreal opacity_ = 1.0;
};

// The picture in a file, found without regard to the case of its name; a null picture when the file
// is missing or is not a picture.
QPixmap ReadPicture(const QString& file);

// Sets the control's picture from a file, or clears it when the file is missing or unreadable.
// Nothing is reported.
void sbLoadPicture(PictureBox* control, const QString& file);

// The current skin folder followed by a picture name.
QString SkinFile(const QString& name);

}  // namespace ui

#pragma once
// The item tile: a small picture, a bold caption and two text lines over a copy of the parent's
// background, a focus frame, and Click, DblClick and MouseButtonRight for the window that holds it.
// A disabled tile shows its texts but hears nothing.

#include <QColor>
#include <QPixmap>
#include <QWidget>

class QLabel;

namespace ui {
class PictureBox;
}

namespace browser {

class GfxItem : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDesignWidth = 209;
    static constexpr int kDesignHeight = 41;

    explicit GfxItem(QWidget* parent = nullptr);

    QString Caption() const;
    void setCaption(const QString& text);
    QString Text1() const;
    void setText1(const QString& text);
    QString Text2() const;
    void setText2(const QString& text);
    QColor CaptionColor() const { return captionColor_; }
    void setCaptionColor(const QColor& color);
    QColor Text1Color() const { return text1Color_; }
    void setText1Color(const QColor& color);
    QColor Text2Color() const { return text2Color_; }
    void setText2Color(const QColor& color);
    const QPixmap& Picture() const;
    void setPicture(const QPixmap& picture);
    bool Focus() const { return focus_; }
    void setFocus(bool focus);
    QColor FocusColor() const { return focusColor_; }
    void setFocusColor(const QColor& color);
    // Whether the tile hears the mouse; the tile itself stays enabled.
    bool Enabled() const;
    void setEnabled(bool enabled);
    int ID() const { return id_; }
    void setID(int id) { id_ = id; }
    void setMousePointer(const QCursor& cursor);

    // Copies the part of the parent's background that lies under the tile; the tile keeps it until
    // the next call.
    void sbGfxCopyParent();
    const QPixmap& background() const { return background_; }

signals:
    void Click();
    void DblClick();
    void MouseButtonRight();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void pressed(Qt::MouseButton button);
    static void colorLabel(QLabel* label, const QColor& color, bool bold);

    ui::PictureBox* imgPicture_;
    QLabel* lblCaption_;
    QLabel* lblText1_;
    QLabel* lblText2_;
    QWidget* shpFocus_;
    QWidget* lblArea_;
    QPixmap background_;
    QColor captionColor_{Qt::black};
    QColor text1Color_{Qt::black};
    QColor text2Color_{Qt::black};
    QColor focusColor_{Qt::black};
    bool focus_ = false;
    bool copied_ = false;
    int id_ = 0;
};

}  // namespace browser

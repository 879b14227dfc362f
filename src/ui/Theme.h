#pragma once
// The look shared by the skinned windows: colours, the font, and the standard controls they are
// built from (title label, labels, framed text boxes).

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;

namespace ui {

inline const QColor kWindowGrey(128, 128, 128);
inline const QColor kLabelGrey(224, 224, 224);
inline const QColor kTextGreen(128, 255, 128);

// The windows' font: the closest installed sans-serif to Tahoma 8.25, at its pixel size.
QFont SkinFont(bool bold = false);

// The bold white title across the top of a window. Presses pass through it to the window, which
// drags itself.
QLabel* MakeTitleLabel(QWidget* window, const QString& caption, const QRect& geometry);

// A light grey label; without a size it takes the size of its caption.
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& caption, const QPoint& at);

// The rounded frame with a grey border that surrounds a text box.
class RoundedFrame : public QWidget {
    Q_OBJECT
public:
    explicit RoundedFrame(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A borderless black text box with light green text inside its frame `shpText` (index `frameIndex`).
QLineEdit* MakeTextBox(QWidget* parent, const QString& name, const QRect& geometry, int frameIndex,
                       const QRect& frameGeometry);

}  // namespace ui

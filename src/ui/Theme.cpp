#include "Theme.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>

namespace ui {

QFont SkinFont(bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    font.setBold(bold);
    return font;
}

QLabel* MakeTitleLabel(QWidget* window, const QString& caption, const QRect& geometry) {
    auto* title = new QLabel(caption, window);
    title->setObjectName("lblFrmTitle");
    title->setGeometry(geometry);
    title->setFont(SkinFont(true));
    title->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    title->setStyleSheet("color: white; background: transparent;");
    title->setAttribute(Qt::WA_TransparentForMouseEvents);
    return title;
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& caption, const QPoint& at) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setFont(SkinFont());
    label->setStyleSheet("color: rgb(224, 224, 224); background: transparent;");
    label->move(at);
    label->adjustSize();
    return label;
}

void RoundedFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(160, 160, 160), 1));
    painter.setBrush(Qt::black);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
}

QLineEdit* MakeTextBox(QWidget* parent, const QString& name, const QRect& geometry, int frameIndex,
                       const QRect& frameGeometry) {
    auto* frame = new RoundedFrame(parent);
    frame->setObjectName("shpText");
    frame->setProperty("index", frameIndex);
    frame->setGeometry(frameGeometry);
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setFrame(false);
    box->setFont(SkinFont());
    box->setTextMargins(0, 0, 0, 0);
    box->setStyleSheet(
        "QLineEdit { border: none; padding: 0px; background: black; color: rgb(128, 255, 128);"
        " selection-background-color: rgb(64, 128, 64); selection-color: white; }");
    return box;
}

}  // namespace ui

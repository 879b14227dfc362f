#include "GfxItem.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include "ui/Picture.h"
#include "ui/SkinnedWindow.h"
#include "ui/Theme.h"

namespace browser {

namespace {

// The focus frame: a rectangle outline in the focus colour.
class FocusFrame : public QWidget {
public:
    explicit FocusFrame(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }
    QColor color;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(color);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

}  // namespace

GfxItem::GfxItem(QWidget* parent) : QWidget(parent) {
    // The caption walk of the language tables leaves the tile's inner parts alone.
    setProperty("userControl", true);
    setFont(ui::SkinFont());
    resize(kDesignWidth, kDesignHeight);

    imgPicture_ = new ui::PictureBox(this, ui::PictureBox::Fit::Stretch);
    imgPicture_->setObjectName("imgPicture");
    imgPicture_->setGeometry(4, 4, 32, 32);
    imgPicture_->setAttribute(Qt::WA_TransparentForMouseEvents);

    auto makeLabel = [this](const char* name, int top, bool bold) {
        auto* label = new QLabel(this);
        label->setObjectName(name);
        label->setFont(ui::SkinFont(bold));
        label->setTextFormat(Qt::PlainText);
        label->move(44, top);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        colorLabel(label, Qt::black, bold);
        return label;
    };
    lblCaption_ = makeLabel("lblCaption", 2, true);
    lblText1_ = makeLabel("lblText1", 14, false);
    lblText2_ = makeLabel("lblText2", 26, false);

    auto* frame = new FocusFrame(this);
    frame->setObjectName("shpFocus");
    frame->hide();
    shpFocus_ = frame;

    lblArea_ = new QWidget(this);
    lblArea_->setObjectName("lblArea");
    lblArea_->setAttribute(Qt::WA_NoSystemBackground);
    lblArea_->installEventFilter(this);
    lblArea_->setEnabled(false);
    lblArea_->raise();
}

void GfxItem::colorLabel(QLabel* label, const QColor& color, bool bold) {
    label->setStyleSheet(QStringLiteral("background: transparent; color: %1;%2")
                             .arg(color.name(), bold ? QStringLiteral(" font-weight: bold;") : QString()));
}

QString GfxItem::Caption() const {
    return lblCaption_->text();
}
void GfxItem::setCaption(const QString& text) {
    lblCaption_->setText(text);
    lblCaption_->adjustSize();
}
QString GfxItem::Text1() const {
    return lblText1_->text();
}
void GfxItem::setText1(const QString& text) {
    lblText1_->setText(text);
    lblText1_->adjustSize();
}
QString GfxItem::Text2() const {
    return lblText2_->text();
}
void GfxItem::setText2(const QString& text) {
    lblText2_->setText(text);
    lblText2_->adjustSize();
}

void GfxItem::setCaptionColor(const QColor& color) {
    captionColor_ = color;
    colorLabel(lblCaption_, color, true);
}
void GfxItem::setText1Color(const QColor& color) {
    text1Color_ = color;
    colorLabel(lblText1_, color, false);
}
void GfxItem::setText2Color(const QColor& color) {
    text2Color_ = color;
    colorLabel(lblText2_, color, false);
}

const QPixmap& GfxItem::Picture() const {
    return imgPicture_->picture();
}
void GfxItem::setPicture(const QPixmap& picture) {
    imgPicture_->setPicture(picture);
}

void GfxItem::setFocus(bool focus) {
    focus_ = focus;
    shpFocus_->setVisible(focus);
    // In front of its neighbours, so their backgrounds do not cover the frame.
    if (focus) raise();
}

void GfxItem::setFocusColor(const QColor& color) {
    focusColor_ = color;
    static_cast<FocusFrame*>(shpFocus_)->color = color;
    shpFocus_->update();
}

bool GfxItem::Enabled() const {
    return lblArea_->isEnabled();
}
void GfxItem::setEnabled(bool enabled) {
    lblArea_->setEnabled(enabled);
}

void GfxItem::setMousePointer(const QCursor& cursor) {
    lblArea_->setCursor(cursor);
}

void GfxItem::sbGfxCopyParent() {
    copied_ = true;
    background_ = QPixmap();
    auto* window = qobject_cast<ui::SkinnedWindow*>(parentWidget());
    if (window && !window->backgroundPicture().isNull())
        background_ = window->backgroundPicture().copy(geometry());
    update();
}

void GfxItem::paintEvent(QPaintEvent*) {
    if (background_.isNull()) return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, background_);
}

void GfxItem::resizeEvent(QResizeEvent* event) {
    lblArea_->setGeometry(rect());
    shpFocus_->setGeometry(rect());
    QWidget::resizeEvent(event);
}

void GfxItem::showEvent(QShowEvent* event) {
    if (!copied_) sbGfxCopyParent();
    QWidget::showEvent(event);
}

void GfxItem::mousePressEvent(QMouseEvent* event) {
    // A press that reaches the tile itself (its area is deaf) goes no further: it is no drag.
    event->accept();
}

void GfxItem::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

void GfxItem::pressed(Qt::MouseButton button) {
    // Exactly one tile of the window carries the focus frame after a press.
    if (QWidget* parent = parentWidget())
        for (GfxItem* tile : parent->findChildren<GfxItem*>(Qt::FindDirectChildrenOnly))
            tile->setFocus(tile == this);
    if (button == Qt::LeftButton)
        emit Click();
    else if (button == Qt::RightButton)
        emit MouseButtonRight();
}

bool GfxItem::eventFilter(QObject* watched, QEvent* event) {
    if (watched != lblArea_) return QWidget::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (lblArea_->isEnabled()) pressed(static_cast<QMouseEvent*>(event)->button());
            return true;
        case QEvent::MouseButtonDblClick: {
            if (!lblArea_->isEnabled()) return true;
            // The first press has run already; a second right press is a press like any other.
            const auto button = static_cast<QMouseEvent*>(event)->button();
            if (button == Qt::LeftButton)
                emit DblClick();
            else
                pressed(button);
            return true;
        }
        case QEvent::MouseButtonRelease:
            return true;
        default:
            return QWidget::eventFilter(watched, event);
    }
}

}  // namespace browser

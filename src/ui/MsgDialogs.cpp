#include "MsgDialogs.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>

#include "Chrome.h"
#include "Icons.h"
#include "Theme.h"
#include "frame/Language.h"

namespace ui {

namespace {
constexpr int kButtonTopFromBottom = 25;
constexpr int kLabelExtra = 64;
const QRect kOKAlone(100, 132, 60, 21);
const QRect kOKLeft(70, 132, 60, 21);
const QRect kCancelRight(134, 132, 60, 21);
}  // namespace

int MsgDialogHeight(int labelHeight) {
    return std::max(labelHeight + kLabelExtra, kMsgMinHeight);
}

QString MsgLabelText(const QString& message, const QString& extra) {
    if (extra.isEmpty()) return message;
    return message + "\r\n\r\n" + extra;
}

frmMsgBase::frmMsgBase(const QString& name, const QString& section, const QString& iconFile,
                       const QString& title, QWidget* parent)
    : SkinnedWindow(name, QSize(kMsgWidth, kMsgStartHeight), parent), section_(section), iconFile_(iconFile) {
    setWindowTitle(title);
    imgMsg_ = new PictureBox(this, PictureBox::Fit::AutoSize);
    imgMsg_->setObjectName("imgMsg");
    imgMsg_->setGeometry(100, 50, 60, 57);
    imgMsg_->setAttribute(Qt::WA_TransparentForMouseEvents);
    // The icon sits in the middle of the dialog, behind the message, so it is drawn faintly.
    imgMsg_->setOpacity(0.3);
    MakeTitleLabel(this, title, QRect(4, 4, kMsgWidth - 8, 13));
    lblMsg_ = new QLabel(this);
    lblMsg_->setObjectName("lblMsg");
    lblMsg_->setFont(SkinFont());
    lblMsg_->setStyleSheet("color: rgb(224, 224, 224); background: transparent;");
    lblMsg_->setTextFormat(Qt::PlainText);
    lblMsg_->setWordWrap(true);
    lblMsg_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblMsg_->setGeometry(16, 28, kMsgLabelWidth, 13);
    btnOK_ = new ImageButton(this, "OK", "ok", kOKAlone);
    connect(btnOK_, &ImageButton::pressed, this, [this] { finish(cMsgRetValue::kOK); });
}

void frmMsgBase::sbInit() {
    frame::sbLoadCaptions(this, section_, QString());
    sbSetIcons(this);
    RefreshButtons(this);
}

void frmMsgBase::sbLayout() {
    // The label keeps its width and grows downwards to hold its text.
    QString shown = lblMsg_->text();
    shown.replace("\r\n", "\n");
    lblMsg_->setText(shown);
    const int labelHeight = lblMsg_->heightForWidth(kMsgLabelWidth);
    lblMsg_->resize(kMsgLabelWidth, std::max(labelHeight, 0));
    setFixedSize(kMsgWidth, MsgDialogHeight(lblMsg_->height()));
    for (ImageButton* button : findChildren<ImageButton*>())
        button->move(button->x(), height() - kButtonTopFromBottom);
    sbLoadPicture(imgMsg_, SkinFile(iconFile_));
    sbCenterControl(this, imgMsg_, 3);
    sbPaintSkin(this);
}

bool frmMsgBase::previewKey(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            finish(cMsgRetValue::kOK);
            return true;
        case Qt::Key_Escape:
            onEscape();
            return true;
        default:
            return false;
    }
}

void frmMsgBase::finish(int response) {
    if (response_) response_->Response = response;
    sbCloseForm(this);
}

void frmMsgWithExtra::setMessaggio(const QString& message) {
    message_ = message;
    lblMsg_->setText(message);
}

void frmMsgWithExtra::setAggiunte(const QString& extra) {
    extra_ = extra;
    lblMsg_->setText(MsgLabelText(message_, extra));
    sbLayout();
}

frmMsgError::frmMsgError(QWidget* parent)
    : frmMsgWithExtra("frmMsgError", "MSGERROR", "msg_critical.gif", tr("Error"), parent) {}

frmMsgInfo::frmMsgInfo(QWidget* parent)
    : frmMsgWithExtra("frmMsgInfo", "MSGINFO", "msg_info.gif", tr("Information"), parent) {}

frmMsgConfirm::frmMsgConfirm(QWidget* parent)
    : frmMsgBase("frmMsgConfirm", "MSGCONFIRM", "msg_exclamation.gif", tr("Confirmation"), parent) {
    btnOK()->move(kOKLeft.topLeft());
    btnCancel_ = new ImageButton(this, "Cancel", "cancel21", kCancelRight);
    connect(btnCancel_, &ImageButton::pressed, this, [this] { finish(cMsgRetValue::kCancel); });
}

void frmMsgConfirm::setMessaggio(const QString& message) {
    message_ = message;
    lblMsg_->setText(message);
    sbLayout();
}

void CenterOnActiveWindow(QWidget* window) {
    QWidget* active = QApplication::activeWindow();
    QRect area;
    if (active && active != window && active->isVisible())
        area = active->frameGeometry();
    else if (QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    if (area.isEmpty()) return;
    window->move(area.x() + CenteredOffset(area.width(), window->width()),
                 area.y() + CenteredOffset(area.height(), window->height()));
}

namespace {

template <typename Dialog>
int runMessage(const QString& message, const QString* extra) {
    Dialog dialog(QApplication::activeWindow());
    dialog.sbInit();
    auto response = std::make_shared<cMsgRetValue>();
    dialog.setResponse(response);
    dialog.setMessaggio(message);
    if constexpr (!std::is_same_v<Dialog, frmMsgConfirm>) dialog.setAggiunte(extra ? *extra : QString());
    CenterOnActiveWindow(&dialog);
    dialog.exec();
    return response->Response;
}

}  // namespace

int MsgError(const QString& message, const QString& extra) {
    return runMessage<frmMsgError>(message, &extra);
}
int MsgInfo(const QString& message, const QString& extra) {
    return runMessage<frmMsgInfo>(message, &extra);
}
int MsgConfirm(const QString& message) {
    return runMessage<frmMsgConfirm>(message, nullptr);
}

void ShowDatabaseError(int number, const QString& description) {
    QMessageBox box(QMessageBox::Critical, QString::number(number), description, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

void ShowActionError(QWidget* parent, int number, const QString& description) {
    QMessageBox box(QMessageBox::Warning, QString::number(number), description, QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace ui

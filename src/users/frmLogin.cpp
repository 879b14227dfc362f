#include "frmLogin.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>

#include "LoginCheck.h"
#include "frame/Folders.h"
#include "frame/InputValidation.h"
#include "frame/Language.h"
#include "ui/Chrome.h"
#include "ui/Icons.h"
#include "ui/MsgDialogs.h"
#include "ui/SkinHolder.h"
#include "ui/Theme.h"

namespace users {

namespace {
constexpr int kNameLength = 10;
const char* const kNameMask = "ALNU2";
}  // namespace

frmLogin::frmLogin(QWidget* parent) : ui::SkinnedWindow("frmLogin", QSize(217, 149), parent) {
    setWindowTitle(QStringLiteral("Login Utente"));
    ui::MakeTitleLabel(this, QStringLiteral("Login Utente"), QRect(4, 4, 210, 13));
    lblUsername_ = ui::MakeLabel(this, "lblUsername", QStringLiteral(".: Username ::.."), QPoint(16, 32));
    txtUsername_ = ui::MakeTextBox(this, "txtUsername", QRect(24, 52, 169, 13), 0, QRect(16, 48, 185, 21));
    txtUsername_->setFont(ui::SkinFont(true));
    lblPassword_ = ui::MakeLabel(this, "lblPassword", QStringLiteral(".: Password ::.."), QPoint(16, 72));
    txtPassword_ = ui::MakeTextBox(this, "txtPassword", QRect(24, 92, 169, 13), 1, QRect(16, 88, 185, 21));
    txtPassword_->setFont(ui::SkinFont(true));
    txtPassword_->setEchoMode(QLineEdit::Password);
    // The password box shows "*" for every character.
    txtPassword_->setStyleSheet(
        txtPassword_->styleSheet().replace("QLineEdit {", "QLineEdit { lineedit-password-character: 42;"));
    btnOK_ = new ui::ImageButton(this, "OK", "ok", QRect(48, 124, 60, 21));
    btnCancel_ = new ui::ImageButton(this, "Cancel", "cancel21", QRect(112, 124, 60, 21));
    connect(btnOK_, &ui::ImageButton::pressed, this, [this] { sbDoLogin(); });
    connect(btnCancel_, &ui::ImageButton::pressed, this, &frmLogin::sbCancel);

    // The automatic login waits about one second from the moment the window is loaded.
    tmrLogin_.setObjectName("tmrLogin");
    tmrLogin_.setInterval(1000);
    connect(&tmrLogin_, &QTimer::timeout, this, &frmLogin::onLoginTimer);
    tmrLogin_.start();
}

void frmLogin::setUsername(const QString& value) {
    username_ = value;
    txtUsername_->setText(value);
}

void frmLogin::setPassword(const QString& value) {
    password_ = value;
    txtPassword_->setText(value);
}

void frmLogin::sbInit() {
    frame::sbLoadCaptions(this, "LOGIN", QString());
    // Captions from the language file may be longer than the built-in ones.
    lblUsername_->adjustSize();
    lblPassword_->adjustSize();
    ui::sbPaintSkin(this);
    ui::sbSetIcons(this);
    usernameValidator_ = new frame::cInpVal(this);
    usernameValidator_->Init(txtUsername_, kNameLength, frame::kInputMask, kNameMask);
    passwordValidator_ = new frame::cInpVal(this);
    passwordValidator_->Init(txtPassword_, kNameLength, frame::kInputMask, kNameMask);
    ui::RefreshButtons(this);
}

bool frmLogin::sbDoLogin() {
    const LoginResult result = CheckLogin(txtUsername_->text(), txtPassword_->text(), lblUsername_->text(),
                                          lblPassword_->text(), frame::folders().userFile());
    if (!result.ok) {
        ui::MsgError(frame::errImmissione, result.report);
        return false;
    }
    ApplyLogin(result.dir);
    ui::sbCloseForm(this);
    return true;
}

void frmLogin::sbCancel() {
    frame::folders().loginSucceeded = false;
    ui::sbCloseForm(this);
}

void frmLogin::onLoginTimer() {
    if (!timerDone_ && !username_.isEmpty()) {
        timerDone_ = true;
        tmrLogin_.stop();
        sbDoLogin();
        return;
    }
    timerDone_ = true;
    tmrLogin_.stop();
}

bool frmLogin::previewKey(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            sbDoLogin();
            return true;
        case Qt::Key_Escape:
            sbCancel();
            return true;
        default:
            return false;
    }
}

bool UserLogin() {
    const Proposal proposal = ProposeLogin(frame::folders().userFile());
    frmLogin login;
    login.sbInit();
    QCoreApplication::processEvents();
    if (!proposal.username.isEmpty()) {
        login.setUsername(proposal.username);
        login.setPassword(proposal.password);
    }
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        login.move(area.x() + ui::CenteredOffset(area.width(), login.width()),
                   area.y() + ui::CenteredOffset(area.height(), login.height()));
    }
    login.exec();
    ui::SkinHolder().sbLoadSkin();
    return frame::folders().loginSucceeded;
}

}  // namespace users

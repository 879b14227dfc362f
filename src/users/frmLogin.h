#pragma once
// The login window, used by both programs before anything else works, and UserLogin, the only way
// it is opened.

#include <QTimer>

#include "ui/ImageButton.h"
#include "ui/SkinnedWindow.h"

class QLabel;
class QLineEdit;

namespace frame {
class cInpVal;
}

namespace users {

class frmLogin : public ui::SkinnedWindow {
    Q_OBJECT
public:
    explicit frmLogin(QWidget* parent = nullptr);

    QString Username() const { return username_; }
    void setUsername(const QString& value);
    QString Password() const { return password_; }
    void setPassword(const QString& value);

    void sbInit();
    // Checks the boxes; on success fills the per-user paths and closes the window. Returns whether
    // the login succeeded.
    bool sbDoLogin();
    // Cancel and Escape: no login, the window closes.
    void sbCancel();

    QLineEdit* txtUsername() const { return txtUsername_; }
    QLineEdit* txtPassword() const { return txtPassword_; }
    QTimer* tmrLogin() { return &tmrLogin_; }
    // The first tick of the timer: the automatic login of a proposed user.
    void onLoginTimer();

protected:
    bool previewKey(QKeyEvent* event) override;

private:
    QLabel* lblUsername_;
    QLabel* lblPassword_;
    QLineEdit* txtUsername_;
    QLineEdit* txtPassword_;
    ui::ImageButton* btnOK_;
    ui::ImageButton* btnCancel_;
    frame::cInpVal* usernameValidator_ = nullptr;
    frame::cInpVal* passwordValidator_ = nullptr;
    QTimer tmrLogin_;
    bool timerDone_ = false;
    QString username_;
    QString password_;
};

// Shows the login window modally, proposing the stored automatic login or, on a fresh installation,
// the default account; afterwards reloads the skin holder from the user's skin. Returns whether a
// user logged in (false when the user cancelled).
bool UserLogin();

}  // namespace users

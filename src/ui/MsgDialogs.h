#pragma once
// The three message dialogs (error, information, confirmation), the result object they write into,
// and the shared functions that open them. Each function builds a fresh dialog, shows it modally and
// returns the button the user chose.

#include <QString>
#include <memory>

#include "ImageButton.h"
#include "SkinnedWindow.h"

class QLabel;

namespace ui {

// What a dialog or list picker hands back to its caller.
class cMsgRetValue {
public:
    static constexpr int kNone = 0;  // closed without a button
    static constexpr int kOK = 1;
    static constexpr int kCancel = 2;

    int Response = kNone;
    QString Text;  // the text chosen in a list picker
};

// The layout rules shared by the three dialogs.
inline constexpr int kMsgWidth = 261;
inline constexpr int kMsgStartHeight = 157;
inline constexpr int kMsgLabelWidth = 230;
inline constexpr int kMsgMinHeight = 100;
// The dialog's height for a message label of the given height.
int MsgDialogHeight(int labelHeight);
// The label text: the message, and the extra lines after a blank line when there are any.
QString MsgLabelText(const QString& message, const QString& extra);

class frmMsgBase : public SkinnedWindow {
    Q_OBJECT
public:
    void setResponse(std::shared_ptr<cMsgRetValue> response) { response_ = std::move(response); }
    const std::shared_ptr<cMsgRetValue>& response() const { return response_; }

    QString Messaggio() const { return message_; }
    void sbInit();
    // Lays the dialog out around the label's text.
    void sbLayout();

    QLabel* lblMsg() const { return lblMsg_; }
    PictureBox* imgMsg() const { return imgMsg_; }
    ImageButton* btnOK() const { return btnOK_; }

protected:
    frmMsgBase(const QString& name, const QString& section, const QString& iconFile, const QString& title,
               QWidget* parent);
    bool previewKey(QKeyEvent* event) override;
    void finish(int response);
    virtual void onEscape() { finish(cMsgRetValue::kOK); }

    QString message_;
    QLabel* lblMsg_;

private:
    QString section_;
    QString iconFile_;
    PictureBox* imgMsg_;
    ImageButton* btnOK_;
    std::shared_ptr<cMsgRetValue> response_;
};

// The error and information dialogs: a message and extra lines under it.
class frmMsgWithExtra : public frmMsgBase {
    Q_OBJECT
public:
    void setMessaggio(const QString& message);
    QString Aggiunte() const { return extra_; }
    void setAggiunte(const QString& extra);

protected:
    using frmMsgBase::frmMsgBase;

private:
    QString extra_;
};

class frmMsgError : public frmMsgWithExtra {
    Q_OBJECT
public:
    explicit frmMsgError(QWidget* parent = nullptr);
};

class frmMsgInfo : public frmMsgWithExtra {
    Q_OBJECT
public:
    explicit frmMsgInfo(QWidget* parent = nullptr);
};

class frmMsgConfirm : public frmMsgBase {
    Q_OBJECT
public:
    explicit frmMsgConfirm(QWidget* parent = nullptr);
    void setMessaggio(const QString& message);
    ImageButton* btnCancel() const { return btnCancel_; }

protected:
    void onEscape() override { finish(cMsgRetValue::kCancel); }

private:
    ImageButton* btnCancel_;
};

// Show the dialog and wait: 1 for OK, 2 for Cancel (confirmation only), 0 when the dialog was
// closed some other way.
int MsgError(const QString& message, const QString& extra);
int MsgInfo(const QString& message, const QString& extra);
int MsgConfirm(const QString& message);

// The platform's message box for a database error: its description as the text, the error number
// as the title.
void ShowDatabaseError(int number, const QString& description);
// The same box with the exclamation icon, for an action statement a window runs itself (delete,
// date stamp) and handles where it fails.
void ShowActionError(QWidget* parent, int number, const QString& description);

// Places a window centred on the active window, or on the screen when there is none.
void CenterOnActiveWindow(QWidget* window);

}  // namespace ui

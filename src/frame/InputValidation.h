#pragma once
// cInpVal guards one text box keystroke by keystroke: it accepts, converts or refuses each typed
// character, refuses a paste (keyboard, context menu or drop) as a whole when the pasted text holds a
// character the box does not accept, limits the length, selects the whole text when the box gets the
// focus and gives the box back its original background when it loses the focus.
//
// Only typed characters are checked. Navigation and editing keys (arrows, Home, End, Delete,
// Backspace), shortcuts with Ctrl, Alt or Meta (copy, cut, undo, mnemonics) and the window's Escape
// pass untouched; Enter passes unless the mask holds the vertical bar. The rules themselves are InputRules
// (InputValidationRules.h), testable without a display.
//
// Usage, in a window's sbInit:
//     user_ = new frame::cInpVal(this);
//     user_->Init(ui.txtUsername, 10, frame::kInputMask, "ALNU2");

#include <QColor>
#include <QLineEdit>
#include <QObject>
#include <QPointer>

#include "frame/InputValidationRules.h"

namespace frame {

class cInpVal : public QObject {
    Q_OBJECT
public:
    explicit cInpVal(QObject* parent = nullptr);

    // Attaches the validator to `box`: sets the box's maximum length (0 or less: no limit of ours),
    // remembers the mode, the mask and the box's current background: its palette's Base colour and its
    // style sheet (skinned boxes take their colours from a style sheet).
    void Init(QLineEdit* box, int maxLength, int mode, const QString& mask = QString());

    QLineEdit* box() const { return box_; }
    const InputRules& rules() const { return rules_; }
    QColor background() const { return background_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QLineEdit> box_;
    InputRules rules_;
    QColor background_;
    QString styleSheet_;
};

}  // namespace frame

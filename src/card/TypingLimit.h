#pragma once
// A limit on what the user types into a box. Unlike a maximum length it never cuts a text that was
// loaded or set by the program, so a longer stored value survives an untouched save.

#include <QPlainTextEdit>

namespace card {

// A several-line box whose typing and pasting stop at a number of characters (0: no limit).
class LimitedTextEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    using QPlainTextEdit::QPlainTextEdit;
    void setTypingLimit(int limit) { limit_ = limit; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    template <typename Edit>
    void limited(Edit edit);
    int limit_ = 0;
};

// Typing into the QLineEdit or LimitedTextEdit cannot make its text longer than `limit` characters.
void LimitTyping(QWidget* box, int limit);

}  // namespace card

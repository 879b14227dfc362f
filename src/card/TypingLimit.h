#pragma once
// A limit on what the user types into a box. Unlike a maximum length it never cuts a text that was
// loaded or set by the program, so a longer stored value survives an untouched save.

class QWidget;

namespace card {

// Typing into the QLineEdit or QPlainTextEdit cannot make its text longer than `limit` characters.
void LimitTyping(QWidget* box, int limit);

}  // namespace card

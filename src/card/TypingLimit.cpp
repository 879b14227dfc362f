#include "TypingLimit.h"

#include <QLineEdit>

namespace card {

template <typename Edit>
void LimitedTextEdit::limited(Edit edit) {
    const QString before = toPlainText();
    const int cursorBefore = textCursor().position();
    edit();
    const QString after = toPlainText();
    if (limit_ > 0 && after.size() > limit_ && after.size() > before.size()) {
        setPlainText(before);
        QTextCursor cursor = textCursor();
        cursor.setPosition(qBound(0, cursorBefore, int(before.size())));
        setTextCursor(cursor);
    }
}

void LimitedTextEdit::keyPressEvent(QKeyEvent* event) {
    limited([&] { QPlainTextEdit::keyPressEvent(event); });
}

void LimitedTextEdit::insertFromMimeData(const QMimeData* source) {
    limited([&] { QPlainTextEdit::insertFromMimeData(source); });
}

void LimitTyping(QWidget* box, int limit) {
    if (auto* lines = qobject_cast<LimitedTextEdit*>(box)) {
        lines->setTypingLimit(limit);
    } else if (auto* line = qobject_cast<QLineEdit*>(box)) {
        // textEdited comes only from the user; the previous text is what the box held before it.
        auto previous = std::make_shared<QString>(line->text());
        QObject::connect(line, &QLineEdit::textChanged, line, [line, previous] {
            if (!line->isModified()) *previous = line->text();
        });
        QObject::connect(line, &QLineEdit::textEdited, line, [line, previous, limit](const QString& text) {
            if (text.size() > limit && text.size() > previous->size()) {
                const int cursor = line->cursorPosition() - int(text.size() - previous->size());
                line->setText(*previous);
                line->setCursorPosition(qMax(0, cursor));
                return;
            }
            *previous = text;
        });
    }
}

}  // namespace card

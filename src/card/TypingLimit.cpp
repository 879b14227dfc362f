#include "TypingLimit.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace card {

void LimitTyping(QWidget* box, int limit) {
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
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
    } else if (auto* lines = qobject_cast<QPlainTextEdit*>(box)) {
        auto previous = std::make_shared<QString>(lines->toPlainText());
        QObject::connect(
            lines->document(), &QTextDocument::contentsChange, lines,
            [lines, previous, limit](int, int removed, int added) {
                const QString text = lines->toPlainText();
                // Only growth by typing or pasting is held back; a program's setPlainText
                // replaces the whole document and is taken as it is.
                const bool whole = removed > 0 && added >= int(text.size());
                if (!whole && text.size() > limit && text.size() > previous->size() && lines->hasFocus()) {
                    QTextCursor cursor = lines->textCursor();
                    const int at = cursor.position() - int(text.size() - previous->size());
                    const QSignalBlocker block(lines->document());
                    lines->setPlainText(*previous);
                    cursor = lines->textCursor();
                    cursor.setPosition(qBound(0, at, int(previous->size())));
                    lines->setTextCursor(cursor);
                    return;
                }
                *previous = text;
            });
    }
}

}  // namespace card

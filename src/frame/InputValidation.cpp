#include "InputValidation.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <memory>

namespace frame {
namespace {

QString clipboardText() {
    const QClipboard* clipboard = QApplication::clipboard();
    return clipboard ? clipboard->text() : QString();
}

// The text that stays in the box when a typed character replaces the selection.
QString textAroundSelection(const QLineEdit* box) {
    QString text = box->text();
    if (box->hasSelectedText()) text.remove(box->selectionStart(), box->selectedText().size());
    return text;
}

bool isControlCharacter(QChar c) {
    return c.unicode() < 0x20 || c.unicode() == 0x7f;
}

}  // namespace

cInpVal::cInpVal(QObject* parent) : QObject(parent) {}

void cInpVal::Init(QLineEdit* box, int maxLength, int mode, const QString& mask) {
    if (box_) box_->removeEventFilter(this);
    box_ = box;
    rules_ = InputRules(mode, mask);
    if (!box) return;
    if (maxLength > 0) box->setMaxLength(maxLength);
    background_ = box->palette().color(QPalette::Base);
    styleSheet_ = box->styleSheet();
    box->installEventFilter(this);
}

bool cInpVal::eventFilter(QObject* watched, QEvent* event) {
    if (!box_ || watched != box_) return QObject::eventFilter(watched, event);
    QLineEdit* box = box_;

    switch (event->type()) {
        case QEvent::FocusIn: {
            box->selectAll();
            // A click that gave the focus places the cursor after this; select again once it has.
            if (static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason)
                QMetaObject::invokeMethod(box, &QLineEdit::selectAll, Qt::QueuedConnection);
            return false;
        }
        case QEvent::FocusOut: {
            QPalette palette = box->palette();
            palette.setColor(QPalette::Base, background_);
            box->setPalette(palette);
            if (box->styleSheet() != styleSheet_) box->setStyleSheet(styleSheet_);
            return false;
        }
        case QEvent::KeyPress: {
            if (box->isReadOnly()) return false;
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->matches(QKeySequence::Paste)) return !rules_.AcceptsPaste(clipboardText());
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) return rules_.RefusesEnter();
            // Shortcuts (and the window's Alt mnemonics), navigation and editing keys are not typed
            // characters.
            if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
            const QString typed = key->text();
            if (typed.isEmpty() || isControlCharacter(typed.front())) return false;
            QString converted;
            for (QChar c : typed) {
                const QChar k = rules_.Typed(c, textAroundSelection(box) + converted);
                if (k.isNull()) return true;  // refused
                converted += k;
            }
            if (converted == typed) return false;
            box->insert(converted);
            return true;
        }
        case QEvent::InputMethod: {
            // Characters composed by the input method (dead keys) follow the rules of typed ones.
            auto* im = static_cast<QInputMethodEvent*>(event);
            if (box->isReadOnly() || im->commitString().isEmpty() || !im->preeditString().isEmpty())
                return false;
            QString converted;
            for (QChar c : im->commitString()) {
                const QChar k = rules_.Typed(c, textAroundSelection(box) + converted);
                if (k.isNull()) return true;
                converted += k;
            }
            if (converted == im->commitString()) return false;
            box->insert(converted);
            return true;
        }
        case QEvent::ContextMenu: {
            // The menu's Paste is offered only for a clipboard text the box accepts.
            std::unique_ptr<QMenu> menu(box->createStandardContextMenu());
            if (!menu) return false;
            if (auto* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste")))
                paste->setEnabled(paste->isEnabled() && rules_.AcceptsPaste(clipboardText()));
            menu->exec(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        }
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            const QMimeData* data = drop->mimeData();
            if (data && data->hasText() && !rules_.AcceptsPaste(data->text())) {
                drop->ignore();
                return true;
            }
            return false;
        }
        default:
            return false;
    }
}

}  // namespace frame

#include "InputValidationRules.h"

namespace frame {
namespace {

const QString kLower = QStringLiteral("abcdefghijklmnopqrstuvwxyz");
const QString kUpper = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
const QString kDigits = QStringLiteral("0123456789");
const QString kAccented = QStringLiteral("\u00E0\u00E8\u00E9\u00EC\u00F2\u00F9");  // àèéìòù
const QString kSymbols = QStringLiteral("|\u00A3$%&/()=?^';,:.-_+*[]\u00B0<>");    // the S letter
const QString kEmailDots = QStringLiteral("/\\.-: ");
const QChar kEnter = QChar(13);

}  // namespace

InputRules::InputRules(int mode, const QString& mask) : mode_(mode), mask_(mask) {
    switch (mode) {
        case kInputEmail:
            accepted_ = kLower + QStringLiteral("-_.@") + kDigits + kUpper;
            acceptsAll_ = false;
            break;
        case kInputServer:
            accepted_ = kLower + QStringLiteral("+-_/:;.,?!%=@") + kDigits + kUpper;
            acceptsAll_ = false;
            break;
        case kInputMask:
            acceptsAll_ = false;
            for (QChar m : mask) {
                switch (m.unicode()) {
                    case 'A':
                        accepted_ += kAccented;
                        break;
                    case 'L':
                        accepted_ += kLower;
                        break;
                    case 'N':
                        accepted_ += kDigits;
                        break;
                    case 'U':
                        accepted_ += kUpper;
                        break;
                    case 'S':
                        accepted_ += kSymbols;
                        break;
                    case '1':
                        maskCase_ = Case::Upper;
                        break;
                    case '2':
                        maskCase_ = Case::Lower;
                        break;
                    case '|':
                        refusesEnter_ = true;
                        break;
                    default:
                        accepted_ += m;
                        break;
                }
            }
            break;
        default:
            break;  // an unknown mode guards nothing but the length
    }
}

bool InputRules::Accepts(QChar c) const {
    return acceptsAll_ || accepted_.contains(c);
}

QChar InputRules::Typed(QChar typed, const QString& otherText) const {
    QChar k = typed;
    if (mode_ == kInputEmail) {
        k = kEmailDots.contains(k) ? QChar('.') : k.toLower();
        if (k == '@' && otherText.contains('@')) return QChar();
    } else if (mode_ == kInputMask) {
        if (maskCase_ == Case::Upper) k = k.toUpper();
        if (maskCase_ == Case::Lower) k = k.toLower();
        if (k == kEnter && refusesEnter_) return QChar();
    }
    if (k == kEnter) return k;
    return Accepts(k) ? k : QChar();
}

bool InputRules::AcceptsPaste(const QString& text) const {
    for (QChar c : text)
        if (!Accepts(c)) return false;
    return true;
}

}  // namespace frame

#pragma once
// The rules of an input mode: which characters a guarded text box accepts and how a typed character is
// converted. Pure logic, used by cInpVal.
//
// Modes:
//   4 (e-mail address): accepts a-z, A-Z, 0-9 and "-_.@"; each of "/", "\", ".", "-", ":" and the space
//     is turned into "."; every other typed character is turned into lower case; an "@" is refused
//     when the text already holds one.
//   5 (server name or address): accepts a-z, A-Z, 0-9 and "+-_/:;.,?!%=@"; no conversion.
//   8 (mask): the mask, read from left to right, builds the accepted set and the conversions:
//     A accented vowels "àèéìòù", L a-z, N 0-9, U A-Z, S "|£$%&/()=?^';,:.-_+*[]°<>",
//     1 upper case, 2 lower case, "|" refuses Enter, any other character accepts itself.
//   Any other mode accepts every character and converts none.
// The acceptance test is exact: upper and lower case are different characters.

#include <QChar>
#include <QString>

namespace frame {

inline constexpr int kInputEmail = 4;
inline constexpr int kInputServer = 5;
inline constexpr int kInputMask = 8;

class InputRules {
public:
    InputRules() = default;
    InputRules(int mode, const QString& mask);

    int mode() const { return mode_; }
    const QString& mask() const { return mask_; }

    // The character to insert for the typed character `typed`, or a null QChar when it is refused.
    // `otherText` is the text the box keeps around the insertion (its text without the selection the
    // character replaces); mode 4 refuses a second "@" from it.
    QChar Typed(QChar typed, const QString& otherText = QString()) const;

    // Whether a pasted text may go in: every one of its characters is accepted. Pasted text is never
    // converted.
    bool AcceptsPaste(const QString& text) const;

    // Whether the character is in the accepted set (without conversion).
    bool Accepts(QChar c) const;

    // Whether Enter is refused (the mask holds the vertical bar).
    bool RefusesEnter() const { return refusesEnter_; }

private:
    enum class Case { Keep, Upper, Lower };

    int mode_ = 0;
    QString mask_;
    QString accepted_;
    bool acceptsAll_ = true;
    bool refusesEnter_ = false;
    // The conversions of the mask in order ("12" lowers, "21" raises): the last one met wins.
    Case maskCase_ = Case::Keep;
};

}  // namespace frame

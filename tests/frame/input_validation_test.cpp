// The guarded text boxes: typed characters accepted, converted or refused; pastes refused as a whole;
// length limit, select-all on focus and the background restored on focus loss. Events are delivered to
// a real QLineEdit the way the window system delivers them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>

#include "frame/InputValidation.h"

using frame::cInpVal;
using frame::InputRules;

namespace {

Qt::Key keyOf(QChar c) {
    if (c.isLetter() && c.unicode() < 128) return Qt::Key(c.toUpper().unicode());
    if (c.unicode() < 128) return Qt::Key(c.unicode());
    return Qt::Key_unknown;
}

void sendKey(QLineEdit& box, Qt::Key key, Qt::KeyboardModifiers modifiers, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(&box, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QCoreApplication::sendEvent(&box, &release);
}

// Types each character as one key press.
void type(QLineEdit& box, const QString& text) {
    for (QChar c : text) sendKey(box, keyOf(c), c.isUpper() ? Qt::ShiftModifier : Qt::NoModifier, QString(c));
}

void paste(QLineEdit& box, const QString& clipboardText) {
    QApplication::clipboard()->setText(clipboardText);
    sendKey(box, Qt::Key_V, Qt::ControlModifier, QString(QChar(22)));
}

void focus(QLineEdit& box, QEvent::Type type) {
    QFocusEvent event(type, Qt::TabFocusReason);
    QCoreApplication::sendEvent(&box, &event);
}

struct Guarded {
    QLineEdit box;
    cInpVal validator;
    Guarded(int maxLength, int mode, const QString& mask = QString()) {
        validator.Init(&box, maxLength, mode, mask);
    }
};

struct TypingCase {
    const char* name;
    int maxLength;
    int mode;
    const char* mask;
    const char* start;  // text already in the box, cursor at its end
    const char* typed;  // UTF-8
    const char* result;
};

void PrintTo(const TypingCase& c, std::ostream* os) {
    *os << c.name;
}

class Typing : public ::testing::TestWithParam<TypingCase> {};

TEST_P(Typing, GivesTheExpectedText) {
    const TypingCase& c = GetParam();
    Guarded g(c.maxLength, c.mode, QString::fromUtf8(c.mask));
    g.box.setText(QString::fromUtf8(c.start));
    type(g.box, QString::fromUtf8(c.typed));
    EXPECT_EQ(g.box.text(), QString::fromUtf8(c.result));
}

INSTANTIATE_TEST_SUITE_P(
    Modes, Typing,
    ::testing::Values(
        TypingCase{"UserUpperBecomesLower", 10, 8, "ALNU2", "", "A", "a"},
        TypingCase{"UserRefusesSpaceAndDash", 10, 8, "ALNU2", "", "ab c-d", "abcd"},
        TypingCase{"UserAcceptsAccentsAndDigits", 10, 8, "ALNU2", "", "Città9", "città9"},
        TypingCase{"UserRefusesEleventhCharacter", 10, 8, "ALNU2", "", "abcdefghijk", "abcdefghij"},
        TypingCase{"SearchAcceptsSpace", 255, 8, "ALNU2 ", "", "Blue Note", "blue note"},
        TypingCase{"SearchRefusesSymbols", 255, 8, "ALNU2 ", "", "a*b?", "ab"},
        TypingCase{"MaskOneRaises", 20, 8, "LU1", "", "ab", "AB"},
        TypingCase{"ConvertedBeforeTheCheck", 20, 8, "L1", "", "ab", ""},
        TypingCase{"SymbolsLetterS", 20, 8, "S", "", "a%&x[]", "%&[]"},
        TypingCase{"EmailDashBecomesDot", 50, 4, "", "", "a-b/c\\d:e f", "a.b.c.d.e.f"},
        TypingCase{"EmailLowersLetters", 50, 4, "", "", "John@Example", "john@example"},
        TypingCase{"EmailSecondAtRefused", 50, 4, "", "me@host", "@x", "me@hostx"},
        TypingCase{"EmailRefusesOthers", 50, 4, "", "", "a+b!é", "ab"},
        TypingCase{"EmailLengthLimit", 5, 4, "", "", "abcdefg", "abcde"},
        TypingCase{"ServerKeepsCaseAndSymbols", 50, 5, "", "", "Http://A.b:80/?q=1", "Http://A.b:80/?q=1"},
        TypingCase{"ServerRefusesSpace", 50, 5, "", "", "a b", "ab"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InputValidation, BackspaceAndEnterWorkInEveryMode) {
    for (auto [mode, mask] : {std::pair{8, "ALNU2"}, std::pair{4, ""}, std::pair{5, ""}}) {
        Guarded g(10, mode, mask);
        int entered = 0;
        QObject::connect(&g.box, &QLineEdit::returnPressed, [&] { ++entered; });
        type(g.box, "ab");
        sendKey(g.box, Qt::Key_Backspace, Qt::NoModifier, QString(QChar(8)));
        EXPECT_EQ(g.box.text(), "a") << "mode " << mode;
        sendKey(g.box, Qt::Key_Return, Qt::NoModifier, QString(QChar(13)));
        EXPECT_EQ(entered, 1) << "mode " << mode;
    }
}

TEST(InputValidation, BarInMaskRefusesEnter) {
    Guarded g(10, 8, "L|");
    int entered = 0;
    QObject::connect(&g.box, &QLineEdit::returnPressed, [&] { ++entered; });
    sendKey(g.box, Qt::Key_Return, Qt::NoModifier, QString(QChar(13)));
    EXPECT_EQ(entered, 0);
}

TEST(InputValidation, TypedCharacterReplacesSelection) {
    Guarded g(50, 4);
    g.box.setText("me@host");
    g.box.selectAll();
    type(g.box, "@");  // the "@" it replaces goes with the selection
    EXPECT_EQ(g.box.text(), "@");
}

TEST(InputValidation, PasteIsCheckedAsAWholeAndNotConverted) {
    struct Case {
        const char* mask;
        const char* clip;
        const char* result;
    };
    const Case cases[] = {
        {"ALNU2", "AbC9", "AbC9"},  // upper case kept: pasted text is not converted
        {"ALNU2", "ab cd", ""},     // a space refuses the whole paste
        {"ALNU2", "ab-cd", ""},
        {"ALNU2 ", "ab cd", "ab cd"},
    };
    for (const Case& c : cases) {
        Guarded g(10, 8, c.mask);
        paste(g.box, c.clip);
        EXPECT_EQ(g.box.text(), c.result) << c.mask << " / " << c.clip;
    }
}

TEST(InputValidation, PasteInEmailModeKeepsItsText) {
    Guarded g(50, 4);
    paste(g.box, "Me@Host.org");
    EXPECT_EQ(g.box.text(), "Me@Host.org");
    Guarded refused(50, 4);
    paste(refused.box, "me@host org");
    EXPECT_EQ(refused.box.text(), "");
}

TEST(InputValidation, DropOfRefusedTextIsIgnored) {
    Guarded g(10, 8, "ALNU2");
    QMimeData data;
    data.setText("a b");
    QDropEvent drop(QPointF(1, 1), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&g.box, &drop);
    EXPECT_FALSE(drop.isAccepted());
    EXPECT_EQ(g.box.text(), "");
}

TEST(InputValidation, FocusSelectsAllAndLosingItRestoresBackground) {
    Guarded g(10, 8, "ALNU2");
    const QColor original = g.box.palette().color(QPalette::Base);
    g.box.setText("kupro");
    g.box.setCursorPosition(2);
    focus(g.box, QEvent::FocusIn);
    EXPECT_EQ(g.box.selectedText(), "kupro");

    QPalette highlighted = g.box.palette();
    highlighted.setColor(QPalette::Base, Qt::yellow);
    g.box.setPalette(highlighted);
    focus(g.box, QEvent::FocusOut);
    EXPECT_EQ(g.box.palette().color(QPalette::Base), original);
}

TEST(InputValidation, LosingFocusRestoresTheStyleSheetBackground) {
    QLineEdit box;
    const QString skinned = "QLineEdit { background: black; color: rgb(128, 255, 128); }";
    box.setStyleSheet(skinned);
    cInpVal validator;
    validator.Init(&box, 10, 8, "ALNU2");
    box.setStyleSheet("QLineEdit { background: red; }");
    focus(box, QEvent::FocusOut);
    EXPECT_EQ(box.styleSheet(), skinned);
}

TEST(InputValidation, ShortcutsAndNavigationPass) {
    Guarded g(10, 8, "ALNU2");
    type(g.box, "abc");
    sendKey(g.box, Qt::Key_Home, Qt::NoModifier, QString());
    EXPECT_EQ(g.box.cursorPosition(), 0);
    sendKey(g.box, Qt::Key_A, Qt::ControlModifier, QString(QChar(1)));  // select all
    EXPECT_EQ(g.box.selectedText(), "abc");
}

TEST(InputRules, MaskConversionsApplyInOrder) {
    EXPECT_EQ(InputRules(8, "L12").Typed('a'), QChar('a'));
    EXPECT_EQ(InputRules(8, "U21").Typed('a'), QChar('A'));
    EXPECT_TRUE(InputRules(8, "|").RefusesEnter());
    EXPECT_FALSE(InputRules(8, "ALNU2").RefusesEnter());
}

TEST(InputRules, AcceptanceIsExact) {
    const InputRules user(8, "ALNU2");
    EXPECT_TRUE(user.Accepts(QChar(0x00F2)));             // ò
    EXPECT_FALSE(user.Accepts(QChar(0x00D2)));            // Ò is not in the set...
    EXPECT_EQ(user.Typed(QChar(0x00D2)), QChar(0x00F2));  // ...but typed it is lowered first
    EXPECT_FALSE(InputRules(8, "L").Accepts('A'));
    EXPECT_TRUE(InputRules(8, "x").Accepts('x'));  // any other mask letter accepts itself
    EXPECT_TRUE(InputRules(0, "").AcceptsPaste("anything at all"));
}

}  // namespace

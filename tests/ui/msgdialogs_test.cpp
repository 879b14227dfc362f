// Message dialogs: layout from the message, keys, results, and a fresh dialog per call.

#include <gtest/gtest.h>

#include <QLabel>

#include "ModalDriver.h"
#include "TestSupport.h"
#include "frame/Language.h"
#include "ui/MsgDialogs.h"
#include "ui/SkinHolder.h"

namespace {

const QString kLong =
    QString("This message is long enough to be wrapped over many lines by the dialog. ").repeated(6);

struct Seen {
    int height = 0;
    int labelHeight = 0;
    int buttonTop = 0;
    QString label;
    QPoint icon;
    QSize iconSize;
};

Seen look(QWidget* modal) {
    auto* dialog = qobject_cast<ui::frmMsgBase*>(modal);
    Seen s;
    if (!dialog) return s;
    s.height = dialog->height();
    s.labelHeight = dialog->lblMsg()->height();
    s.buttonTop = dialog->btnOK()->image()->y();
    s.label = dialog->lblMsg()->text();
    s.icon = dialog->imgMsg()->pos();
    s.iconSize = dialog->imgMsg()->size();
    return s;
}

class MsgDialogTest : public ::testing::Test {
protected:
    // One installation for the whole suite: copying it is slow and these tests only read it.
    static void SetUpTestSuite() {
        install = new testsupport::TempInstallation;
        frame::sbLoadMessages();
        ui::SkinHolder().sbLoadSkin();
    }
    static void TearDownTestSuite() { delete install; }
    static testsupport::TempInstallation* install;
};
testsupport::TempInstallation* MsgDialogTest::install = nullptr;

}  // namespace

TEST(MsgLayout, HeightAndText) {
    EXPECT_EQ(ui::MsgDialogHeight(13), 100);
    EXPECT_EQ(ui::MsgDialogHeight(0), 100);
    EXPECT_EQ(ui::MsgDialogHeight(130), 194);
    EXPECT_EQ(ui::MsgLabelText("Saved.", ""), "Saved.");
    EXPECT_EQ(ui::MsgLabelText("Check:", "» a\r\n» b"), "Check:\r\n\r\n» a\r\n» b");
}

TEST_F(MsgDialogTest, OneLineAndLongMessages) {
    Seen oneLine, longOne, again;
    testmodal::WhenModal([&](QWidget* m) {
        oneLine = look(m);
        testmodal::PressKey(m, Qt::Key_Return);
    });
    EXPECT_EQ(ui::MsgError("Wrong.", ""), 1);
    EXPECT_EQ(oneLine.height, 100);
    EXPECT_EQ(oneLine.buttonTop, 75);
    EXPECT_EQ(oneLine.label, "Wrong.") << "no blank lines without extra text";
    EXPECT_EQ(oneLine.iconSize, QSize(60, 57));
    EXPECT_EQ(oneLine.icon, QPoint(100, 21));

    testmodal::WhenModal([&](QWidget* m) {
        longOne = look(m);
        testmodal::PressKey(m, Qt::Key_Escape);
    });
    EXPECT_EQ(ui::MsgInfo(kLong, "» extra line"), 1);
    EXPECT_GT(longOne.labelHeight, 60);
    EXPECT_EQ(longOne.height, longOne.labelHeight + 64);
    EXPECT_EQ(longOne.buttonTop, longOne.height - 25);
    EXPECT_TRUE(longOne.label.endsWith("\n\n» extra line"));

    // The next call starts from a freshly loaded dialog, not from the last layout.
    testmodal::WhenModal([&](QWidget* m) {
        again = look(m);
        testmodal::PressKey(m, Qt::Key_Enter);
    });
    EXPECT_EQ(ui::MsgInfo("Short.", ""), 1);
    EXPECT_EQ(again.height, 100);
}

TEST_F(MsgDialogTest, KeysAndResults) {
    struct Case {
        const char* dialog;
        int key;
        int expected;
    };
    const Case cases[] = {{"confirm", Qt::Key_Return, 1}, {"confirm", Qt::Key_Enter, 1},
                          {"confirm", Qt::Key_Escape, 2}, {"error", Qt::Key_Escape, 1},
                          {"error", Qt::Key_Return, 1},   {"info", Qt::Key_Escape, 1}};
    for (const Case& c : cases) {
        testmodal::WhenModal([&](QWidget* m) { testmodal::PressKey(m, c.key); });
        const QString which = c.dialog;
        const int result = which == "confirm" ? ui::MsgConfirm(kLong)
                           : which == "error" ? ui::MsgError("Error.", "")
                                              : ui::MsgInfo("Info.", "");
        EXPECT_EQ(result, c.expected) << c.dialog << " key " << c.key;
    }
}

TEST_F(MsgDialogTest, ConfirmationButtonsAndClosingOtherwise) {
    Seen seen;
    testmodal::WhenModal([&](QWidget* m) {
        seen = look(m);
        auto* dialog = qobject_cast<ui::frmMsgConfirm*>(m);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->btnCancel()->image()->y(), seen.buttonTop);
        EXPECT_LT(dialog->btnOK()->x(), dialog->btnCancel()->x());
        emit dialog->btnCancel()->pressed();
    });
    EXPECT_EQ(ui::MsgConfirm(frame::cnfSalva), 2);
    EXPECT_EQ(seen.label, frame::cnfSalva);

    testmodal::WhenModal([](QWidget* m) { m->close(); });
    EXPECT_EQ(ui::MsgConfirm(frame::cnfElimina), 0) << "closed without a button";
}

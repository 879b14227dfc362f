// Image buttons: resting pictures, the shared hover, and which presses act.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "TestSupport.h"
#include "ui/Hover.h"
#include "ui/ImageButton.h"
#include "ui/Picture.h"
#include "ui/SkinnedWindow.h"

namespace {

void sendMouse(QWidget* target, QEvent::Type type, Qt::MouseButton button, QPoint at = QPoint(5, 5)) {
    const Qt::MouseButtons buttons = type == QEvent::MouseMove ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(at), target->mapToGlobal(QPointF(at)), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

QImage fileImage(const QString& name) {
    return ui::ReadPicture(ui::SkinFile(name)).toImage();
}

class ImageButtonTest : public ::testing::Test {
protected:
    ImageButtonTest()
        : window("frmTest", QSize(200, 100)),
          ok(new ui::ImageButton(&window, "OK", "ok", QRect(10, 70, 60, 21))),
          cancel(new ui::ImageButton(&window, "Cancel", "cancel21", QRect(80, 70, 60, 21))) {}
    // One installation for the whole suite: copying it is slow and these tests only read it.
    static void SetUpTestSuite() { install = new testsupport::TempInstallation; }
    static void TearDownTestSuite() { delete install; }
    void TearDown() override { ui::ForgetHovered(&window); }

    static testsupport::TempInstallation* install;
    ui::SkinnedWindow window;
    ui::ImageButton* ok;
    ui::ImageButton* cancel;
};

testsupport::TempInstallation* ImageButtonTest::install = nullptr;

}  // namespace

TEST_F(ImageButtonTest, RestingPictureFollowsTheEnabledState) {
    EXPECT_EQ(ok->objectName(), "btnOK");
    EXPECT_EQ(ok->image()->objectName(), "imgBtnOK");
    EXPECT_EQ(ok->image()->picture().toImage(), fileImage("out_ok.jpg"));
    EXPECT_FALSE(ok->hasPicture());
    ok->setEnabled(false);
    EXPECT_EQ(ok->image()->picture().toImage(), fileImage("dis_ok.jpg"));
    ok->setEnabled(true);
    EXPECT_EQ(ok->image()->picture().toImage(), fileImage("out_ok.jpg"));
}

TEST_F(ImageButtonTest, HoverMovesFromButtonToButtonAndToTheBackground) {
    sendMouse(ok, QEvent::MouseMove, Qt::NoButton);
    EXPECT_EQ(ui::HoveredControl(), ok);
    EXPECT_EQ(ok->picture().toImage(), fileImage("over_ok.jpg"));
    const qint64 loaded = ok->picture().cacheKey();
    sendMouse(ok, QEvent::MouseMove, Qt::NoButton, QPoint(20, 10));
    EXPECT_EQ(ok->picture().cacheKey(), loaded) << "moving within one button reloads nothing";

    sendMouse(cancel, QEvent::MouseMove, Qt::NoButton);
    EXPECT_FALSE(ok->hasPicture());
    EXPECT_EQ(cancel->picture().toImage(), fileImage("over_cancel21.jpg"));
    EXPECT_EQ(ui::HoveredControl(), cancel);

    sendMouse(&window, QEvent::MouseMove, Qt::NoButton, QPoint(150, 20));
    EXPECT_FALSE(cancel->hasPicture());
    EXPECT_EQ(ui::HoveredControl(), &window);
}

TEST_F(ImageButtonTest, OnlyALeftPressOnAnEnabledButtonActs) {
    QSignalSpy pressed(ok, &ui::ImageButton::pressed);
    sendMouse(ok, QEvent::MouseButtonPress, Qt::RightButton);
    sendMouse(ok, QEvent::MouseButtonPress, Qt::MiddleButton);
    EXPECT_EQ(pressed.count(), 0);
    EXPECT_FALSE(window.isDragging());
    sendMouse(ok, QEvent::MouseButtonPress, Qt::LeftButton);
    EXPECT_EQ(pressed.count(), 1) << "acts at the press, before any release";
    sendMouse(ok, QEvent::MouseButtonRelease, Qt::LeftButton);
    EXPECT_EQ(pressed.count(), 1);
    ok->setEnabled(false);
    sendMouse(ok, QEvent::MouseButtonPress, Qt::LeftButton);
    EXPECT_EQ(pressed.count(), 1);
}

TEST_F(ImageButtonTest, DisablingAHoveredButtonTakesItsOverPictureAway) {
    sendMouse(ok, QEvent::MouseMove, Qt::NoButton);
    ASSERT_TRUE(ok->hasPicture());
    ok->setEnabled(false);
    EXPECT_FALSE(ok->hasPicture());
    EXPECT_EQ(ui::HoveredControl(), nullptr);
}

TEST(Pictures, MissingOrUnreadableFilesClearThePicture) {
    testsupport::TempInstallation install;
    ui::PictureBox box(nullptr, ui::PictureBox::Fit::AutoSize);
    ui::sbLoadPicture(&box, ui::SkinFile("out_ok.jpg"));
    ASSERT_TRUE(box.hasPicture());
    EXPECT_EQ(box.size(), QSize(60, 21));
    ui::sbLoadPicture(&box, ui::SkinFile("no_such_picture.jpg"));
    EXPECT_FALSE(box.hasPicture());

    ui::sbLoadPicture(&box, ui::SkinFile("OUT_OK.JPG"));
    EXPECT_TRUE(box.hasPicture()) << "names match without regard to case";
    QTemporaryDir dir;
    QFile text(dir.filePath("broken.jpg"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a picture");
    text.close();
    ui::sbLoadPicture(&box, text.fileName());
    EXPECT_FALSE(box.hasPicture());
}

TEST_F(ImageButtonTest, DragsFromTheBackgroundButNotFromButtonsOrTextBoxes) {
    auto* box = new QLineEdit(&window);
    box->setGeometry(10, 30, 100, 13);
    window.move(100, 100);
    window.show();
    sendMouse(box, QEvent::MouseButtonPress, Qt::LeftButton);
    EXPECT_FALSE(window.isDragging());
    sendMouse(ok, QEvent::MouseButtonPress, Qt::LeftButton);
    EXPECT_FALSE(window.isDragging());

    sendMouse(&window, QEvent::MouseButtonPress, Qt::LeftButton, QPoint(150, 40));
    ASSERT_TRUE(window.isDragging()) << "no window manager here: the window follows the mouse itself";
    const QPoint start = window.pos();
    const QPointF to(170, 55);
    QMouseEvent move(QEvent::MouseMove, to, window.mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &move);
    EXPECT_EQ(window.pos(), start + QPoint(20, 15));
    sendMouse(&window, QEvent::MouseButtonRelease, Qt::LeftButton);
    EXPECT_FALSE(window.isDragging());
}

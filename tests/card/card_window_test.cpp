// The card window driven as the user drives it: a category applied to the form, a card created,
// filled, saved, reopened, edited, cancelled and deleted through its buttons and dialogs.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include "TestSupport.h"
#include "card/CardLoader.h"
#include "card/DateText.h"
#include "card/frmScheda.h"
#include "frame/Folders.h"
#include "frame/Ini.h"
#include "frame/Language.h"
#include "store/Connection.h"
#include "store/RecordSource.h"
#include "ui/ModalDriver.h"
#include "ui/MsgDialogs.h"
#include "ui/Picture.h"
#include "ui/SkinHolder.h"

using namespace card;

namespace {

class CardWindow : public ::testing::Test {
protected:
    testsupport::TempInstallation install;
    std::unique_ptr<frmScheda> window;
    std::vector<QStringList> editorRows;  // what the stand-in element editor "types", one per call
    int editorCalls = 0;

    void SetUp() override {
        frame::sbLoadMessages();
        ui::SkinHolder().sbLoadSkin();
        window = std::make_unique<frmScheda>();
        window->sbInit();
        window->setElementEditor([this](QWidget*, int, const QString&, QStringList& row) {
            ++editorCalls;
            if (editorRows.empty()) return false;
            row = editorRows.front();
            editorRows.erase(editorRows.begin());
            return true;
        });
    }
    void TearDown() override {
        window.reset();
        store::Connection::ReleaseAll();
    }

    void open(int category, int card, int operation) {
        window->setIDCategoria(category);
        window->setIDScheda(card);
        window->setIDOperazione(operation);
        window->setIDSezione(1);
        window->show();
    }
    template <typename T>
    T* control(const QString& name, int index = -1) {
        for (T* c : window->findChildren<T*>(name))
            if (index < 0 || c->property("index").toInt() == index) return c;
        return nullptr;
    }
    void press(const QString& button, Qt::MouseButton which = Qt::LeftButton) {
        auto* b = control<QWidget>(button);
        ASSERT_TRUE(b) << button.toStdString();
        QTest::mousePress(b, which, Qt::NoModifier, QPoint(5, 5));
    }
    // Presses a button that opens a confirmation and answers it with OK.
    void pressConfirmed(const QString& button) {
        testmodal::WhenModal([](QWidget* dialog) { testmodal::PressKey(dialog, Qt::Key_Return); });
        press(button);
    }
    int cardCount() {
        store::RecordSource s;
        EXPECT_TRUE(store::OpenRecordSource(s, "SELECT * FROM [tblSchede]"));
        return s.recordset()->recordCount();
    }
};

QStringList row(const QString& title) {
    return {title, "", "", "", "", "", "", ""};
}

}  // namespace

TEST_F(CardWindow, ACategoryRenamesHidesAndShowsTheGenericForm) {
    // Category 9's label file, replaced: section 7 without tab, a hidden field, a "-" column header,
    // and no key at all for field 5 of section 2.
    const QString file = frame::folders().userData + "cat/9/lang.ini";
    QFile::remove(file);
    frame::sbSetINI("MAIN", "lblMain1", "Name", file);
    frame::sbSetINI("DESCRIZIONE", "lblDescrizione3", "-", file);
    frame::sbSetINI("TECNICI", "lblTecnici0", "-", file);
    frame::sbSetINI("IMMAGINI", "lblImmagini0", "Portraits", file);
    frame::sbSetINI("IMMAGINI", "lblImmagini3", "-", file);
    frame::sbSetINI("CONFIG", "getdir", "1", file);
    open(9, 0, 1);

    EXPECT_EQ(control<QLabel>("lblMain1")->text(), "Name");
    EXPECT_TRUE(control<QLineEdit>("txtDescrizione", 2)->isHidden());
    EXPECT_FALSE(control<QLineEdit>("txtDescrizione", 1)->isHidden());
    EXPECT_FALSE(control<QLineEdit>("txtPrincipali", 4)->isHidden());
    EXPECT_EQ(control<QLabel>("lblPrincipali5")->text(), "XXX");
    EXPECT_EQ(window->fieldCaption(2, 4), "XXX");

    EXPECT_TRUE(control<QLabel>("lblSect", 6)->isHidden());
    EXPECT_EQ(control<QLabel>("lblSect", 5)->y(), 284 + 5 * 16);
    EXPECT_EQ(control<QLabel>("lblSect", 7)->y(), 284 + 6 * 16);
    EXPECT_EQ(control<QLabel>("lblSect", 8)->text(), "Portraits");

    QTreeWidget* images = window->list(3);
    ASSERT_EQ(images->columnCount(), 8);
    EXPECT_EQ(images->headerItem()->text(2), "-");
    EXPECT_EQ(images->headerItem()->text(3), "");
    EXPECT_EQ(images->header()->sectionSize(0), 100);
    EXPECT_TRUE(window->flags().getdir);
    EXPECT_TRUE(control<QWidget>("btnGetDir")->isEnabled());
    EXPECT_FALSE(control<QWidget>("btnCddb")->isEnabled());

    // Another category gets its own captions back, not the previous category's.
    window->setIDCategoria(1);
    EXPECT_FALSE(control<QLineEdit>("txtDescrizione", 2)->isHidden());
    EXPECT_NE(control<QLabel>("lblMain1")->text(), "Name");
}

TEST_F(CardWindow, NewCardIsFilledSavedReopenedEditedAndDeleted) {
    QSignalSpy closed(window.get(), &frmScheda::closed);
    QSignalSpy changed(window.get(), &frmScheda::categoryChanged);
    window->move(40, 30);
    open(1, 0, 1);
    auto* title = control<QLineEdit>("txtMain1");
    EXPECT_EQ(title->property("column").toString(), "sMain1");
    EXPECT_FALSE(title->isReadOnly());
    QTest::keyClicks(title, "Kind of Blue");
    QTest::keyClicks(control<QLineEdit>("txtDescrizione", 0), "Miles Davis");
    QTest::keyClicks(control<QLineEdit>("txtDescrizione", 0), QString(60, 'x'));  // stops at 50
    EXPECT_EQ(control<QLineEdit>("txtDescrizione", 0)->text().size(), 50);

    window->setIDSezione(4);
    editorRows = {row("So What"), row("Freddie Freeloader"), row("Blue in Green")};
    for (int i = 0; i < 3; ++i) press("btnNewEle");
    EXPECT_EQ(window->list(1)->topLevelItemCount(), 3);
    pressConfirmed("btnSave");
    EXPECT_FALSE(window->isVisible());
    ASSERT_EQ(closed.count(), 1);
    EXPECT_EQ(closed.at(0).at(0).toPoint(), QPoint(40, 30));
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).toInt(), 1);

    // Reopen in view mode: locked boxes, the rows in their order.
    open(1, 1, 0);
    EXPECT_EQ(title->text(), "Kind of Blue");
    EXPECT_TRUE(title->isReadOnly());
    ASSERT_EQ(window->list(1)->topLevelItemCount(), 3);
    EXPECT_EQ(window->list(1)->topLevelItem(2)->text(0), "Blue in Green");
    EXPECT_TRUE(control<QWidget>("btnClose")->isEnabled());
    EXPECT_FALSE(control<QWidget>("btnSave")->isEnabled());
    EXPECT_FALSE(control<QWidget>("btnPrint")->isEnabled());

    // A double click in view mode edits nothing.
    window->setIDSezione(4);
    QTreeWidget* tracks = window->list(1);
    tracks->setCurrentItem(tracks->topLevelItem(0));
    emit tracks->itemDoubleClicked(tracks->topLevelItem(0), 0);
    EXPECT_EQ(editorCalls, 3);

    // Edit reacts to the right button too; remove the second track, retitle, save.
    press("btnEdit", Qt::RightButton);
    EXPECT_EQ(window->IDOperazione(), 2);
    EXPECT_FALSE(title->isReadOnly());
    tracks->setCurrentItem(tracks->topLevelItem(1));
    pressConfirmed("btnDelEle");
    EXPECT_EQ(tracks->topLevelItemCount(), 2);
    editorRows = {row("So What (take 2)")};
    tracks->setCurrentItem(tracks->topLevelItem(0));
    emit tracks->itemDoubleClicked(tracks->topLevelItem(0), 0);
    EXPECT_EQ(tracks->topLevelItem(0)->text(0), "So What (take 2)");
    title->setText("Kind of Blue (Legacy)");
    pressConfirmed("btnSave");

    open(1, 1, 0);
    EXPECT_EQ(title->text(), "Kind of Blue (Legacy)");
    ASSERT_EQ(window->list(1)->topLevelItemCount(), 2);
    EXPECT_EQ(window->list(1)->topLevelItem(0)->text(0), "So What (take 2)");
    EXPECT_EQ(window->list(1)->topLevelItem(1)->text(0), "Blue in Green");

    // Changes that are cancelled never reach the catalogue.
    press("btnEdit");
    window->list(1)->setCurrentItem(window->list(1)->topLevelItem(0));
    window->setIDSezione(4);
    window->list(1)->setCurrentItem(window->list(1)->topLevelItem(0));
    pressConfirmed("btnDelEle");
    title->setText("Changed");
    pressConfirmed("btnCancel");
    open(1, 1, 0);
    EXPECT_EQ(title->text(), "Kind of Blue (Legacy)");
    EXPECT_EQ(window->list(1)->topLevelItemCount(), 2);

    pressConfirmed("btnDelete");
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(cardCount(), 0);
    EXPECT_EQ(changed.count(), 3);
}

TEST_F(CardWindow, AFailedCheckShowsTheReportAndKeepsTheInput) {
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    open(1, 0, 1);
    window->setIDSezione(8);
    control<QCheckBox>("chkAltro8")->setChecked(true);
    QTest::keyClicks(control<QLineEdit>("txtAltro", 8), "Anna");
    QTest::keyClicks(control<QLineEdit>("txtAltro", 9), "32/13/2004");
    QString shown;
    testmodal::WhenModal([&shown](QWidget* dialog) {
        if (auto* error = qobject_cast<ui::frmMsgError*>(dialog)) shown = error->Aggiunte();
        testmodal::PressKey(dialog, Qt::Key_Return);
    });
    press("btnSave");
    const QString dueCaption = control<QLabel>("lblAltro10")->text();
    const QString titleCaption = control<QLabel>("lblMain1")->text();
    EXPECT_EQ(shown, QString::fromUtf8("» ") + titleCaption + " " + frame::errOmesso + "\r\n" +
                         QString::fromUtf8("» ") + dueCaption + " " + frame::errFormato);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->IDOperazione(), 1);
    EXPECT_EQ(control<QLineEdit>("txtAltro", 8)->text(), "Anna");
    // The unticked second loan group was settled with today's date.
    EXPECT_EQ(card::ParseUserDate(control<QLineEdit>("txtAltro", 12)->text()), QDate::currentDate());
    EXPECT_EQ(cardCount(), 0);
    QLocale::setDefault(QLocale::c());
}

// Pictures of the window in three categories for the documentation, taken only when asked for:
// TROVEX2_CARD_SHOTS=<folder> (run under a real display such as Xvfb).
TEST_F(CardWindow, Screenshots) {
    const QString folder = qEnvironmentVariable("TROVEX2_CARD_SHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "TROVEX2_CARD_SHOTS not set";
    struct Shot {
        int category, section;
        const char* name;
    } shots[] = {{1, 1, "card-music.png"}, {2, 2, "card-books.png"}, {4, 4, "card-dvd.png"}};
    for (const Shot& s : shots) {
        window->move(0, 0);
        open(s.category, 0, 1);
        control<QLineEdit>("txtMain1")->setText("Sample card");
        control<QLineEdit>("txtDescrizione", 0)->setText("Sample author");
        control<QLineEdit>("txtMain2")
            ->setText("usr\\kupro\\cat\\" + QString::number(s.category) + "\\thumb.jpg");
        window->appendElementRow(1, {"First element", "2:31", "", "", "", "", "", ""}, false);
        window->appendElementRow(1, {"Second element", "4:05", "", "", "", "", "", ""}, false);
        window->setIDSezione(s.section);
        window->show();
        window->raise();
        QTest::qWait(400);
        window->grab().save(folder + "/" + s.name);
        window->hide();
    }
}

TEST_F(CardWindow, ImageRowsShowTheirPictureAndBadFilesLeaveThePanelAsItWas) {
    const QString folder = frame::folders().userData + "cat/1/";
    ASSERT_TRUE(QImage(434, 100, QImage::Format_RGB32).save(folder + "wide.png"));
    QFile text(folder + "notapicture.jpg");
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("plain text, not a picture");
    text.close();
    open(1, 0, 1);
    window->appendElementRow(3, {"wide", "", "", "", "", "", "", "usr\\kupro\\cat\\1\\wide.png"}, false);
    window->appendElementRow(3, {"broken", "", "", "", "", "", "", "usr\\kupro\\cat\\1\\notapicture.jpg"},
                             false);
    window->appendElementRow(3, {"no file", "", "", "", "", "", "", ""}, false);
    auto* imgMain = control<ui::PictureBox>("imgMain");

    window->setIDSezione(9);  // the first row is selected and shown, fitted into 217 x 217
    EXPECT_EQ(window->list(3)->currentItem(), window->list(3)->topLevelItem(0));
    ASSERT_TRUE(imgMain->hasPicture());
    EXPECT_EQ(imgMain->size(), QSize(217, 50));
    EXPECT_TRUE(control<QWidget>("btnPlay")->isEnabled());

    press("btnForward");  // the next row: not a picture, the panel keeps the wide one
    EXPECT_EQ(window->list(3)->currentItem(), window->list(3)->topLevelItem(1));
    EXPECT_EQ(imgMain->picture().size(), QSize(434, 100));
    press("btnForward");  // no file: nothing new
    press("btnForward");  // on the last row Down keeps the last row
    EXPECT_EQ(window->list(3)->currentItem(), window->list(3)->topLevelItem(2));
    EXPECT_EQ(imgMain->picture().size(), QSize(434, 100));
    press("btnBack");
    EXPECT_EQ(window->list(3)->currentItem(), window->list(3)->topLevelItem(1));

    // Sections without media rows offer no navigation.
    window->setIDSezione(10);
    EXPECT_FALSE(control<QWidget>("btnBack")->isEnabled());
    EXPECT_FALSE(control<QWidget>("btnPlay")->isEnabled());
}

TEST_F(CardWindow, ASaveThatFailsHalfWayKeepsNothingAndTheCardStaysOpenWithItsInput) {
    store::Connection::Open(frame::folders().catalogueDatabase, "KRV4172")
        ->Execute(
            "CREATE TRIGGER [refuse] BEFORE INSERT ON [tblElementi] WHEN NEW.[sElementi1] = 'FAIL' "
            "BEGIN SELECT RAISE(ABORT, 'refused'); END");
    open(1, 0, 1);
    control<QLineEdit>("txtMain1")->setText("Half way");
    window->appendElementRow(1, row("fine"), false);
    window->appendElementRow(1, row("FAIL"), false);
    bool errorShown = false;
    testmodal::WhenModal([&errorShown](QWidget* confirm) {
        testmodal::WhenModal(
            [&errorShown](QWidget* error) {
                errorShown = true;
                testmodal::PressKey(error, Qt::Key_Return);
                if (error->isVisible()) error->close();
            },
            confirm);
        testmodal::PressKey(confirm, Qt::Key_Return);
    });
    press("btnSave");
    EXPECT_TRUE(errorShown);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->IDOperazione(), 1);
    EXPECT_EQ(control<QLineEdit>("txtMain1")->text(), "Half way");
    EXPECT_EQ(window->list(1)->topLevelItemCount(), 2);
    EXPECT_EQ(cardCount(), 0);

    // Once the fault is gone the same input saves.
    store::Connection::Open(frame::folders().catalogueDatabase, "KRV4172")->Execute("DROP TRIGGER [refuse]");
    pressConfirmed("btnSave");
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(cardCount(), 1);
}

TEST_F(CardWindow, TypingLimitsNeverCutWhatWasLoaded) {
    open(1, 0, 1);
    window->setIDSezione(8);
    auto* others = control<QPlainTextEdit>("txtAltro", 4);
    others->setFocus();
    QTest::keyClicks(others, QString(300, 'a'));
    EXPECT_EQ(others->toPlainText().size(), 255);
    others->setPlainText(QString(400, 'b'));  // as a loaded card would set it
    EXPECT_EQ(others->toPlainText().size(), 400);
    auto* author = control<QLineEdit>("txtDescrizione", 0);
    author->setText(QString(80, 'c'));
    EXPECT_EQ(author->text().size(), 80);
    QTest::keyClicks(author, "d");
    EXPECT_EQ(author->text().size(), 80);
}

TEST_F(CardWindow, ValuePickersOpenOnDoubleClickAndF4EvenInViewMode) {
    QStringList asked;
    window->setValuePicker([&asked](const QString& title, const QString& column) {
        asked << title + "|" + column;
        return column == "sPrincipali1" ? QString() : QString("Picked");
    });
    open(1, 0, 0);
    auto* genre = control<QLineEdit>("txtDescrizione", 1);
    QTest::mouseDClick(genre, Qt::LeftButton);
    EXPECT_EQ(genre->text(), "Picked");
    window->setIDSezione(2);
    auto* original = control<QLineEdit>("txtPrincipali", 0);
    original->setText("kept");
    original->setFocus();
    QTest::keyClick(original, Qt::Key_F4);
    EXPECT_EQ(original->text(), "kept");  // an empty choice changes nothing
    // Fields without a picker: the title and the several-line boxes.
    QTest::mouseDClick(control<QLineEdit>("txtMain1"), Qt::LeftButton);
    ASSERT_EQ(asked.size(), 2);
    EXPECT_EQ(asked[0], window->fieldCaption(1, 1) + "|sDescrizione2");
    EXPECT_EQ(asked[1], window->fieldCaption(2, 0) + "|sPrincipali1");
}

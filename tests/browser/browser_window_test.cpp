// The browser window on a fresh installation: start state, paging buttons, search, tiles, the
// access stamp and deleting with confirmation.

#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest/QTest>

#include "browser/frmBrowser.h"
#include "frame/Language.h"
#include "store/CatalogueFixture.h"
#include "ui/ModalDriver.h"

using namespace browser;

namespace {

class BrowserTest : public CatalogueTest {
protected:
    void TearDown() override {
        window.reset();
        CatalogueTest::TearDown();
    }
    frmBrowser& open() {
        window = std::make_unique<frmBrowser>();
        window->setCloseAction([this] { closed = true; });
        window->sbInit();
        window->show();
        return *window;
    }
    QStringList shownTitles() {
        QStringList out;
        for (int k = 0; k < kTilesPerPage; ++k)
            if (window->itmMain(k)->Enabled()) out << window->itmMain(k)->Caption();
        return out;
    }
    void press(const QString& name) {
        QTest::mousePress(window->button(name), Qt::LeftButton, {}, QPoint(5, 5));
    }
    QString lastOpened(int id) {
        store::RecordSource s;
        EXPECT_TRUE(
            store::OpenRecordSource(s, "SELECT * FROM [tblSchede] WHERE [ID] = " + QString::number(id)));
        return s.recordset()->value("dtUltimo").toDate().toString(Qt::ISODate);
    }
    std::unique_ptr<frmBrowser> window;
    bool closed = false;
};

TEST_F(BrowserTest, StartsOnTheFirstCategoryAllViewFirstPage) {
    for (int i = 0; i < 3; ++i) addCard(1, QString("Music %1").arg(i));
    frmBrowser& b = open();
    EXPECT_EQ(b.IDCategoria(), 1);
    EXPECT_EQ(b.IDFiltro(), 0);
    EXPECT_EQ(b.Pagina(), 0);
    EXPECT_EQ(b.lblPagina()->text(), "1/1");
    EXPECT_EQ(shownTitles(), QStringList({"Music 0", "Music 1", "Music 2"}));
    EXPECT_EQ(b.shpCat()->geometry(), b.btnCat(0)->geometry());
    EXPECT_EQ(b.shpView()->geometry(), b.viewButton(0)->geometry());
    EXPECT_EQ(b.btnCat(0)->toolTip(), "Music records");
    EXPECT_FALSE(b.button("btnFind")->isEnabled());
    EXPECT_FALSE(b.button("btnClear")->isEnabled());
    EXPECT_TRUE(b.button("btnNew")->isEnabled());
    // Tile 7 is the second of the second column.
    EXPECT_EQ(b.itmMain(7)->geometry(), QRect(208, 228, 185, 41));
}

TEST_F(BrowserTest, PagingButtonsStayWithinTheList) {
    for (int i = 0; i < 30; ++i) addCard(2, QString("Book %1").arg(i, 2, 10, QChar('0')));
    frmBrowser& b = open();
    press("btnCat");  // the first category button
    QTest::mousePress(b.btnCat(1), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(b.Pagine(), 2);
    press("btnPrevious");
    EXPECT_EQ(b.Pagina(), 0);
    press("btnLast");
    EXPECT_EQ(b.lblPagina()->text(), "2/2");
    EXPECT_EQ(shownTitles().size(), 6);
    press("btnNext");
    EXPECT_EQ(b.Pagina(), 1);
    press("btnFirst");
    EXPECT_EQ(b.lblPagina()->text(), "1/2");
    // A view change returns to the first page and keeps the category.
    press("btnLast");
    QTest::mousePress(b.viewButton(5), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(b.IDFiltro(), 5);
    EXPECT_EQ(b.Pagina(), 0);
    EXPECT_EQ(b.IDCategoria(), 2);
}

TEST_F(BrowserTest, SearchNarrowsTheListUntilCleared) {
    addCard(1, "Alpha", {{"sDescrizione1", "Miles"}});
    addCard(1, "Beta", {{"sDescrizione1", "Ella"}});
    frmBrowser& b = open();
    b.txtIlCampo()->setText("Artist");
    EXPECT_FALSE(b.button("btnFind")->isEnabled());
    b.txtContiene()->setText("mil");
    EXPECT_TRUE(b.button("btnFind")->isEnabled());
    // The picker set the field.
    const_cast<cFilter&>(b.filter()).FieldName[0] = "sDescrizione1";
    QTest::keyClick(b.txtContiene(), Qt::Key_Return);
    EXPECT_EQ(shownTitles(), QStringList{"Alpha"});
    EXPECT_TRUE(b.button("btnClear")->isEnabled());
    EXPECT_EQ(b.filter().SQL, " AND [sDescrizione1] LIKE '*mil*'");
    press("btnClear");
    EXPECT_EQ(shownTitles(), QStringList({"Alpha", "Beta"}));
    EXPECT_TRUE(b.txtContiene()->text().isEmpty());
    EXPECT_FALSE(b.filter().Enabled);
}

TEST_F(BrowserTest, ClickSelectsAndDoubleClickStampsTodayAndOpensTheCard) {
    addCard(1, "Alpha", {{"dtUltimo", QDate(2001, 1, 1)}});
    const int beta = addCard(1, "Beta", {{"dtUltimo", QDate(2001, 1, 1)}});
    frmBrowser& b = open();
    QSignalSpy opened(&b, &frmBrowser::openCard);
    QWidget* area = b.itmMain(1)->findChild<QWidget*>("lblArea");
    QTest::mousePress(area, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(b.IDScheda(), beta);
    EXPECT_TRUE(b.itmMain(1)->Focus());
    EXPECT_FALSE(b.itmMain(0)->Focus());
    QTest::mouseDClick(area, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(lastOpened(beta), QDate::currentDate().toString(Qt::ISODate));
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0][0].toInt(), 1);
    EXPECT_EQ(opened[0][1].toInt(), beta);
    EXPECT_EQ(opened[0][2].toInt(), kOpView);
    EXPECT_EQ(opened[0][3].toInt(), 1);
    EXPECT_FALSE(b.isVisible());
}

TEST_F(BrowserTest, EmptyTilesHearNothing) {
    addCard(1, "Only");
    frmBrowser& b = open();
    QSignalSpy opened(&b, &frmBrowser::openCard);
    QWidget* area = b.itmMain(5)->findChild<QWidget*>("lblArea");
    QTest::mouseDClick(area, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(opened.size(), 0);
    EXPECT_EQ(b.IDScheda(), 0);
}

TEST_F(BrowserTest, DeleteAsksFirstAndCancelChangesNothing) {
    frame::cnfElimina = "Delete?";
    const int alpha = addCard(1, "Alpha");
    addElement(alpha, 1, "track");
    addCard(1, "Beta");
    frmBrowser& b = open();
    b.setIDScheda(alpha);
    testmodal::WhenModal([](QWidget* dialog) { testmodal::PressKey(dialog, Qt::Key_Escape); });
    b.sbDelete();
    EXPECT_EQ(titles("SELECT * FROM [tblSchede]").size(), 2);
    EXPECT_EQ(titles("SELECT * FROM [tblElementi]", "sElementi1").size(), 1);

    b.setIDScheda(alpha);
    testmodal::WhenModal([](QWidget* dialog) { testmodal::PressKey(dialog, Qt::Key_Return); });
    b.sbDelete();
    EXPECT_EQ(titles("SELECT * FROM [tblSchede]"), QStringList{"Beta"});
    EXPECT_TRUE(titles("SELECT * FROM [tblElementi]", "sElementi1").isEmpty());
    EXPECT_EQ(shownTitles(), QStringList{"Beta"});
    EXPECT_EQ(b.IDScheda(), 0);
}

TEST_F(BrowserTest, NewAndEditOpenTheCardWindowAndCloseEndsTheProgram) {
    const int alpha = addCard(3, "Alpha");
    frmBrowser& b = open();
    QSignalSpy opened(&b, &frmBrowser::openCard);
    b.setIDCategoria(3);
    b.setIDScheda(alpha);
    b.sbEdit();
    b.show();
    b.sbNew();
    ASSERT_EQ(opened.size(), 2);
    EXPECT_EQ(opened[0][1].toInt(), alpha);
    EXPECT_EQ(opened[0][2].toInt(), kOpEdit);
    EXPECT_EQ(opened[1][0].toInt(), 3);
    EXPECT_EQ(opened[1][1].toInt(), 0);
    EXPECT_EQ(opened[1][2].toInt(), kOpNew);
    b.show();
    press("btnClose");
    EXPECT_TRUE(closed);
}

}  // namespace

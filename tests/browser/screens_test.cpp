// The browser as the user sees it: a few hundred cards, tiles over the skin's background, and the
// other skin applied from the chooser. With TROVEX2_SHOTS set to a folder (and a real display, e.g.
// under xvfb-run with QT_QPA_PLATFORM=xcb) the screen is saved as browser-<skin>.png there.

#include <QDate>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QtTest/QTest>

#include "browser/frmBrowser.h"
#include "frame/Folders.h"
#include "store/CatalogueFixture.h"
#include "ui/SkinHolder.h"
#include "ui/frmSkin.h"

using namespace browser;

namespace {

const char* const kWords[] = {"Blue", "Night", "River", "Song",  "City",   "Dream",  "Silver", "Moon",
                              "Road", "Storm", "Light", "Heart", "Winter", "Summer", "Rain",   "Stone"};
const char* const kArtists[] = {"Miles Davis", "Ella Fitzgerald", "Fabrizio De Andre", "Mina",
                                "Nina Simone", "Lucio Dalla",     "Chet Baker",        "Paolo Conte"};
const char* const kGenres[] = {"Jazz", "Pop", "Rock", "Blues", "Classical", "Folk"};

class ScreensTest : public CatalogueTest {
protected:
    void addCollection(int cards) {
        auto connection =
            store::Connection::Open(frame::folders().catalogueDatabase, frame::kDatabasePassword);
        store::Transaction batch(connection);
        for (int i = 0; i < cards; ++i) {
            const QString title = QString("%1 %2").arg(kWords[(i / 16) % 16], kWords[(i * 7) % 16]);
            QVariantMap more{{"sDescrizione1", kArtists[i % 8]},
                             {"sDescrizione2", kGenres[i % 6]},
                             {"dtCaricamento", QDate(2004, 1, 1).addDays(i)},
                             {"nAccessi", (i * 37) % 1500}};
            if (i % 9 == 0)
                more.insert({{"bAltro8", -1},
                             {"sAltro9", kArtists[(i + 3) % 8]},
                             {"dtAltro10", QDate(2024, 6, 1).addDays(i)}});
            addCard(1 + (i % 4 == 3 ? 1 : 0), title, more);
        }
        batch.Commit();
    }
    void shoot(const QString& name) {
        const QString folder = qEnvironmentVariable("TROVEX2_SHOTS");
        if (folder.isEmpty()) return;
        QTest::qWait(400);
        QDir().mkpath(folder);
        QGuiApplication::primaryScreen()->grabWindow(0).save(folder + "/browser-" + name + ".png");
    }
};

TEST_F(ScreensTest, BrowserShowsAPageAndTakesTheOtherSkin) {
    addCollection(300);
    frmBrowser browser;
    browser.setCloseAction([] {});
    browser.sbInit();
    browser.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&browser));
    EXPECT_EQ(browser.lblPagina()->text(), "1/10");
    QTest::mousePress(browser.itmMain(2)->findChild<QWidget*>("lblArea"), Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_TRUE(browser.itmMain(2)->Focus());
    const QImage before = browser.itmMain(0)->background().toImage();
    ASSERT_FALSE(before.isNull());
    // The tile's background is the piece of the window's background under it.
    EXPECT_EQ(before, browser.backgroundPicture().copy(browser.itmMain(0)->geometry()).toImage());
    shoot("predeterminado");

    ui::ApplySkin("notte");
    ui::SkinHolder().notifySkinChanged();
    QTest::qWait(50);
    const QImage after = browser.itmMain(0)->background().toImage();
    EXPECT_NE(after, before);
    EXPECT_EQ(after, browser.backgroundPicture().copy(browser.itmMain(0)->geometry()).toImage());
    QTest::mousePress(browser.viewButton(2), Qt::LeftButton, {}, QPoint(5, 5));
    shoot("notte");
    ui::ApplySkin("predeterminado");
    ui::SkinHolder().notifySkinChanged();
}

}  // namespace

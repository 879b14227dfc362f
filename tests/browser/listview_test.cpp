// The list of a browser page on the real catalogue: paging, the seven views, the search clauses and
// the tile pictures.

#include <QDate>
#include <QFile>
#include <QLocale>

#include "browser/ListViewLoader.h"
#include "browser/cFilter.h"
#include "frame/Paths.h"
#include "store/CatalogueFixture.h"
#include "store/DbError.h"

using namespace browser;

namespace {

class ListViewTest : public CatalogueTest {
protected:
    PageLoad load(int category, int view, int page, const QString& filter = QString()) {
        store::RecordSource dcMain{"dcMain"};
        PageLoad result = ListViewLoader(category, view, filter).load(dcMain, page);
        dcMain.close();
        return result;
    }
    QStringList captions(const PageLoad& page) {
        QStringList out;
        for (const TileText& t : page.tiles)
            if (t.filled) out << t.caption;
        return out;
    }
    void addCards(int n, int category = 1) {
        for (int i = 0; i < n; ++i) addCard(category, QString("Card %1").arg(i, 3, 10, QChar('0')));
    }
};

TEST(PagingArithmetic, PageCountAndLabel) {
    struct Case {
        int rows, pages;
    } cases[] = {{0, 1}, {1, 1}, {24, 1}, {25, 2}, {48, 2}, {49, 3}};
    for (const Case& c : cases) EXPECT_EQ(PageCount(c.rows), c.pages) << c.rows;
    EXPECT_EQ(PageLabel(1, 5), "2/5");
}

TEST_F(ListViewTest, EmptyCategoryHasOnePageOfEmptyTiles) {
    const PageLoad page = load(1, 0, 0);
    EXPECT_TRUE(page.ok);
    EXPECT_EQ(page.pages, 1);
    EXPECT_EQ(page.label, "1/1");
    EXPECT_TRUE(captions(page).isEmpty());
}

TEST_F(ListViewTest, TwentyFourCardsFillOnePage) {
    addCards(24);
    addCards(3, 2);  // another category does not count
    const PageLoad page = load(1, 0, 0);
    EXPECT_EQ(page.rows, 24);
    EXPECT_EQ(page.pages, 1);
    EXPECT_EQ(captions(page).size(), 24);
}

TEST_F(ListViewTest, TwentyFifthCardOpensASecondPage) {
    addCards(25);
    const PageLoad first = load(1, 0, 0);
    const PageLoad second = load(1, 0, 1);
    EXPECT_EQ(first.pages, 2);
    EXPECT_EQ(second.label, "2/2");
    EXPECT_EQ(captions(first).first(), "Card 000");
    EXPECT_EQ(captions(second), QStringList{"Card 024"});
    EXPECT_FALSE(second.tiles[1].filled);
    // A page past the end shows empty tiles.
    EXPECT_TRUE(captions(load(1, 0, 5)).isEmpty());
}

TEST_F(ListViewTest, LastPageHoldsTheRowsAWalkFromTheFirstRowReaches) {
    for (int i = 0; i < 60; ++i) addCard(1, QString("T%1").arg((i * 37) % 60, 2, 10, QChar('0')));
    const QStringList all = titles(ListQuery(1, QString(), 0));
    const PageLoad last = load(1, 0, 2);
    EXPECT_EQ(captions(last), all.mid(48));
}

TEST(ViewClauses, EachViewAddsItsClause) {
    const char* expected[] = {" ORDER BY [sMain1] ASC",
                              " ORDER BY [dtUltimo] DESC",
                              " AND [bAltro8] ORDER BY [dtAltro10] ASC",
                              " AND [bAltro11] ORDER BY [dtAltro13] ASC",
                              " ORDER BY [sMain1] ASC",
                              " ORDER BY [nAccessi] DESC",
                              " ORDER BY [dtCaricamento] ASC"};
    for (int v = 0; v < kViews; ++v) EXPECT_EQ(ViewClause(v), expected[v]) << v;
    EXPECT_EQ(ViewClause(7), "");
    EXPECT_EQ(
        ListQuery(3, " AND x", 2),
        "SELECT * FROM [tblSchede] WHERE [IDCategoria] = 3 AND x AND [bAltro8] ORDER BY [dtAltro10] ASC");
}

TEST_F(ListViewTest, EachViewShowsItsTextsAndOrder) {
    const QDate d1(2004, 4, 3), d2(2005, 12, 1);
    const QLocale locale = QLocale::system();
    const QString s1 = locale.toString(d1, QLocale::ShortFormat),
                  s2 = locale.toString(d2, QLocale::ShortFormat);
    addCard(1, "Beta",
            {{"sDescrizione1", "desc B"},
             {"sDescrizione2", "genre B"},
             {"dtUltimo", d1},
             {"bAltro8", -1},
             {"sAltro9", "Anna"},
             {"dtAltro10", d2},
             {"nAccessi", 1234},
             {"dtCaricamento", d2}});
    addCard(1, "Alpha",
            {{"sDescrizione1", "desc A"},
             {"sDescrizione2", "genre A"},
             {"dtUltimo", d2},
             {"bAltro11", -1},
             {"sAltro12", "Bruno"},
             {"dtAltro13", d1},
             {"nAccessi", 7},
             {"dtCaricamento", d1}});
    struct Case {
        int view;
        QStringList order;
        QString text1, text2;  // of the first tile
    } cases[] = {
        {0, {"Alpha", "Beta"}, "genre A", "desc A"},
        {1, {"Alpha", "Beta"}, s2, "desc A"},
        {2, {"Beta"}, "Anna", QString::fromUtf8("» ") + s2},
        {3, {"Alpha"}, "Bruno", QString::fromUtf8("« ") + s1},
        {4, {"Alpha", "Beta"}, "genre A", "desc A"},
        {5, {"Beta", "Alpha"}, "n. " + locale.toString(1234), "desc B"},
        {6, {"Alpha", "Beta"}, s1, "desc A"},
    };
    for (const Case& c : cases) {
        const PageLoad page = load(1, c.view, 0);
        EXPECT_EQ(captions(page), c.order) << "view " << c.view;
        EXPECT_EQ(page.tiles[0].text1, c.text1) << "view " << c.view;
        EXPECT_EQ(page.tiles[0].text2, c.text2) << "view " << c.view;
    }
}

TEST_F(ListViewTest, MissingValuesShowEmptyTextsAndTheMarkAlone) {
    addCard(1, "Bare", {{"bAltro8", -1}});
    const PageLoad page = load(1, 2, 0);
    ASSERT_TRUE(page.tiles[0].filled);
    EXPECT_EQ(page.tiles[0].text1, "");
    EXPECT_EQ(page.tiles[0].text2, QString::fromUtf8("» "));
}

TEST_F(ListViewTest, TilePictureFallsBackToTheCategoryThumbnail) {
    QFile(install.file("usr/kupro/cat/1/own.jpg")).open(QIODevice::WriteOnly);
    const int own = addCard(1, "A own", {{"sMain2", "usr\\kupro\\cat\\1\\own.jpg"}});
    const int missing = addCard(1, "B missing", {{"sMain2", "usr\\kupro\\cat\\1\\gone.jpg"}});
    const int none = addCard(1, "C none");
    const PageLoad page = load(1, 0, 0);
    const QString thumb = frame::ResolvePath(install.file("usr/kupro/cat/1/thumb.jpg"));
    EXPECT_EQ(page.tiles[0].id, own);
    EXPECT_TRUE(page.tiles[0].picture.endsWith("own.jpg"));
    EXPECT_EQ(page.tiles[1].id, missing);
    EXPECT_EQ(frame::ResolvePath(page.tiles[1].picture), thumb);
    EXPECT_EQ(page.tiles[2].id, none);
    EXPECT_EQ(frame::ResolvePath(page.tiles[2].picture), thumb);
}

TEST(SearchClauses, FieldAndElementClauses) {
    EXPECT_EQ(SearchClause("sDescrizione1", "abc"), " AND [sDescrizione1] LIKE '*abc*'");
    EXPECT_EQ(SearchClause("sElementi1", "abc"),
              " AND [ID] IN (SELECT [IDScheda] AS [ID] FROM [tblElementi]WHERE [sElementi1] LIKE '*abc*')");
    EXPECT_EQ(SearchClause("sMain1", "l'amore"), " AND [sMain1] LIKE '*l''amore*'");
}

TEST_F(ListViewTest, FieldSearchFindsContainedTextWithoutCase) {
    addCard(1, "One", {{"sDescrizione1", "Rock ABC band"}});
    addCard(1, "Two", {{"sDescrizione1", "jazz"}});
    addCard(2, "Other", {{"sDescrizione1", "abc"}});
    EXPECT_EQ(captions(load(1, 0, 0, SearchClause("sDescrizione1", "abc"))), QStringList{"One"});
}

TEST_F(ListViewTest, ElementSearchFindsCardsThroughTheirElements) {
    const int withElement = addCard(1, "Has element");
    addElement(withElement, 3, "xAbCx");
    const int other = addCard(1, "Other element");
    addElement(other, 1, "nothing here");
    addCard(1, "No elements", {{"sMain1", "abc title"}});
    EXPECT_EQ(captions(load(1, 0, 0, SearchClause("sElementi1", "abc"))), QStringList{"Has element"});
}

TEST_F(ListViewTest, QuotesInTheSearchTextAreSearchedNotRun) {
    addCard(1, "L'amore");
    addCard(1, "Plain");
    for (const QString& text :
         {QString("L'amore"), QString("' OR 1=1 OR '"), QString("x'); DELETE FROM [tblSchede]; --")}) {
        const PageLoad page = load(1, 0, 0, SearchClause("sMain1", text));
        EXPECT_TRUE(page.ok) << text.toStdString();
        EXPECT_EQ(captions(page), text == "L'amore" ? QStringList{"L'amore"} : QStringList{})
            << text.toStdString();
    }
    EXPECT_EQ(titles("SELECT * FROM [tblSchede]").size(), 2);
}

TEST_F(ListViewTest, FieldsWithoutATextColumnFindNothingAndRaiseNoError) {
    addCard(1, "Lent", {{"bAltro8", -1}, {"dtAltro10", QDate(2004, 4, 3)}});
    int reported = 0;
    store::SetErrorReporter([&](int, const QString&) { ++reported; });
    for (const char* field : {"sAltro8", "sAltro10", "sNoSuchColumn"}) {
        const PageLoad page = load(1, 0, 0, SearchClause(field, "2004"));
        EXPECT_TRUE(page.ok) << field;
        EXPECT_TRUE(captions(page).isEmpty()) << field;
        EXPECT_EQ(page.label, "1/1");
    }
    store::SetErrorReporter(nullptr);
    EXPECT_EQ(reported, 0);
}

}  // namespace

// Every statement form the windows issue, run as the windows write it against a real catalogue file.

#include <QDate>

#include "CatalogueFixture.h"
#include "store/DbError.h"
#include "store/SqlText.h"

namespace {

const QString kList = "SELECT * FROM [tblSchede] WHERE [IDCategoria] = ";

TEST_F(CatalogueTest, ListQueryOrdersOfTheViews) {
    addCard(1, "beta",
            {{"dtUltimo", QDate(2004, 3, 2)}, {"nAccessi", 5}, {"dtCaricamento", QDate(2001, 1, 1)}});
    addCard(1, "Alpha",
            {{"dtUltimo", QDate(2004, 3, 9)}, {"nAccessi", 1}, {"dtCaricamento", QDate(2003, 1, 1)}});
    addCard(1, "Èco",
            {{"dtUltimo", QDate(2003, 1, 1)}, {"nAccessi", 9}, {"dtCaricamento", QDate(2002, 1, 1)}});
    addCard(2, "other category");

    struct Case {
        const char* clause;
        QStringList expected;
    } cases[] = {
        {" ORDER BY [sMain1] ASC", {"Alpha", "beta", "Èco"}},  // no regard to case; È beside E
        {" ORDER BY [dtUltimo] DESC", {"Alpha", "beta", "Èco"}},
        {" ORDER BY [nAccessi] DESC", {"Èco", "beta", "Alpha"}},
        {" ORDER BY [dtCaricamento] ASC", {"beta", "Èco", "Alpha"}},
    };
    for (const auto& c : cases) EXPECT_EQ(titles(kList + "1" + c.clause), c.expected) << c.clause;
}

TEST_F(CatalogueTest, LoanViewsUseTheFlagAsCondition) {
    addCard(3, "lent late", {{"bAltro8", true}, {"dtAltro10", QDate(2005, 6, 1)}});
    addCard(3, "lent early", {{"bAltro8", true}, {"dtAltro10", QDate(2005, 1, 1)}});
    addCard(3, "returned", {{"bAltro8", false}, {"dtAltro10", QDate(2004, 1, 1)}});
    addCard(3, "borrowed", {{"bAltro11", true}, {"dtAltro13", QDate(2005, 1, 1)}});
    EXPECT_EQ(titles(kList + "3 AND [bAltro8] ORDER BY [dtAltro10] ASC"),
              (QStringList{"lent early", "lent late"}));
    EXPECT_EQ(titles(kList + "3 AND [bAltro11] ORDER BY [dtAltro13] ASC"), QStringList{"borrowed"});
}

TEST_F(CatalogueTest, FieldSearchMatchesWithoutCase) {
    addCard(1, "x", {{"sDescrizione1", "The BEATLES"}});
    addCard(1, "y", {{"sDescrizione1", "Città Vuota"}});
    addCard(1, "z", {{"sDescrizione1", "Rolling Stones"}});
    EXPECT_EQ(titles(kList + "1 AND [sDescrizione1] LIKE '*beat*' ORDER BY [sMain1] ASC"), QStringList{"x"});
    EXPECT_EQ(titles(kList + "1 AND [sDescrizione1] LIKE '*CITTÀ*' ORDER BY [sMain1] ASC"), QStringList{"y"});
    EXPECT_EQ(titles(kList + "1 AND [sDescrizione1] LIKE '**' ORDER BY [sMain1] ASC"),
              (QStringList{"x", "y", "z"}));
}

TEST_F(CatalogueTest, ElementSearchThroughSubqueryWithoutSpaceBeforeWhere) {
    const int a = addCard(1, "has element");
    const int b = addCard(1, "has review");
    addCard(1, "no elements");
    addElement(a, 1, "xAbCx");
    addElement(b, 2, "the abc review");
    const QString filter =
        " AND [ID] IN (SELECT [IDScheda] AS [ID] FROM [tblElementi]WHERE [sElementi1] LIKE '*abc*')";
    EXPECT_EQ(titles(kList + "1" + filter + " ORDER BY [sMain1] ASC"),
              (QStringList{"has element", "has review"}));
}

TEST_F(CatalogueTest, DateStampDeleteAndDistinct) {
    const int id = addCard(1, "card", {{"sDescrizione2", "Rock"}});
    addCard(1, "other", {{"sDescrizione2", "rock"}});
    addCard(1, "third", {{"sDescrizione2", ""}});
    addElement(id, 1, "track");
    ASSERT_TRUE(store::OpenRecordSource(source, kList + "1"));
    source.execute("UPDATE [tblSchede] SET [dtUltimo] = " + store::SqlDate(QDate(2004, 12, 1)) +
                   " WHERE [ID] = " + QString::number(id));
    EXPECT_EQ(titles("SELECT * FROM [tblSchede] WHERE [ID] = " + QString::number(id), "dtUltimo"),
              QStringList{"2004-12-01"});

    // Values differing only in case are one value, as the value pickers expect; empty ones are left out.
    EXPECT_EQ(titles("SELECT DISTINCT [sDescrizione2] FROM [tblSchede] WHERE [sDescrizione2] <> ''",
                     "sDescrizione2")
                  .size(),
              1);

    source.execute("DELETE FROM [tblSchede] WHERE [ID] = " + QString::number(id));
    source.execute("DELETE FROM [tblElementi] WHERE [IDScheda] = " + QString::number(id));
    EXPECT_TRUE(titles("SELECT * FROM [tblSchede] WHERE [ID] = " + QString::number(id)).isEmpty());
    EXPECT_TRUE(
        titles("SELECT * FROM [tblElementi] WHERE [IDScheda] = " + QString::number(id), "ID").isEmpty());
}

TEST_F(CatalogueTest, ElementsOfAKindComeInIdOrder) {
    const int card = addCard(1, "album");
    for (const char* t : {"one", "two", "three"}) addElement(card, 1, t);
    addElement(card, 3, "picture");
    EXPECT_EQ(titles("SELECT * FROM [tblElementi] WHERE [IDScheda] = " + QString::number(card) +
                         " AND [IDTipo] = 1",
                     "sElementi1"),
              (QStringList{"one", "two", "three"}));
}

TEST_F(CatalogueTest, MaxIdOnEmptyTableAndAfterDeletingTheLargest) {
    EXPECT_EQ(store::MaxId("tblSchede", "ID"), 0);
    EXPECT_EQ(addCard(1, "first"), 1);
    EXPECT_EQ(addCard(1, "second"), 2);
    ASSERT_TRUE(store::OpenRecordSource(source, kList + "1"));
    source.execute("DELETE FROM [tblSchede] WHERE [ID] = 2");
    EXPECT_EQ(addCard(1, "again"), 2);
    EXPECT_THROW(store::MaxId("tblNone", "ID"), store::DbError);
}

TEST_F(CatalogueTest, PrintDatabaseStatements) {
    const QString print = frame::folders().printDatabase;
    ASSERT_TRUE(store::OpenRecordSource(source, "SELECT * FROM [Elementi]", print));
    source.execute("DELETE FROM [Elementi]");
    source.execute("INSERT INTO [Elementi] ([ID]) VALUES (1)");
    source.refresh();
    ASSERT_FALSE(source.recordset()->eof());
    EXPECT_EQ(source.recordset()->value("ID").toInt(), 1);
    EXPECT_TRUE(source.recordset()->value("sElementi1").isNull());

    ASSERT_TRUE(store::OpenRecordSource(source, "SELECT * FROM [Schede]", print));
    source.execute("DELETE FROM [Schede]");
    source.refresh();
    EXPECT_TRUE(source.recordset()->eof() && source.recordset()->bof());
}

}  // namespace

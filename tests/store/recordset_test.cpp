// Record sets: navigation, editing, errors and all-or-nothing writes.

#include <QDateTime>
#include <QFile>

#include "CatalogueFixture.h"
#include "store/DbError.h"
#include "store/Schema.h"

namespace {

TEST_F(CatalogueTest, EmptySetIsAtBothEndsAndRefusesMoves) {
    ASSERT_TRUE(store::OpenRecordSource(source, "SELECT * FROM [tblSchede] WHERE [ID] = -1"));
    auto* rs = source.recordset();
    EXPECT_TRUE(rs->bof());
    EXPECT_TRUE(rs->eof());
    EXPECT_EQ(rs->recordCount(), 0);
    try {
        rs->moveNext();
        FAIL() << "moving past the end must fail";
    } catch (const store::DbError& e) {
        EXPECT_EQ(e.number(), 3021);
    }
    EXPECT_THROW(rs->value("sMain1"), store::DbError);
}

TEST_F(CatalogueTest, WalkBackAndForthAndSkip) {
    for (int i = 1; i <= 30; ++i) addCard(1, QString("card %1").arg(i, 2, 10, QChar('0')));
    ASSERT_TRUE(store::OpenRecordSource(
        source, "SELECT * FROM [tblSchede] WHERE [IDCategoria] = 1 ORDER BY [sMain1] ASC"));
    auto* rs = source.recordset();
    EXPECT_EQ(rs->recordCount(), 30);
    rs->move(24);
    EXPECT_EQ(rs->text("sMain1"), "card 25");
    rs->movePrevious();
    EXPECT_EQ(rs->text("sMain1"), "card 24");
    rs->moveLast();
    EXPECT_EQ(rs->text("sMain1"), "card 30");
    rs->moveNext();
    EXPECT_TRUE(rs->eof());
    rs->moveFirst();
    EXPECT_EQ(rs->text("sMain1"), "card 01");
    EXPECT_EQ(rs->fieldIndex("SMAIN1"), rs->fieldIndex("sMain1"));
    EXPECT_THROW(rs->value("sNoSuchField"), store::DbError);
}

TEST_F(CatalogueTest, EditShowsTheNewValuesAndKeepsThePosition) {
    addCard(1, "a");
    addCard(1, "b");
    ASSERT_TRUE(store::OpenRecordSource(source, "SELECT * FROM [tblSchede] ORDER BY [ID] ASC"));
    auto* rs = source.recordset();
    rs->moveNext();
    rs->edit();
    rs->setValue("sMain1", "b changed");
    EXPECT_EQ(rs->text("sMain1"), "b changed");  // the pending value
    rs->update();
    EXPECT_EQ(rs->text("sMain1"), "b changed");
    EXPECT_EQ(rs->absolutePosition(), 1);

    rs->edit();
    rs->setValue("sMain1", "dropped");
    rs->cancelUpdate();
    EXPECT_EQ(rs->text("sMain1"), "b changed");
}

TEST_F(CatalogueTest, DeleteThenMoveNextLandsOnTheSuccessor) {
    for (const char* t : {"a", "b", "c"}) addCard(1, t);
    ASSERT_TRUE(store::OpenRecordSource(source, "SELECT * FROM [tblSchede] ORDER BY [ID] ASC"));
    auto* rs = source.recordset();
    rs->moveNext();
    rs->deleteRecord();
    EXPECT_THROW(rs->value("sMain1"), store::DbError);
    rs->moveNext();
    EXPECT_EQ(rs->text("sMain1"), "c");
}

TEST_F(CatalogueTest, AnyTextSurvivesUnchanged) {
    const QString text = QString::fromUtf8("It's \"quoted\" ; DROP TABLE x; -- àèéìòù € 日本\nsecond line") +
                         QString(5000, 'z');
    const int id = addCard(1, text, {{"sDescrizione7", text}});
    ASSERT_TRUE(
        store::OpenRecordSource(source, "SELECT * FROM [tblSchede] WHERE [ID] = " + QString::number(id)));
    EXPECT_EQ(source.recordset()->text("sMain1"), text);
    EXPECT_EQ(source.recordset()->text("sDescrizione7"), text);
}

TEST_F(CatalogueTest, FieldTypesRoundTrip) {
    const int id = addCard(1, "t",
                           {{"bAltro8", true},
                            {"dtAltro10", "2004-04-03"},
                            {"dtUltimo", QDateTime(QDate(2004, 3, 9), QTime(18, 30))},
                            {"nAccessi", 1234}});
    ASSERT_TRUE(
        store::OpenRecordSource(source, "SELECT * FROM [tblSchede] WHERE [ID] = " + QString::number(id)));
    auto* rs = source.recordset();
    EXPECT_EQ(rs->value("bAltro8"), QVariant(true));
    EXPECT_EQ(rs->value("bAltro11"), QVariant(false));
    EXPECT_EQ(rs->value("dtAltro10"), QVariant(QDate(2004, 4, 3)));
    EXPECT_EQ(rs->value("dtUltimo"), QVariant(QDateTime(QDate(2004, 3, 9), QTime(18, 30))));
    EXPECT_TRUE(rs->value("dtAltro13").isNull());
    EXPECT_EQ(rs->value("nAccessi"), QVariant(1234));

    rs->edit();
    rs->setValue("dtAltro13", "32/13/2004");
    try {
        rs->update();
        FAIL() << "an impossible date must be refused";
    } catch (const store::DbError& e) {
        EXPECT_EQ(e.number(), 3464);
    }
}

TEST_F(CatalogueTest, TransactionWritesAllOrNothing) {
    addCard(1, "kept");
    ASSERT_TRUE(store::OpenRecordSource(source, "SELECT * FROM [tblSchede]"));
    {
        store::Transaction t(source.connection());
        source.execute("DELETE FROM [tblSchede]");
        addCard(1, "half-written");
        EXPECT_EQ(store::MaxId("tblSchede", "ID"), 1);  // allocation sees the uncommitted rows
        // no commit: everything is undone
    }
    EXPECT_EQ(titles("SELECT * FROM [tblSchede]"), QStringList{"kept"});
    {
        store::Transaction t(source.connection());
        addCard(1, "committed");
        t.Commit();
    }
    EXPECT_EQ(titles("SELECT * FROM [tblSchede] ORDER BY [ID] ASC"), (QStringList{"kept", "committed"}));
}

TEST_F(CatalogueTest, OpenFailuresAreReportedWithTheirNumbers) {
    std::vector<int> reported;
    store::SetErrorReporter([&](int number, const QString&) { reported.push_back(number); });

    EXPECT_FALSE(
        store::OpenRecordSource(source, "SELECT * FROM [tblSchede]", install.file("usr/kupro/db/none.mdb")));
    EXPECT_EQ(source.recordset(), nullptr);
    EXPECT_FALSE(store::OpenRecordSource(source, "SELECT * FROM [tblNone]"));
    EXPECT_FALSE(store::OpenRecordSource(source, "SELECT * FROM [tblSchede] WHERE [sNone] = 1"));

    // A file protected with another password.
    const QString other = install.file("other.mdb");
    store::CreateCatalogueDatabase(other, "secret");
    EXPECT_FALSE(store::OpenRecordSource(source, "SELECT * FROM [tblSchede]", other));

    // A plain, unprotected file is not taken for a catalogue.
    QFile plain(install.file("plain.mdb"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.write(QByteArray(4096, 'x'));
    plain.close();
    EXPECT_FALSE(store::OpenRecordSource(source, "SELECT * FROM [tblSchede]", plain.fileName()));

    EXPECT_EQ(reported, (std::vector<int>{3024, 3078, 3061, 3031, 3031}));
    store::SetErrorReporter(nullptr);
}

TEST_F(CatalogueTest, DatabaseFilesAreEncrypted) {
    QFile f(frame::folders().catalogueDatabase);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray head = f.read(16);
    EXPECT_NE(head, QByteArray("SQLite format 3\0", 16));
    EXPECT_FALSE(f.readAll().contains("tblSchede"));
}

}  // namespace

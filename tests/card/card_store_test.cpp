// Loading, saving and deleting cards on a fresh installation's catalogue: identifiers, element order,
// the all-or-nothing save, and texts that come back exactly as they went in.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "TestSupport.h"
#include "card/CardLoader.h"
#include "card/CardSaver.h"
#include "frame/Folders.h"
#include "store/Connection.h"
#include "store/RecordSource.h"

using namespace card;

namespace {

class CardStore : public ::testing::Test {
protected:
    testsupport::TempInstallation install;
    store::RecordSource dcMain{"dcMain"}, dcSupport{"dcSupport"};

    void TearDown() override {
        dcMain.close();
        dcSupport.close();
        store::Connection::ReleaseAll();
    }

    static ElementRow row(const QString& title, const QString& file = QString()) {
        return {title, "b", "c", "d", "e", "f", "g", file};
    }

    // Saves through the window's path: bind, start adding or editing, write.
    StoreOutcome save(int card, const CardValues& values, const ElementLists& elements, int category = 1) {
        CardValues ignored;
        EXPECT_TRUE(LoadCardRow(dcMain, card, ignored));
        SaveRequest r;
        r.isNew = card == 0;
        r.category = category;
        r.card = card;
        r.values = values;
        r.elements = &elements;
        r.today = QDate(2026, 12, 11);
        return SaveCard(dcMain, dcSupport, r);
    }

    // (ID, IDTipo, sElementi1) of a card's element rows in ID order.
    std::vector<std::tuple<int, int, QString>> elementRowsOf(int card) {
        store::RecordSource s;
        EXPECT_TRUE(store::OpenRecordSource(
            s, "SELECT * FROM [tblElementi] WHERE [IDScheda] = " + QString::number(card) + " ORDER BY [ID]"));
        std::vector<std::tuple<int, int, QString>> rows;
        for (auto* rs = s.recordset(); !rs->eof(); rs->moveNext())
            rows.emplace_back(rs->value("ID").toInt(), rs->value("IDTipo").toInt(), rs->text("sElementi1"));
        return rows;
    }

    int count(const QString& table) {
        store::RecordSource s;
        EXPECT_TRUE(store::OpenRecordSource(s, "SELECT * FROM [" + table + "]"));
        return s.recordset()->recordCount();
    }
};

}  // namespace

TEST_F(CardStore, ANewCardInAnEmptyCatalogueGetsIdOneAndItsElementsOneToNInListOrder) {
    ASSERT_EQ(count("tblSchede"), 0);
    ElementLists lists;
    lists.of(1) = {row("track 1"), row("track 2"), row("track 3")};
    lists.of(2) = {row("review 1"), row("review 2")};
    const StoreOutcome out = save(0, {{"sMain1", "Abbey Road"}}, lists);
    ASSERT_TRUE(out.ok) << out.errorDescription.toStdString();
    EXPECT_EQ(out.card, 1);
    const std::vector<std::tuple<int, int, QString>> expected = {
        {1, 1, "track 1"}, {2, 1, "track 2"}, {3, 1, "track 3"}, {4, 2, "review 1"}, {5, 2, "review 2"}};
    EXPECT_EQ(elementRowsOf(1), expected);

    CardValues values;
    ASSERT_TRUE(LoadCardRow(dcMain, 1, values));
    EXPECT_EQ(values.value("sMain1").toString(), "Abbey Road");
    EXPECT_EQ(values.value("IDCategoria").toInt(), 1);
    EXPECT_EQ(values.value("dtCaricamento").toDate(), QDate(2026, 12, 11));
    const ElementLists loaded = LoadElements(dcSupport, 1);
    EXPECT_EQ(loaded.of(1), lists.of(1));
    EXPECT_EQ(loaded.of(2), lists.of(2));
    EXPECT_TRUE(loaded.of(3).empty() && loaded.of(4).empty() && loaded.of(5).empty());
}

TEST_F(CardStore, SavingAChangedCardRewritesItsElementsAndLeavesOthersAlone) {
    ElementLists a, b;
    a.of(1) = {row("a1"), row("a2"), row("a3")};
    b.of(3) = {row("b-image", "usr\\kupro\\cat\\1\\x.jpg")};
    ASSERT_TRUE(save(0, {{"sMain1", "A"}}, a).ok);
    ASSERT_TRUE(save(0, {{"sMain1", "B"}}, b).ok);

    // Remove the middle track, add a sound, change the title.
    ElementLists changed;
    changed.of(1) = {row("a1"), row("a3")};
    changed.of(5) = {row("a-sound")};
    const StoreOutcome out = save(1, {{"sMain1", "A2"}}, changed);
    ASSERT_TRUE(out.ok);
    EXPECT_EQ(out.card, 1);
    const std::vector<std::tuple<int, int, QString>> expected = {
        {5, 1, "a1"}, {6, 1, "a3"}, {7, 5, "a-sound"}};
    EXPECT_EQ(elementRowsOf(1), expected);
    EXPECT_EQ(elementRowsOf(2).size(), 1u);
    CardValues values;
    ASSERT_TRUE(LoadCardRow(dcMain, 1, values));
    EXPECT_EQ(values.value("sMain1").toString(), "A2");
    EXPECT_EQ(values.value("IDCategoria").toInt(), 1);
}

TEST_F(CardStore, AFailingElementWriteKeepsNothingOfTheSave) {
    ElementLists before;
    before.of(1) = {row("old 1"), row("old 2")};
    ASSERT_TRUE(save(0, {{"sMain1", "Kept"}}, before).ok);
    // The third element row of the next save cannot be written.
    store::Connection::Open(frame::folders().catalogueDatabase, "KRV4172")
        ->Execute(
            "CREATE TRIGGER [refuse] BEFORE INSERT ON [tblElementi] WHEN NEW.[sElementi1] = 'FAIL' "
            "BEGIN SELECT RAISE(ABORT, 'refused'); END");

    ElementLists after;
    after.of(1) = {row("new 1"), row("new 2"), row("FAIL")};
    StoreOutcome out = save(1, {{"sMain1", "Changed"}}, after);
    EXPECT_FALSE(out.ok);
    EXPECT_NE(out.errorNumber, 0);
    EXPECT_FALSE(out.errorDescription.isEmpty());
    CardValues values;
    ASSERT_TRUE(LoadCardRow(dcMain, 1, values));
    EXPECT_EQ(values.value("sMain1").toString(), "Kept");
    const std::vector<std::tuple<int, int, QString>> kept = {{1, 1, "old 1"}, {2, 1, "old 2"}};
    EXPECT_EQ(elementRowsOf(1), kept);

    // A new card fails the same way: no card row, no element rows.
    out = save(0, {{"sMain1", "Never"}}, after);
    EXPECT_FALSE(out.ok);
    EXPECT_EQ(count("tblSchede"), 1);
    EXPECT_EQ(count("tblElementi"), 2);

    // The same binding can be saved once the fault is gone.
    store::Connection::Open(frame::folders().catalogueDatabase, "KRV4172")->Execute("DROP TRIGGER [refuse]");
    CardValues ignored;
    SaveRequest retry;
    retry.isNew = true;
    retry.category = 2;
    retry.values = {{"sMain1", "Now"}};
    retry.elements = &after;
    retry.today = QDate(2026, 12, 11);
    out = SaveCard(dcMain, dcSupport, retry);
    ASSERT_TRUE(out.ok) << out.errorDescription.toStdString();
    EXPECT_EQ(out.card, 2);
    EXPECT_EQ(elementRowsOf(2).size(), 3u);
}

TEST_F(CardStore, DeleteRemovesTheCardAndItsElementsAndItsIdIsHandedOutAgain) {
    ElementLists lists;
    lists.of(1) = {row("x")};
    lists.of(4) = {row("film")};
    ASSERT_TRUE(save(0, {{"sMain1", "One"}}, lists).ok);
    ASSERT_TRUE(save(0, {{"sMain1", "Two"}}, lists).ok);
    CardValues ignored;
    ASSERT_TRUE(LoadCardRow(dcMain, 2, ignored));
    ASSERT_TRUE(DeleteCard(dcMain, 2).ok);
    EXPECT_EQ(count("tblSchede"), 1);
    EXPECT_TRUE(elementRowsOf(2).empty());
    EXPECT_EQ(elementRowsOf(1).size(), 2u);
    EXPECT_EQ(save(0, {{"sMain1", "Three"}}, {}).card, 2);
}

TEST_F(CardStore, TextsOfAnyLengthAndCharactersComeBackUnchangedThroughTheBoxes) {
    QLineEdit title, author, due;
    QPlainTextEdit notes;
    QCheckBox lent;
    CardBinding binding;
    binding.bind(&title, "sMain1");
    binding.bind(&author, "sDescrizione1");
    binding.bind(&notes, "sDescrizione7");
    binding.bind(&lent, "bAltro8");
    binding.bind(&due, "dtAltro10");
    EXPECT_EQ(author.property("column").toString(), "sDescrizione1");

    const QString quotes = "It's \"quoted\" ' -- ; DROP TABLE [tblSchede]; %*?_ \\ àèéìòù € 你好";
    const QString longText = QString(5000, 'x') + "end";
    const QString lines = "first\r\nsecond\nthird\r\n";
    binding.show({});
    title.setText(quotes);
    notes.setPlainText("typed\nlines");
    lent.setChecked(true);
    due.setText(QLocale().toString(QDate(2005, 2, 1), QLocale::ShortFormat));
    CardValues typed = binding.collect();
    typed.insert("sDescrizione1", longText);  // a stored text longer than anyone may type
    ASSERT_TRUE(save(0, typed, {}).ok);

    CardValues values;
    ASSERT_TRUE(LoadCardRow(dcMain, 1, values));
    EXPECT_EQ(values.value("sMain1").toString(), quotes);
    EXPECT_EQ(values.value("sDescrizione1").toString(), longText);
    EXPECT_EQ(values.value("sDescrizione7").toString(), "typed\r\nlines");
    EXPECT_TRUE(values.value("bAltro8").toBool());
    EXPECT_EQ(values.value("dtAltro10").toDate(), QDate(2005, 2, 1));

    // Untouched boxes give back exactly what they were loaded with, even line breaks in a line box.
    values.insert("sDescrizione7", lines);
    values.insert("sDescrizione1", lines + longText);
    binding.show(values);
    const CardValues again = binding.collect();
    EXPECT_EQ(again.value("sDescrizione7").toString(), lines);
    EXPECT_EQ(again.value("sDescrizione1").toString(), lines + longText);
    EXPECT_EQ(again.value("sMain1").toString(), quotes);
}

TEST_F(CardStore, ACardThatIsGoneLoadsEmpty) {
    CardValues values;
    ASSERT_TRUE(LoadCardRow(dcMain, 42, values));
    EXPECT_TRUE(values.isEmpty());
    EXPECT_EQ(LoadElements(dcSupport, 42).total(), 0);
}

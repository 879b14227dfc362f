// The field picker's rows from a label file, and the two picker windows: OK rules, Up and Down, the
// distinct values of a column.

#include <QFile>
#include <QLabel>
#include <QTreeWidget>
#include <QtTest/QTest>

#include "browser/FieldPickerRows.h"
#include "browser/Pickers.h"
#include "store/CatalogueFixture.h"

using namespace browser;

namespace {

QString writeLabelFile(const QString& path, const QByteArray& text) {
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(text);
    return path;
}

const QByteArray kLabels =
    "[MAIN]\nlblMain0=Card\nlblMain1=Title\nlblMain2=-\n"
    "[DESCRIZIONE]\nlblDescrizione1=Artist\nlblDescrizione2=\nlblDescrizione3=-\n"
    "[PRINCIPALI]\nlblPrincipali10=Row\nlblPrincipali11=Position\n"
    "[ALTRO]\nlblAltro0=Other\nchkAltro8=Lent\nlblAltro9=Lent to\nlblAltro10=Due back\n"
    "[ELEMENTI]\nlblElementi1=Track\n";

class PickerTest : public CatalogueTest {};

TEST_F(PickerTest, RowsFollowTheLabelFile) {
    const QList<FieldRow> rows = FieldPickerRows(writeLabelFile(install.file("labels.ini"), kLabels));
    QStringList keys, columns, texts;
    for (const FieldRow& r : rows) {
        keys << r.key;
        columns << r.column;
        texts << r.text;
    }
    // Headers of all eight sections, whatever their labels; hidden and missing fields left out; an
    // empty label kept; positions 10 and 11 present; Altro 8 has no "lbl" key and is left out.
    EXPECT_EQ(keys, QStringList({"1|0", "1|1", "2|0", "2|1", "2|2", "3|0", "3|10", "3|11", "4|0", "5|0",
                                 "6|0", "7|0", "7|9", "7|10", "8|0", "8|1"}));
    EXPECT_EQ(columns[0], "sMain");
    EXPECT_EQ(columns[1], "sMain1");
    EXPECT_EQ(columns[7], "sPrincipali11");
    EXPECT_EQ(columns[13], "sAltro10");
    EXPECT_EQ(columns[15], "sElementi1");
    EXPECT_EQ(texts[0], "***** Card *****");
    EXPECT_EQ(texts[2], "***** - *****");
    EXPECT_EQ(texts[4], "");
    for (const FieldRow& r : rows) EXPECT_EQ(r.header, r.key.endsWith("|0")) << r.key.toStdString();
}

TEST_F(PickerTest, MissingLabelFileGivesOnlyHeaders) {
    const QList<FieldRow> rows = FieldPickerRows(install.file("none.ini"));
    ASSERT_EQ(rows.size(), 8);
    for (const FieldRow& r : rows) EXPECT_TRUE(r.header);
}

TEST_F(PickerTest, FieldPickerNeverTakesAHeaderRow) {
    writeLabelFile(install.file("usr/kupro/cat/4/lang.ini"), kLabels);
    auto response = std::make_shared<ui::cMsgRetValue>();
    frmMsgFields picker;
    picker.sbInit();
    picker.setIDCategoria(4);
    picker.setResponse(response);
    picker.sbFillList();
    picker.show();
    QTreeWidget* list = picker.lvwLst();
    EXPECT_EQ(list->columnCount(), 2);
    EXPECT_EQ(list->columnWidth(1), 0);
    EXPECT_FALSE(picker.btnOK()->isEnabled());  // nothing selected

    list->setCurrentItem(list->topLevelItem(0));  // header of Main
    EXPECT_FALSE(picker.btnOK()->isEnabled());
    picker.onOK();
    EXPECT_TRUE(picker.isVisible());
    EXPECT_EQ(response->Text, "");

    // Down moves onto the first field; OK follows the selection as a click does.
    picker.moveSelection(Qt::Key_Down);
    EXPECT_EQ(list->currentItem()->data(0, kRowKeyRole).toString(), "1|1");
    EXPECT_TRUE(picker.btnOK()->isEnabled());
    picker.moveSelection(Qt::Key_Down);
    EXPECT_FALSE(picker.btnOK()->isEnabled());
    picker.moveSelection(Qt::Key_Up);
    EXPECT_TRUE(picker.btnOK()->isEnabled());

    // Position 10 of Altro can be picked.
    const auto found = list->findItems("Due back", Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    list->setCurrentItem(found.first());
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(response->Text, "sAltro10");
    EXPECT_FALSE(picker.isVisible());
}

TEST_F(PickerTest, EscapeLeavesTheFieldPickerWithoutAChoice) {
    auto response = std::make_shared<ui::cMsgRetValue>();
    frmMsgFields picker;
    picker.sbInit();
    picker.setIDCategoria(1);
    picker.setResponse(response);
    picker.sbFillList();
    picker.show();
    picker.lvwLst()->setCurrentItem(picker.lvwLst()->topLevelItem(1));
    QTest::keyClick(picker.lvwLst(), Qt::Key_Escape);
    EXPECT_FALSE(picker.isVisible());
    EXPECT_EQ(response->Text, "");
}

TEST_F(PickerTest, ValuePickerOffersEachStoredValueOnce) {
    addCard(1, "a", {{"sDescrizione3", "Vinyl"}});
    addCard(1, "b", {{"sDescrizione3", "CD"}});
    addCard(2, "c", {{"sDescrizione3", "Vinyl"}});
    addCard(1, "d", {{"sDescrizione3", ""}});
    addCard(1, "e");
    auto response = std::make_shared<ui::cMsgRetValue>();
    frmMsgList picker;
    picker.sbInit();
    picker.setFldName("sDescrizione3");
    picker.setFldText("Format");
    picker.setResponse(response);
    picker.setTblName("tblSchede");
    picker.sbFillList();
    picker.show();
    QStringList values;
    for (int i = 0; i < picker.lvwLst()->topLevelItemCount(); ++i)
        values << picker.lvwLst()->topLevelItem(i)->text(0);
    values.sort();
    EXPECT_EQ(values, QStringList({"CD", "Vinyl"}));
    EXPECT_EQ(picker.lblFrmTitle()->text(), "Format");
    EXPECT_EQ(picker.lvwLst()->headerItem()->text(0), "Format");
    EXPECT_FALSE(picker.btnOK()->isEnabled());
    picker.moveSelection(Qt::Key_Down);
    ASSERT_TRUE(picker.btnOK()->isEnabled());
    const QString chosen = picker.lvwLst()->currentItem()->text(0);
    picker.onOK();
    EXPECT_EQ(response->Text, chosen);
    picker.dcMain().close();
}

TEST_F(PickerTest, EmptyValuePickerKeepsOKDisabled) {
    frmMsgList picker;
    picker.sbInit();
    picker.setFldName("sAggiunte1");
    picker.setFldText("Notes");
    picker.setTblName("tblSchede");
    picker.sbFillList();
    EXPECT_EQ(picker.lvwLst()->topLevelItemCount(), 0);
    EXPECT_FALSE(picker.btnOK()->isEnabled());
    EXPECT_TRUE(picker.btnCancel()->isEnabled());
    picker.dcMain().close();
}

}  // namespace

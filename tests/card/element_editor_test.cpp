// The element editor: labels and visibility from the kind's section of the category label file, taking
// a file into the category folder, the MP3 fill, the check before saving and saving with Enter.

#include <gtest/gtest.h>

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "TestSupport.h"
#include "card/ElementEditor.h"
#include "card/FileIntake.h"
#include "card/frmElemento.h"
#include "frame/Folders.h"
#include "frame/Language.h"
#include "media/Mp3Fixtures.h"
#include "ui/ModalDriver.h"
#include "ui/MsgDialogs.h"

using card::frmElemento;

namespace {

const QString kCrLf = QStringLiteral("\r\n");

bool writeBytes(const QString& path, const QByteArray& data) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

QByteArray readBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Two seconds of a 440 Hz tone, 16-bit mono PCM at 44.1 kHz, as a WAV file.
QByteArray toneWav() {
    constexpr int rate = 44100;
    QByteArray samples;
    QDataStream pcm(&samples, QIODevice::WriteOnly);
    pcm.setByteOrder(QDataStream::LittleEndian);
    for (int i = 0; i < rate * 2; ++i) pcm << qint16(8000 * std::sin(2 * M_PI * 440.0 * i / rate));
    QByteArray out;
    QDataStream w(&out, QIODevice::WriteOnly);
    w.setByteOrder(QDataStream::LittleEndian);
    w.writeRawData("RIFF", 4);
    w << quint32(36 + samples.size());
    w.writeRawData("WAVEfmt ", 8);
    w << quint32(16) << quint16(1) << quint16(1) << quint32(rate) << quint32(rate * 2) << quint16(2)
      << quint16(16);
    w.writeRawData("data", 4);
    w << quint32(samples.size());
    return out + samples;
}

class ElementEditor : public testing::Test {
protected:
    void SetUp() override {
        frame::errImmissione = "Please check:";
        frame::errOmesso = "is missing";
        frame::errNonTrovato = "was not found";
        frame::cnfSalva = "Save?";
        catPath_ = frame::folders().userData + "cat/99/";
        ASSERT_TRUE(QDir().mkpath(catPath_));
        ASSERT_TRUE(
            QFile::copy(testsupport::fixture("card/fixtures/elemento/lang.ini"), catPath_ + "lang.ini"));
    }

    // A category folder whose label file reads chosen files as MP3 files.
    QString id3Category() {
        const QString path = frame::folders().userData + "cat/98/";
        EXPECT_TRUE(writeBytes(path + "lang.ini",
                               "[CONFIG]\r\nid3=1\r\n[IMMAGINI]\r\nlblImmagini0=Images\r\n"
                               "lblImmagini1=Name\r\nlblFile=Picture\r\n"));
        return path;
    }

    // An MP3 file encoded by lame, with an ID3 version 1 tag appended when `tagged`.
    QString makeMp3(const QString& name, bool tagged) {
        const QString lame = QStandardPaths::findExecutable("lame");
        if (lame.isEmpty()) return QString();
        const QString wav = outside_.filePath("tone.wav");
        const QString mp3 = outside_.filePath(name);
        if (!writeBytes(wav, toneWav())) return QString();
        QProcess p;
        p.start(lame, {"--quiet", "-b", "128", "--cbr", wav, mp3});
        if (!p.waitForFinished(60000) || p.exitCode() != 0) return QString();
        if (tagged) {
            const mp3fixtures::TagFields tag{.title = "Title one   ",
                                             .artist = "Artist  ",
                                             .album = "Album ",
                                             .year = "2001",
                                             .comment = "Said twice  ",
                                             .track = 3,
                                             .genre = 17};
            if (!writeBytes(mp3, readBytes(mp3) + mp3fixtures::id3v1(tag))) return QString();
        }
        return mp3;
    }

    testsupport::TempInstallation installation_;
    QTemporaryDir outside_;
    QString catPath_;
};

// -- labels and visibility -----------------------------------------------------------------------

TEST_F(ElementEditor, KindsReadTheirOwnSection) {
    const QString file = frame::CategoryLabelFile(catPath_);
    EXPECT_EQ(card::ReadElementLabels(1, file),
              QStringList({"Tracks", "Title", "Album", "-", "X", "", "Comment", "Notes", "Track file"}));
    EXPECT_EQ(card::ReadElementLabels(2, file).value(0), "Reviews");
    EXPECT_EQ(card::ReadElementLabels(2, file).value(8), "-");
    // A section the file lacks reads as nine empty labels; a kind outside 1 to 5 reads none.
    EXPECT_EQ(card::ReadElementLabels(4, file), QStringList(9, QString()));
    EXPECT_TRUE(card::ReadElementLabels(0, file).isEmpty());
    EXPECT_TRUE(card::ReadElementLabels(6, file).isEmpty());
}

TEST_F(ElementEditor, FieldsShowAsTheirLabelsSay) {
    frmElemento editor;
    editor.sbInit();
    editor.setCatPath(catPath_);
    editor.setIDTipo(1);
    EXPECT_EQ(editor.lblFrmTitle()->text(), "Tracks");
    struct Expect {
        bool caption, field;
    };
    // Labels: Title, Album, "-", "X", "", Comment, Notes.
    const Expect expected[7] = {{true, true},   {true, true}, {false, false}, {false, true},
                                {false, false}, {true, true}, {true, true}};
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(!editor.lblElementi(i)->isHidden(), expected[i].caption);
        EXPECT_EQ(!editor.txtElementi(i)->isHidden(), expected[i].field);
        EXPECT_EQ(!editor.shpElementi(i)->isHidden(), expected[i].field);
    }
    EXPECT_EQ(editor.lblElementi(0)->text(), "Title");
    EXPECT_FALSE(editor.lblFile()->isHidden());
    EXPECT_EQ(editor.lblFile()->text(), "Track file");

    // Reviews hide the file caption and its frame; the file field itself always shows.
    editor.setIDTipo(2);
    EXPECT_EQ(editor.lblFrmTitle()->text(), "Reviews");
    EXPECT_TRUE(editor.lblFile()->isHidden());
    EXPECT_TRUE(editor.shpElementi(7)->isHidden());
    EXPECT_FALSE(editor.txtFile()->isHidden());
    EXPECT_TRUE(editor.txtElementi(1)->isHidden());
    EXPECT_FALSE(editor.txtElementi(5)->isHidden());

    // A kind outside 1 to 5 changes nothing.
    editor.setIDTipo(9);
    EXPECT_EQ(editor.lblFrmTitle()->text(), "Reviews");
}

TEST_F(ElementEditor, ControlsCarryTheirNames) {
    frmElemento editor;
    const auto boxes = editor.findChildren<QWidget*>("txtElementi");
    ASSERT_EQ(boxes.size(), 7);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(boxes[i]->property("index").toInt(), i);
    EXPECT_EQ(editor.findChildren<QWidget*>("shpElementi").size(), 8);
    for (const char* name :
         {"lblElementi1", "lblElementi7", "lblFile", "txtFile", "lblFrmTitle", "btnSave", "btnCancel"})
        EXPECT_NE(editor.findChild<QWidget*>(name), nullptr) << name;
    // Single-line fields and the file field take 255 characters; the file field cannot be typed into.
    EXPECT_EQ(qobject_cast<QLineEdit*>(editor.txtElementi(4))->maxLength(), 255);
    EXPECT_NE(qobject_cast<QPlainTextEdit*>(editor.txtElementi(5)), nullptr);
    EXPECT_TRUE(editor.txtFile()->isReadOnly());
}

// -- taking a file into the category folder ------------------------------------------------------------

TEST_F(ElementEditor, SameNameAndSizeIsTheSameFileOtherSizesGetPrefixes) {
    const QString first = outside_.filePath("a/Song.MP3");
    const QString bigger = outside_.filePath("b/song.mp3");
    const QString biggest = outside_.filePath("c/SONG.mp3");
    ASSERT_TRUE(writeBytes(first, QByteArray(10, 'a')) && writeBytes(bigger, QByteArray(20, 'b')) &&
                writeBytes(biggest, QByteArray(30, 'c')));
    struct Step {
        QString source;
        const char* stored;
    };
    const Step steps[] = {
        {first, "usr\\kupro\\cat\\99\\song.mp3"},     // copied under its lower-case name
        {first, "usr\\kupro\\cat\\99\\song.mp3"},     // same name and size: nothing copied
        {bigger, "usr\\kupro\\cat\\99\\1song.mp3"},   // clash with another size
        {biggest, "usr\\kupro\\cat\\99\\2song.mp3"},  // both names taken by other sizes
        {bigger, "usr\\kupro\\cat\\99\\1song.mp3"},   // found again under its prefix
    };
    for (const Step& s : steps) EXPECT_EQ(card::TakeFileIntoFolder(s.source, catPath_), s.stored);
    EXPECT_EQ(readBytes(catPath_ + "song.mp3"), QByteArray(10, 'a'));
    EXPECT_EQ(readBytes(catPath_ + "1song.mp3"), QByteArray(20, 'b'));
    EXPECT_EQ(readBytes(catPath_ + "2song.mp3"), QByteArray(30, 'c'));
    EXPECT_EQ(QDir(catPath_).entryList(QDir::Files).size(), 4);  // with lang.ini

    // Nothing to take: nothing stored.
    EXPECT_EQ(card::TakeFileIntoFolder(outside_.filePath("none.mp3"), catPath_), "");
    EXPECT_EQ(card::TakeFileIntoFolder(outside_.path(), catPath_), "");
}

TEST_F(ElementEditor, OneImportNumbersItsClashesWithOneCounter) {
    ASSERT_TRUE(writeBytes(catPath_ + "a.mp3", "old a") && writeBytes(catPath_ + "b.mp3", "old b"));
    ASSERT_TRUE(writeBytes(outside_.filePath("a.mp3"), "new a!") &&
                writeBytes(outside_.filePath("b.mp3"), "new b!"));
    int counter = 0;
    EXPECT_EQ(card::TakeFileIntoFolder(outside_.filePath("a.mp3"), catPath_, counter),
              "usr\\kupro\\cat\\99\\1a.mp3");
    EXPECT_EQ(card::TakeFileIntoFolder(outside_.filePath("b.mp3"), catPath_, counter),
              "usr\\kupro\\cat\\99\\2b.mp3");
    EXPECT_EQ(counter, 2);
}

TEST_F(ElementEditor, TheEditorStoresTheTakenFile) {
    ASSERT_TRUE(writeBytes(outside_.filePath("Photo.JPG"), "picture"));
    frmElemento editor;
    editor.setCatPath(catPath_);
    editor.setIDTipo(1);
    editor.sbEdit({"Kept", "", "", "", "", "", "", ""});
    editor.sbTakeFile(outside_.filePath("Photo.JPG"));
    EXPECT_EQ(editor.txtFile()->text(), "usr\\kupro\\cat\\99\\photo.jpg");
    // Without the id3 setting the fields are not touched.
    EXPECT_EQ(editor.Row().value(0), "Kept");
    // A file that went away keeps the field as it was.
    editor.sbTakeFile(outside_.filePath("gone.jpg"));
    EXPECT_EQ(editor.txtFile()->text(), "usr\\kupro\\cat\\99\\photo.jpg");
}

// -- the MP3 fill ----------------------------------------------------------------------------------

TEST_F(ElementEditor, Id3CategoryFillsTheFieldsFromAChosenFile) {
    const QString mp3 = makeMp3("Tagged.mp3", true);
    ASSERT_FALSE(mp3.isEmpty()) << "lame could not make the test file";
    const qint64 size = QFileInfo(mp3).size();
    frmElemento editor;
    editor.setCatPath(id3Category());
    ASSERT_TRUE(editor.ReadsId3());
    editor.setIDTipo(3);
    editor.sbAddNew();
    editor.sbTakeFile(mp3);
    const QStringList row = editor.Row();
    ASSERT_EQ(row.size(), 8);
    EXPECT_EQ(row[0], "Title one");
    EXPECT_EQ(row[1], "Album - 2001");
    EXPECT_EQ(row[2], "Artist");
    // Size and the reader's duration from the size at 128 kbit/s.
    const int seconds = int(std::nearbyint(size * 8.0 / 1000 / 128 - 1));
    EXPECT_EQ(row[3], QString::number(size) + QString::asprintf(" - %02d:%02d", seconds / 60, seconds % 60));
    EXPECT_EQ(row[4], "Rock");
    EXPECT_EQ(row[5], "Said twice  ");
    EXPECT_EQ(row[6], QStringList({"MPEG 1.0 (ISO/IEC 11172-3)", "Layer III", "Bit Rate: 128 Kbps.",
                                   "Sample Rate: 44100 Hz.", "Single Channel (Mono)", "Copyright: No",
                                   "CRC: No", "VBR: No", "Emphasis: No"})
                          .join(kCrLf));
    EXPECT_EQ(row[7], "usr\\kupro\\cat\\98\\tagged.mp3");
}

TEST_F(ElementEditor, RowsFromFilesTheReaderCannotFullyRead) {
    const QString mp3 = makeMp3("plain.mp3", false);
    ASSERT_FALSE(mp3.isEmpty()) << "lame could not make the test file";
    const QStringList untagged = card::ElementRowFromMp3(mp3);
    ASSERT_EQ(untagged.size(), 8);
    EXPECT_EQ(untagged[0], "");
    EXPECT_EQ(untagged[1], " - ");
    EXPECT_EQ(untagged[4], "Blues");
    // A file outside the installation keeps its whole path, in the stored form.
    EXPECT_EQ(untagged[7], QString(mp3).toLower().replace('/', '\\'));

    // Not an MP3 file: the places of what was not read stay empty, their labels remain.
    ASSERT_TRUE(writeBytes(outside_.filePath("text.txt"), "plain words"));
    const QStringList text = card::Mp3Fields(outside_.filePath("text.txt"));
    EXPECT_EQ(text[3], "11 - ");
    EXPECT_EQ(text[6], QStringList({"", "", "Bit Rate:  Kbps.", "Sample Rate:  Hz.", "", "Copyright: No",
                                    "CRC: No", "VBR: No", "Emphasis: "})
                           .join(kCrLf));
}

// -- checking and saving --------------------------------------------------------------------------

TEST_F(ElementEditor, TheCheckWritesOneLinePerProblem) {
    ASSERT_TRUE(writeBytes(catPath_ + "here.jpg", "x"));
    struct Case {
        const char* what;
        QString main, file, report;
    };
    const QString omitted = "\u00BB Tracks is missing";
    const QString notFound = "\u00BB Track file was not found";
    const Case cases[] = {
        {"both good", "Title", "usr\\kupro\\cat\\99\\here.jpg", ""},
        {"no file is fine", "Title", "", ""},
        {"empty main", "", "", omitted},
        {"missing file", "Title", "usr\\kupro\\cat\\99\\gone.jpg", notFound},
        {"both, main first", "", "usr\\kupro\\cat\\99\\gone.jpg", omitted + kCrLf + notFound},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QStringList row = {c.main, "", "", "", "", "", "", c.file};
        EXPECT_EQ(card::ElementCheckReport(row, "Tracks", "Track file"), c.report);
    }
}

TEST_F(ElementEditor, AFailedCheckShowsBothLinesAndKeepsTheWindowOpen) {
    ASSERT_TRUE(writeBytes(catPath_ + "deleted.jpg", "x"));
    frmElemento editor;
    editor.sbInit();
    editor.setCatPath(catPath_);
    editor.setIDTipo(1);
    editor.sbEdit({"", "Album", "", "", "", "", "", "usr\\kupro\\cat\\99\\deleted.jpg"});
    QFile::remove(catPath_ + "deleted.jpg");
    editor.show();
    QString headline, lines;
    testmodal::WhenModal([&](QWidget* m) {
        if (auto* error = qobject_cast<ui::frmMsgError*>(m)) {
            headline = error->Messaggio();
            lines = error->Aggiunte();
        }
        testmodal::PressKey(m, Qt::Key_Return);
    });
    EXPECT_FALSE(editor.sbSave());
    EXPECT_EQ(headline, "Please check:");
    EXPECT_EQ(lines, "\u00BB Tracks is missing\r\n\u00BB Track file was not found");
    EXPECT_FALSE(editor.Saved());
    EXPECT_TRUE(editor.isVisible());
}

TEST_F(ElementEditor, EnterInAMultiLineFieldSavesTheRow) {
    QStringList row = {"Old title", "b", "c", "d", "e", "first line\r\nsecond line", "", ""};
    testmodal::WhenModal([&](QWidget* m) {
        auto* editor = qobject_cast<frmElemento*>(m);
        if (!editor) return;
        qobject_cast<QLineEdit*>(editor->txtElementi(0))->setText("New title");
        auto* notes = qobject_cast<QPlainTextEdit*>(editor->txtElementi(6));
        notes->setFocus();
        notes->setPlainText("typed");
        // The confirmation that follows is answered with OK.
        testmodal::WhenModal([](QWidget* confirm) { testmodal::PressKey(confirm, Qt::Key_Return); }, editor);
        QTest::keyClick(notes, Qt::Key_Return);
    });
    ASSERT_TRUE(card::EditElementRow(nullptr, 1, catPath_, row));
    EXPECT_EQ(row, QStringList({"New title", "b", "c", "d", "e", "first line\r\nsecond line", "typed", ""}));
}

TEST_F(ElementEditor, CancelOrADeclinedConfirmationLeavesTheRow) {
    const QStringList original = {"Title", "", "", "", "", "", "", ""};
    QStringList row = original;
    testmodal::WhenModal([](QWidget* m) { testmodal::PressKey(m, Qt::Key_Escape); });
    EXPECT_FALSE(card::EditElementRow(nullptr, 1, catPath_, row));
    EXPECT_EQ(row, original);

    // Save, then Cancel in the confirmation: the editor stays open until Escape closes it.
    testmodal::WhenModal([](QWidget* m) {
        auto* editor = qobject_cast<frmElemento*>(m);
        if (!editor) return;
        qobject_cast<QLineEdit*>(editor->txtElementi(0))->setText("Changed");
        testmodal::WhenModal(
            [editor](QWidget* confirm) {
                testmodal::PressKey(confirm, Qt::Key_Escape);
                QTimer::singleShot(50, editor, [editor] {
                    EXPECT_TRUE(editor->isVisible());
                    testmodal::PressKey(editor, Qt::Key_Escape);
                });
            },
            editor);
        testmodal::PressKey(editor, Qt::Key_Return);
    });
    EXPECT_FALSE(card::EditElementRow(nullptr, 1, catPath_, row));
    EXPECT_EQ(row, original);
}

TEST_F(ElementEditor, ANewRowStartsEmpty) {
    QStringList row;
    testmodal::WhenModal([](QWidget* m) {
        auto* editor = qobject_cast<frmElemento*>(m);
        if (!editor) return;
        EXPECT_EQ(editor->Mode(), frmElemento::kNewRow);
        EXPECT_EQ(editor->Row(), QStringList(8, QString()));
        qobject_cast<QLineEdit*>(editor->txtElementi(0))->setText("Only a title");
        testmodal::WhenModal([](QWidget* confirm) { testmodal::PressKey(confirm, Qt::Key_Return); }, editor);
        testmodal::PressKey(editor, Qt::Key_Enter);
    });
    ASSERT_TRUE(card::EditElementRow(nullptr, 1, catPath_, row));
    EXPECT_EQ(row, QStringList({"Only a title", "", "", "", "", "", "", ""}));
}

}  // namespace

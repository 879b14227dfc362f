// Captions and tooltips applied from a language table, the message texts and the validation report.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <QFile>
#include <QMap>
#include <QSet>

#include "TestSupport.h"
#include "frame/Cp1252.h"
#include "frame/Folders.h"
#include "frame/Ini.h"
#include "frame/Language.h"
#include "frame/LanguageSection.h"

namespace {

// A user control: the walk visits it but not its inner parts.
class TileControl : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool userControl READ userControl CONSTANT)
public:
    explicit TileControl(QWidget* parent) : QWidget(parent) {
        auto* inner = new QLabel("inner", this);
        inner->setObjectName("lblInner");
    }
    bool userControl() const { return true; }
};

// A panel of our own that holds controls of the window, as the card window's section panels do.
class PanelControl : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
};

template <class W>
W* make(QWidget* parent, const char* name, const QString& text = QString()) {
    auto* w = new W(parent);
    w->setObjectName(name);
    if constexpr (requires { w->setText(text); }) w->setText(text);
    return w;
}

// A small window with one control of each kind the language tables meet.
struct Window {
    QWidget window;
    QLabel* title = make<QLabel>(&window, "lblFrmTitle", "Login");
    QLabel* user = make<QLabel>(&window, "lblUsername", "Username");
    QLabel* password = make<QLabel>(&window, "lblPassword", "Password");
    QLabel* noKey = make<QLabel>(&window, "lblNoKey", "Built in");
    QCheckBox* autoStart = make<QCheckBox>(&window, "chkAutoStart", "Auto");
    QPushButton* go = make<QPushButton>(&window, "cmdGo", "Go");
    QLineEdit* box = make<QLineEdit>(&window, "txtUsername", "kupro");
    QLabel* imageButton = make<QLabel>(&window, "btnOK");
    QWidget* captioned = make<QWidget>(&window, "btnCaptioned");
    QWidget* clear = make<QWidget>(&window, "btnClear");
    QWidget* shape = make<QWidget>(&window, "shpBox");
    QFrame* frame = make<QFrame>(&window, "fraArr");
    PanelControl* panel = make<PanelControl>(frame, "picSect");
    QLabel* arr0 = make<QLabel>(panel, "lblArr", "zero");
    QLabel* arr1 = make<QLabel>(frame, "lblArr", "one");
    TileControl* tile = new TileControl(&window);
    QDialog* dialog = new QDialog(&window);
    QLabel* dialogTitle = make<QLabel>(dialog, "lblFrmTitle", "Dialog");

    Window() {
        arr0->setProperty("index", 0);
        arr1->setProperty("index", 1);
        captioned->setProperty("caption", "");
        tile->setObjectName("gfxItem");
        clear->setToolTip("old tip");
        title->setToolTip("title tip");
    }
};

QString fixtureFile() {
    return testsupport::fixture("frame/fixtures/lang_fixture.ini");
}

TEST(LoadCaptions, AppliesTheSectionToLabelsCheckBoxesAndButtons) {
    Window w;
    frame::sbLoadCaptions(&w.window, "login", fixtureFile());  // sections match without case
    EXPECT_EQ(w.title->text(), "Accesso");
    EXPECT_EQ(w.user->text(), "") << "a caption of \"-\" blanks the label";
    EXPECT_EQ(w.password->text(), "Password") << "an empty value changes nothing";
    EXPECT_EQ(w.noKey->text(), "Built in");
    EXPECT_EQ(w.autoStart->text(), "Accesso automatico");
    EXPECT_EQ(w.go->text(), "Vai");
    EXPECT_EQ(w.arr1->text(), "Condivisa") << "a control array shares one caption";
    EXPECT_EQ(w.arr0->text(), "Condivisa") << "controls inside panels are controls of the window";
    EXPECT_EQ(w.captioned->property("caption").toString(), "Caption of a custom control");
}

TEST(LoadCaptions, LeavesOtherKindsWindowsAndInnerPartsAlone) {
    Window w;
    frame::sbLoadCaptions(&w.window, "LOGIN", fixtureFile());
    EXPECT_EQ(w.box->text(), "kupro");
    EXPECT_EQ(w.imageButton->text(), "") << "an image button has no caption";
    EXPECT_EQ(w.tile->findChild<QLabel*>("lblInner")->text(), "inner");
    EXPECT_EQ(w.dialogTitle->text(), "Dialog") << "a dialog parented to the window is a window of its own";
}

TEST(LoadCaptions, MissingFileOrSectionKeepsBuiltInCaptions) {
    for (auto [section, file] : {std::pair<QString, QString>{"LOGIN", "/nonexistent/lang.ini"},
                                 std::pair<QString, QString>{"NOSUCHSECTION", fixtureFile()}}) {
        Window w;
        frame::sbLoadCaptions(&w.window, section, file);
        EXPECT_EQ(w.title->text(), "Login");
        EXPECT_EQ(w.user->text(), "Username");
        EXPECT_EQ(w.arr1->text(), "one");
    }
}

TEST(LoadCaptions, EmptyFileMeansTheLanguageFile) {
    const QString saved = frame::folders().languageFile;
    frame::folders().languageFile = fixtureFile();
    Window w;
    frame::sbLoadCaptions(&w.window, "LOGIN", QString());
    frame::sbLoadToolTips(&w.window, "BTNHOME", QString());
    frame::folders().languageFile = saved;
    EXPECT_EQ(w.title->text(), "Accesso");
    EXPECT_EQ(w.imageButton->toolTip(), "Conferma");
}

TEST(LoadToolTips, GivesTipsToControlsThatCanShowThem) {
    Window w;
    frame::sbLoadToolTips(&w.window, "BTNHOME", fixtureFile());
    EXPECT_EQ(w.imageButton->toolTip(), "Conferma");
    EXPECT_EQ(w.arr0->toolTip(), "Suggerimento condiviso");
    EXPECT_EQ(w.arr1->toolTip(), "Suggerimento condiviso");
    EXPECT_EQ(w.clear->toolTip(), "") << "\"-\" clears the tooltip";
    EXPECT_EQ(w.title->toolTip(), "title tip") << "an empty value changes nothing";
    EXPECT_EQ(w.shape->toolTip(), "") << "shapes never get a tooltip";
    EXPECT_EQ(w.title->text(), "Login") << "tooltips leave captions alone";
}

TEST(Messages, LoadedFromTheLanguageFile) {
    frame::sbLoadMessages(fixtureFile());
    EXPECT_EQ(frame::errImmissione, "Controllare i dati immessi:");
    EXPECT_EQ(frame::errOmesso, QString::fromUtf8("è obbligatorio.")) << "the file is Windows-1252";
    EXPECT_EQ(frame::cnfSalva, "Salvare la scheda?");
    EXPECT_EQ(frame::msgRiavviare, "Le modifiche avranno effetto al prossimo avvio.");
    EXPECT_EQ(frame::errCDDBNoMatch, "") << "an empty value";
    EXPECT_EQ(frame::cnfArdel, "") << "a missing key";
    EXPECT_EQ(frame::Message("ERRNONTROVATO"), QString::fromUtf8("non è stato trovato."));
    EXPECT_EQ(frame::Message("errUnknown"), "");
}

TEST(Messages, MissingLanguageFileGivesEmptyTexts) {
    frame::sbLoadMessages(fixtureFile());
    frame::sbLoadMessages("/nonexistent/lang.ini");
    for (const char* key : {"errImmissione", "errOmesso", "cnfSalva", "msgRiavviare"})
        EXPECT_EQ(frame::Message(key), "") << key;
}

TEST(ValidationReport, OneLinePerProblemJoinedByCrLf) {
    frame::sbLoadMessages(fixtureFile());
    QLabel shown("Utente");
    frame::ValidationReport report;
    EXPECT_TRUE(report.IsEmpty());
    EXPECT_EQ(report.Text(), "");
    report.Add(&shown, frame::errOmesso);  // the caption as the window shows it
    report.NotFound("Password");
    report.WrongForm("Data");
    EXPECT_EQ(report.Count(), 3);
    EXPECT_EQ(report.Text(), QString::fromUtf8("» Utente è obbligatorio.\r\n"
                                               "» Password non è stato trovato.\r\n"
                                               "» Data non è nel formato giusto."));
    EXPECT_EQ(frame::ValidationReport::Headline(), "Controllare i dati immessi:");
}

// The language files a fresh installation ships: cfg/lang.ini (English) and cfg/lang_italiano.ini, which a
// user copies over it. Both must be Windows-1252 INI text with CR LF line ends and the same keys.
QString shipped(const char* name) {
    return testsupport::fixture(QString("../install/cfg/") + name);
}

struct ParsedIni {
    QMap<QString, QMap<QString, QString>> sections;  // upper-case section -> lower-case key -> value
    QStringList problems;
};

ParsedIni parseShipped(const QString& path) {
    ParsedIni ini;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ini.problems << "cannot open " + path;
        return ini;
    }
    const QByteArray bytes = file.readAll();
    if (bytes.startsWith("\xEF\xBB\xBF")) ini.problems << "starts with a UTF-8 byte order mark";
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const unsigned char b = bytes[i];
        if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D)
            ini.problems << QString("byte %1 at %2 is not a Windows-1252 character").arg(b).arg(i);
        if (b == '\n' && (i == 0 || bytes[i - 1] != '\r')) ini.problems << QString("bare LF at %1").arg(i);
        if (b == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'))
            ini.problems << QString("bare CR at %1").arg(i);
    }
    if (!bytes.endsWith("\r\n")) ini.problems << "the last line has no line end";

    const QString text = frame::fromCp1252(bytes);
    // UTF-8 bytes read as Windows-1252 show up as these pairs.
    for (const char* garbled : {"\u00C3", "\u00C2"})
        if (text.contains(QString::fromUtf8(garbled))) ini.problems << "holds UTF-8 text";

    QString section;
    for (const QString& line : text.split("\r\n")) {
        if (line.isEmpty() || line.startsWith(';')) continue;
        if (line.startsWith('[') && line.endsWith(']')) {
            section = line.mid(1, line.size() - 2).toUpper();
            if (ini.sections.contains(section)) ini.problems << "section twice: " + section;
            ini.sections[section];
            continue;
        }
        const qsizetype eq = line.indexOf('=');
        if (section.isEmpty() || eq <= 0) {
            ini.problems << "not an INI line: " + line;
            continue;
        }
        const QString key = line.left(eq).toLower();
        const QString value = line.mid(eq + 1);
        if (ini.sections[section].contains(key)) ini.problems << "key twice: " + section + "/" + key;
        if (value.trimmed().isEmpty()) ini.problems << "empty value: " + section + "/" + key;
        if (value.size() > 254) ini.problems << "value longer than 254 characters: " + section + "/" + key;
        ini.sections[section][key] = value;
    }
    return ini;
}

// The one-pass section reader that the caption walk uses must agree with GetINI on every key.
TEST(LanguageSection, ReadsEveryKeyAsGetIniDoes) {
    const QString odd = testsupport::fixture("frame/fixtures/lang_odd.ini");
    struct Probe {
        QString file, section, key;
    };
    QList<Probe> probes;
    for (const char* key : {"key", "spaced key", "QUOTED", "single", "half", "dup", "long", "empty",
                            "novalue", ";comment", "late", "missing"})
        probes.append({odd, "odd", key});
    probes.append({odd, "OTHER", "dup"});
    probes.append({odd, "nosuchsection", "dup"});
    probes.append({"/nonexistent/lang.ini", "LOGIN", "lblFrmTitle"});
    for (const char* name : {"lang.ini", "lang_italiano.ini"}) {
        const ParsedIni ini = parseShipped(shipped(name));
        for (auto s = ini.sections.cbegin(); s != ini.sections.cend(); ++s)
            for (const QString& key : s.value().keys()) probes.append({shipped(name), s.key(), key});
    }
    probes.append({fixtureFile(), "LOGIN", "lblUsername"});
    probes.append({fixtureFile(), "MSGERROR", "errOmesso"});

    for (const Probe& p : probes) {
        const frame::LanguageSection section(p.section, p.file);
        EXPECT_EQ(section.value(p.key), frame::GetINI(p.section, p.key, QString(), p.file))
            << p.file.toStdString() << " [" << p.section.toStdString() << "] " << p.key.toStdString();
    }
    const frame::LanguageSection section("odd", odd);
    EXPECT_EQ(section.value("dup"), "first");
    EXPECT_EQ(section.value("quoted"), "in quotes");
    EXPECT_EQ(section.value("long").size(), 254);
}

TEST(ShippedLanguageFiles, AreWellFormedWindows1252) {
    for (const char* name : {"lang.ini", "lang_italiano.ini"}) {
        const ParsedIni ini = parseShipped(shipped(name));
        EXPECT_TRUE(ini.problems.isEmpty()) << name << ": " << ini.problems.join("; ").toStdString();
        for (const char* section : {"LOGIN", "SETTINGS", "SKIN", "LISTA", "MNUSCHEDA", "HTML", "MSGERROR",
                                    "MSGCONFIRM", "MSGINFO", "MANUTENZIONE", "ABOUT", "BTNHOME", "BTNSCHEDA"})
            EXPECT_TRUE(ini.sections.contains(section)) << name << " lacks section " << section;
    }
}

TEST(ShippedLanguageFiles, HaveTheSameSectionsAndKeys) {
    const ParsedIni english = parseShipped(shipped("lang.ini"));
    const ParsedIni italian = parseShipped(shipped("lang_italiano.ini"));
    EXPECT_EQ(english.sections.keys(), italian.sections.keys());
    for (auto it = english.sections.cbegin(); it != english.sections.cend(); ++it)
        EXPECT_EQ(it.value().keys(), italian.sections.value(it.key()).keys()) << it.key().toStdString();
}

TEST(ShippedLanguageFiles, HoldEveryMessageText) {
    for (const char* name : {"lang.ini", "lang_italiano.ini"}) {
        frame::sbLoadMessages(shipped(name));
        for (const char* key :
             {"errImmissione", "errOmesso", "errNonTrovato", "errFormato", "errOrigDest", "errCDError",
              "errCDDBNoMatch", "cnfSalva", "cnfAnnulla", "cnfElimina", "cnfArdel", "msgRiavviare"})
            EXPECT_FALSE(frame::Message(key).isEmpty()) << name << ": " << key;
    }
    frame::sbLoadMessages(shipped("lang_italiano.ini"));
    EXPECT_TRUE(frame::errOmesso.contains(QChar(0x00E8)))
        << "accented letters survive: " << frame::errOmesso.toStdString();
}

}  // namespace

#include "language_test.moc"

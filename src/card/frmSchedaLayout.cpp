// The controls of the card window at their positions: title area, media panel, section tabs, the eleven
// section panels with their fields and lists, and the command bar.

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTreeWidget>

#include "CardFields.h"
#include "TypingLimit.h"
#include "frmScheda.h"
#include "ui/Theme.h"

namespace card {
namespace {

constexpr int kPanelLeft = 12, kPanelTop = 116, kPanelWidth = 524, kPanelHeight = 360;
constexpr int kSideLeft = 548, kSideWidth = 232;
constexpr int kBarTop = 484;

const char* const kBoxStyle =
    "border: none; padding: 0px; background: black; color: rgb(128, 255, 128);"
    " selection-background-color: rgb(64, 128, 64); selection-color: white;";

const char* const kListStyle =
    "QTreeWidget { background: black; color: rgb(128, 255, 128); border: 1px solid rgb(160, 160, 160);"
    " selection-background-color: rgb(64, 128, 64); selection-color: white; }"
    "QHeaderView::section { background: rgb(64, 64, 64); color: rgb(224, 224, 224); border: 0px;"
    " border-right: 1px solid rgb(128, 128, 128); padding: 1px 3px; }";

// Field k of a grid section: two columns, rows 40 pixels apart from 48 below the panel top.
QRect gridBox(int position, int indent = 0) {
    const int column = position % 2, row = position / 2;
    return {(column == 0 ? 20 : 272) + indent, 48 + row * 40, 224 - indent, 15};
}

void setIndexed(QWidget* w, const QString& name, int index) {
    w->setObjectName(name);
    if (index >= 0) w->setProperty("index", index);
}

}  // namespace

ui::ImageButton* frmScheda::addButton(QWidget* parent, const QString& suffix, const QString& picture,
                                      const QRect& at, bool anyMouseButton) {
    auto* button = new ui::ImageButton(parent, suffix, picture, at);
    // Edit and Delete act on a press of any mouse button.
    if (anyMouseButton) button->setProperty("anyMouseButton", true), button->installEventFilter(this);
    return button;
}

QWidget* frmScheda::addField(QWidget* panel, int fieldIndex, const QRect& box) {
    const FieldSpec& spec = FieldTable()[static_cast<size_t>(fieldIndex)];
    QWidget* control = nullptr;
    QWidget* frame = nullptr;
    QLabel* caption = nullptr;
    const QString section = spec.section == 0 ? QString("Main") : SectionById(spec.section).name;
    if (spec.kind == FieldKind::Check) {
        auto* check = new QCheckBox(spec.designCaption, panel);
        check->setObjectName(spec.control);
        check->setFont(ui::SkinFont());
        check->setStyleSheet("QCheckBox { color: rgb(224, 224, 224); background: transparent; }");
        check->setGeometry(box);
        checks_.push_back(check);
        control = check;
    } else {
        frame = new ui::RoundedFrame(panel);
        setIndexed(frame, "shp" + section, spec.section == 0 ? spec.position : spec.position);
        frame->setGeometry(box.adjusted(-8, -4, 8, 4));
        caption = ui::MakeLabel(panel, spec.captionLabel, spec.designCaption,
                                QPoint(box.left() - 8, box.top() - 19));
        if (spec.kind == FieldKind::Lines) {
            auto* lines = new LimitedTextEdit(panel);
            lines->setFrameShape(QFrame::NoFrame);
            lines->setStyleSheet(QString("QPlainTextEdit { %1 }").arg(kBoxStyle));
            lines->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            lines->setTabChangesFocus(true);
            control = lines;
            multiLines_.push_back(lines);
        } else {
            auto* line = new QLineEdit(panel);
            line->setFrame(false);
            line->setStyleSheet(QString("QLineEdit { %1 }").arg(kBoxStyle));
            control = line;
        }
        control->setFont(ui::SkinFont(spec.control == "txtMain1"));
        control->setGeometry(box);
        if (spec.limit > 0) LimitTyping(control, spec.limit);
        if (spec.picker) control->installEventFilter(this);
    }
    setIndexed(control, spec.control, spec.index);
    binding_.bind(control, spec.column);
    fieldControls_[static_cast<size_t>(fieldIndex)] = control;
    fieldLabels_[static_cast<size_t>(fieldIndex)] = caption;
    fieldFrames_[static_cast<size_t>(fieldIndex)] = frame;
    return control;
}

void frmScheda::buildLayout() {
    const size_t fields = FieldTable().size();
    fieldControls_.assign(fields, nullptr);
    fieldLabels_.assign(fields, nullptr);
    fieldFrames_.assign(fields, nullptr);

    ui::MakeTitleLabel(this, QStringLiteral("Trovex2"), QRect(4, 2, 782, 16));
    buildTitleArea();
    for (int s = 1; s <= kSections; ++s) {
        auto* panel = new ui::PictureBox(this, ui::PictureBox::Fit::Clip);
        setIndexed(panel, "picSect", s - 1);
        panel->setGeometry(kPanelLeft, kPanelTop, kPanelWidth, kPanelHeight);
        panel->setVisible(s == 1);
        panels_[static_cast<size_t>(s - 1)] = panel;
        const SectionSpec& spec = SectionById(s);
        auto* heading = ui::MakeLabel(panel, "lbl" + spec.name + "0", spec.designCaption, QPoint(8, 6));
        heading->setFont(ui::SkinFont(true));
        heading->setStyleSheet("color: white; background: transparent;");
        headings_[static_cast<size_t>(s - 1)] = heading;
        if (spec.kind)
            buildListSection(s);
        else
            buildFieldSection(s);
    }
    // The tabs, stacked beside the panels; shpSect marks the visible section's tab.
    shpSect_ = new ui::RoundedFrame(this);
    shpSect_->setObjectName("shpSect");
    shpSect_->setGeometry(kSideLeft, 284, kSideWidth, 16);
    for (int i = 0; i < kSections; ++i) {
        auto* tab = ui::MakeLabel(this, "lblSect", SectionById(i + 1).designCaption,
                                  QPoint(kSideLeft + 10, 284 + i * 16));
        tab->setProperty("index", i);
        tab->setFixedSize(kSideWidth - 20, 16);
        tab->setProperty("linkCursor", true);
        tab->installEventFilter(this);
        tabs_[static_cast<size_t>(i)] = tab;
    }
    buildCommandBar();
}

void frmScheda::buildTitleArea() {
    for (size_t i = 0; i < FieldTable().size(); ++i) {
        const FieldSpec& spec = FieldTable()[i];
        if (spec.section != 0) continue;
        const QRect box = spec.control == "txtMain1" ? QRect(20, 48, 424, 17) : QRect(20, 90, 424, 15);
        addField(this, int(i), box);
    }
    txtMain1_ = findChild<QLineEdit*>("txtMain1");
    txtMain2_ = findChild<QLineEdit*>("txtMain2");
    lblMain2_ = findChild<QLabel*>("lblMain2");
    lblMain2_->setProperty("linkCursor", true);
    lblMain2_->installEventFilter(this);
    txtMain2_->setReadOnly(true);

    imgPicture_ = new ui::PictureBox(this, ui::PictureBox::Fit::Stretch);
    imgPicture_->setObjectName("imgPicture");
    imgPicture_->setGeometry(464, 30, 72, 72);

    picMedia_ = new ui::PictureBox(this, ui::PictureBox::Fit::Clip);
    picMedia_->setObjectName("picMedia");
    picMedia_->setGeometry(kSideLeft, 32, kSideWidth, kSideWidth);
    QPalette black = picMedia_->palette();
    black.setColor(QPalette::Window, Qt::black);
    picMedia_->setPalette(black);
    picMedia_->setAutoFillBackground(true);
    imgMain_ = new ui::PictureBox(picMedia_, ui::PictureBox::Fit::Stretch);
    imgMain_->setObjectName("imgMain");
    imgMain_->setGeometry(0, 0, 0, 0);
    imgPrev_ = new ui::PictureBox(this, ui::PictureBox::Fit::AutoSize);
    imgPrev_->setObjectName("imgPrev");
    imgPrev_->hide();
}

void frmScheda::buildFieldSection(int section) {
    QWidget* panel = panels_[static_cast<size_t>(section - 1)];
    const auto& table = FieldTable();
    auto spin = [&](const QString& name, int top) {
        addButton(panel, name + "Up", "spinup", QRect(492, top, 21, 21));
        addButton(panel, name + "Down", "spindown", QRect(492, top + 24, 21, 21));
    };
    for (size_t i = 0; i < table.size(); ++i) {
        const FieldSpec& spec = table[i];
        if (spec.section != section) continue;
        QRect box;
        switch (section) {
            case 1:
                box = spec.kind == FieldKind::Lines ? QRect(20, 172, 456, 168) : gridBox(spec.position);
                break;
            case 3:
                box = QRect(20, 48, 456, 292);
                break;
            case 7:
                box = gridBox(spec.position, 20);
                break;
            case 8: {
                const int p = spec.position;
                if (p < 4)
                    box = gridBox(p);
                else if (p == 4)
                    box = QRect(20, 128, 456, 56);
                else if (p < 7)
                    box = gridBox(p - 5 + 6);  // the row below the several-line field
                else {
                    const int top = p < 10 ? 268 : 308;
                    const int slot = (p - 7) % 3;
                    box = slot == 0   ? QRect(12, top, 100, 17)
                          : slot == 1 ? QRect(132, top, 170, 15)
                                      : QRect(324, top, 152, 15);
                }
                break;
            }
            default:
                box = gridBox(spec.position);
        }
        addField(panel, int(i), box);
        if (section == 7) {
            auto* icon = new ui::PictureBox(panel, ui::PictureBox::Fit::Stretch);
            setIndexed(icon, "imgTecnici", spec.position);
            icon->setGeometry(box.left() - 22, box.top() - 1, 16, 16);
            technicalIcons_[static_cast<size_t>(spec.position)] = icon;
        }
    }
    if (section == 1) spin("btnDescrizione", 172);
    if (section == 3) spin("btnAggiunte", 48);
    if (section == 8) spin("btnAltro", 128);
}

void frmScheda::buildListSection(int section) {
    const SectionSpec& spec = SectionById(section);
    QWidget* panel = panels_[static_cast<size_t>(section - 1)];
    auto* list = new QTreeWidget(panel);
    list->setObjectName(spec.listName);
    list->setGeometry(12, 32, 500, 290);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setColumnCount(kListColumns);
    list->header()->setStretchLastSection(false);
    list->header()->setSectionsMovable(false);
    list->setFont(ui::SkinFont());
    list->setStyleSheet(kListStyle);
    lists_[static_cast<size_t>(spec.kind - 1)] = list;
    const int kind = spec.kind;
    connect(list, &QTreeWidget::currentItemChanged, this, [this, kind] { onListSelection(kind); });
    connect(list, &QTreeWidget::itemDoubleClicked, this, [this, kind] { onListDoubleClick(kind); });

    ListButtons& b = listButtons_[static_cast<size_t>(kind - 1)];
    const QString s = spec.listSuffix;
    b.add = addButton(panel, "New" + s, "new21", QRect(12, 330, 21, 21));
    b.edit = addButton(panel, "Edit" + s, "edit21", QRect(37, 330, 21, 21));
    b.remove = addButton(panel, "Del" + s, "delete21", QRect(62, 330, 21, 21));
    b.up = addButton(panel, "Up" + s, "spinup", QRect(96, 330, 21, 21));
    b.down = addButton(panel, "Down" + s, "spindown", QRect(121, 330, 21, 21));
    connect(b.add, &ui::ImageButton::pressed, this, [this, kind] { listCommand(kind, 0); });
    connect(b.edit, &ui::ImageButton::pressed, this, [this, kind] { listCommand(kind, 1); });
    connect(b.remove, &ui::ImageButton::pressed, this, [this, kind] { listCommand(kind, 2); });
    connect(b.up, &ui::ImageButton::pressed, this, [this, kind] { listCommand(kind, 3); });
    connect(b.down, &ui::ImageButton::pressed, this, [this, kind] { listCommand(kind, 4); });
    if (kind == 1) {
        btnGetFolderEle_ = addButton(panel, "GetFolderEle", "getfolder21", QRect(155, 330, 21, 21));
        connect(btnGetFolderEle_, &ui::ImageButton::pressed, this, &frmScheda::folderImportRequested);
    }
}

void frmScheda::buildCommandBar() {
    auto bar = [&](const QString& suffix, const QString& picture, int left, bool any = false) {
        return addButton(this, suffix, picture, QRect(left, kBarTop, 48, 48), any);
    };
    auto tool = [&](const QString& suffix, const QString& picture, int left) {
        return addButton(this, suffix, picture, QRect(left, kBarTop + 8, 32, 32));
    };
    auto separator = [&](int index, int left) {
        auto* sep = new ui::PictureBox(this, ui::PictureBox::Fit::Stretch);
        setIndexed(sep, "imgSep", index);
        sep->setGeometry(left, kBarTop, 6, 48);
        separators_.push_back(sep);
    };
    btnEdit_ = bar("Edit", "edit48", 12, true);
    btnSave_ = bar("Save", "save48", 62);
    btnCancel_ = bar("Cancel", "cancel48", 112);
    btnDelete_ = bar("Delete", "delete48", 162, true);
    separator(0, 214);
    btnPrint_ = bar("Print", "print48", 224);
    btnHtml_ = bar("Html", "html48", 274);
    separator(1, 326);
    btnClose_ = bar("Close", "close48", 336);
    separator(2, 388);
    btnCddb_ = bar("Cddb", "cddb48", 398);
    btnGetDir_ = bar("GetDir", "getdir48", 448);
    separator(3, 500);
    btnBack_ = tool("Back", "back32", 548);
    btnForward_ = tool("Forward", "forward32", 584);
    btnPlay_ = tool("Play", "play32", 620);
    separator(4, 662);
    btnSkin_ = tool("Skin", "skincard32", 706);
    btnHelp_ = tool("Help", "helpcard32", 744);

    connect(btnEdit_, &ui::ImageButton::pressed, this, [this] { setIDOperazione(kChange); });
    connect(btnSave_, &ui::ImageButton::pressed, this, [this] { sbSave(); });
    connect(btnCancel_, &ui::ImageButton::pressed, this, &frmScheda::sbCancel);
    connect(btnDelete_, &ui::ImageButton::pressed, this, &frmScheda::sbDelete);
    connect(btnClose_, &ui::ImageButton::pressed, this, &frmScheda::sbClose);
    connect(btnHtml_, &ui::ImageButton::pressed, this, &frmScheda::htmlRequested);
    connect(btnCddb_, &ui::ImageButton::pressed, this, &frmScheda::cddbRequested);
    connect(btnGetDir_, &ui::ImageButton::pressed, this, &frmScheda::listCdFolders);
    connect(btnBack_, &ui::ImageButton::pressed, this, [this] { mediaStep(Qt::Key_Up); });
    connect(btnForward_, &ui::ImageButton::pressed, this, [this] { mediaStep(Qt::Key_Down); });
    connect(btnPlay_, &ui::ImageButton::pressed, this, &frmScheda::playSelected);
    connect(btnSkin_, &ui::ImageButton::pressed, this, &frmScheda::openSkinChooser);
    connect(btnHelp_, &ui::ImageButton::pressed, this, &frmScheda::openHelp);
    for (const char* name : {"btnDescrizione", "btnAggiunte", "btnAltro"}) {
        QWidget* target = name == QLatin1String("btnDescrizione") ? binding_.control("sDescrizione7")
                          : name == QLatin1String("btnAggiunte")  ? binding_.control("sAggiunte1")
                                                                  : binding_.control("sAltro5");
        for (auto* b : findChildren<ui::ImageButton*>(QString(name) + "Up"))
            connect(b, &ui::ImageButton::pressed, this, [this, target] { sendKey(target, Qt::Key_Up); });
        for (auto* b : findChildren<ui::ImageButton*>(QString(name) + "Down"))
            connect(b, &ui::ImageButton::pressed, this, [this, target] { sendKey(target, Qt::Key_Down); });
    }
}

}  // namespace card

// The card window's state: the category applied to the form, the visible section, the operation and
// which commands are enabled.

#include "frmScheda.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTreeWidget>

#include "CardLoader.h"
#include "CardSaver.h"
#include "ElementListView.h"
#include "PictureFit.h"
#include "frame/ColumnWidths.h"
#include "frame/FileUtils.h"
#include "frame/Folders.h"
#include "frame/Language.h"
#include "frame/Paths.h"
#include "media/Playback.h"
#include "store/DbError.h"
#include "ui/Chrome.h"
#include "ui/Icons.h"
#include "ui/SkinHolder.h"

namespace card {

namespace {
const char* const kLabelSections[] = {"MAIN",     "DESCRIZIONE", "PRINCIPALI", "AGGIUNTE",
                                      "ELEMENTI", "GIUDIZI",     "CRITICA",    "TECNICI",
                                      "ALTRO",    "IMMAGINI",    "SUONI",      "FILMATI"};
}  // namespace

frmScheda::frmScheda(QWidget* parent) : ui::SkinnedWindow("frmScheda", QSize(790, 540), parent) {
    setWindowTitle(QStringLiteral("Trovex2"));
    fieldCaptions_.assign(kSections + 1, QStringList());
    buildLayout();
    connect(txtMain2_, &QLineEdit::textChanged, this, &frmScheda::updateThumbnail);
    connect(&ui::SkinHolder(), &ui::frmLib::skinChanged, this, [this] {
        paintSkin();
        if (section_ != 9) showMainPicture();
    });
}

frmScheda::~frmScheda() {
    media::CloseMedia(media::kCardAlias);
}

void frmScheda::sbInit() {
    setWindowTitle(QCoreApplication::applicationName().isEmpty() ? QStringLiteral("Trovex2")
                                                                 : QCoreApplication::applicationName());
    paintSkin();
    ui::sbSetIcons(this);
    frame::sbLoadToolTips(this, "BTNSCHEDA", QString());
    sbMenu();
}

void frmScheda::paintSkin() {
    setBackgroundPicture(ui::ReadPicture(ui::SkinFile("card.jpg")));
    for (ui::PictureBox* sep : separators_) ui::sbLoadPicture(sep, ui::SkinFile("separator48.gif"));
    for (ui::PictureBox* panel : panels_) ui::sbCopyBackground(this, panel);
    ui::RefreshButtons(this);
    update();
}

// --- A. Applying a category -------------------------------------------------------------------------

void frmScheda::setIDCategoria(int category) {
    category_ = category;
    catPath_ = frame::CategoryFolder(category);
    applyCategory();
}

void frmScheda::applyCategory() {
    const QString file = labelFile();
    flags_ = ReadCategoryFlags(file);
    // Design captions first, so a category never inherits the previous category's texts.
    for (size_t i = 0; i < FieldTable().size(); ++i) {
        const FieldSpec& spec = FieldTable()[i];
        if (QLabel* label = fieldLabels_[i])
            label->setText(spec.designCaption);
        else if (auto* check = qobject_cast<QCheckBox*>(fieldControls_[i]))
            check->setText(spec.designCaption);
    }
    for (int s = 0; s < kSections; ++s)
        headings_[static_cast<size_t>(s)]->setText(SectionById(s + 1).designCaption);
    for (const char* section : kLabelSections) frame::sbLoadCaptions(this, section, file);
    for (QLabel* label : fieldLabels_)
        if (label) label->adjustSize();

    QStringList tabCaptions;
    for (QLabel* heading : headings_) heading->adjustSize();
    for (int s = 0; s < kSections; ++s) {
        const QString caption = headings_[static_cast<size_t>(s)]->text();
        tabs_[static_cast<size_t>(s)]->setText(caption);
        tabCaptions << caption;
    }
    const std::vector<int> tops = TabTops(tabCaptions);
    for (int s = 0; s < kSections; ++s) {
        QLabel* tab = tabs_[static_cast<size_t>(s)];
        tab->setVisible(tops[static_cast<size_t>(s)] >= 0);
        if (tops[static_cast<size_t>(s)] >= 0) tab->move(tab->x(), tops[static_cast<size_t>(s)]);
    }
    applyFieldVisibility();

    for (int kind = 1; kind <= kKinds; ++kind) {
        const SectionSpec& spec = SectionOfKind(kind);
        QStringList captions = ReadColumnCaptions(file, spec.labelSection, "lbl" + spec.name);
        SetListColumns(list(kind), captions.mid(1, kListColumns));
        columnCaptions_[static_cast<size_t>(kind - 1)] = std::move(captions);
    }
    for (int i = 0; i < kTechnicalIcons; ++i)
        ui::sbLoadPicture(technicalIcons_[static_cast<size_t>(i)],
                          catPath_ + QString("gif_tecnici%1.gif").arg(i + 1, 2, 10, QChar('0')));
    frame::sbLoadColumns(this, frame::folders().userConfig);
}

void frmScheda::applyFieldVisibility() {
    for (auto& captions : fieldCaptions_) captions.clear();
    for (size_t i = 0; i < FieldTable().size(); ++i) {
        const FieldSpec& spec = FieldTable()[i];
        QWidget* control = fieldControls_[i];
        const QString caption = fieldLabels_[i] ? fieldLabels_[i]->text() : frame::CaptionOf(control);
        QStringList& table = fieldCaptions_[static_cast<size_t>(spec.section)];
        while (table.size() <= spec.position) table << QString();
        table[spec.position] = caption;
        const bool shown = IsShownCaption(caption);
        control->setVisible(shown);
        if (fieldFrames_[i]) fieldFrames_[i]->setVisible(shown);
        if (fieldLabels_[i]) fieldLabels_[i]->setVisible(shown);
        if (spec.section == 7) technicalIcons_[static_cast<size_t>(spec.position)]->setVisible(shown);
    }
}

QString frmScheda::fieldCaption(int section, int position) const {
    const QStringList& table = fieldCaptions_.at(static_cast<size_t>(section));
    return position < table.size() ? table[position] : QString();
}

// --- B. Showing a section -----------------------------------------------------------------------------

void frmScheda::setIDSezione(int section) {
    section_ = qBound(1, section, kSections);
    QLabel* tab = tabs_[static_cast<size_t>(section_ - 1)];
    shpSect_->move(shpSect_->x(), tab->y());
    shpSect_->setVisible(tab->isVisible());
    for (int s = 0; s < kSections; ++s) panels_[static_cast<size_t>(s)]->setVisible(s == section_ - 1);
    media::CloseMedia(media::kCardAlias);
    if (const int kind = MediaKindOfSection(section_)) {
        imgMain_->setVisible(section_ == 9);
        QTreeWidget* lvw = list(kind);
        lvw->setFocus();
        // The first row becomes the selected one (as Page Up would make it), showing or playing it.
        if (lvw->topLevelItemCount() > 0) {
            if (lvw->currentItem() == lvw->topLevelItem(0))
                onListSelection(kind);
            else
                lvw->setCurrentItem(lvw->topLevelItem(0));
        }
    } else {
        imgMain_->show();
        showMainPicture();
    }
    sbMenu();
}

void frmScheda::showMainPicture() {
    const QString stored = txtMain2_->text();
    if (!stored.isEmpty()) showPicture(stored);
}

// --- C. Fitting a picture into the media panel -----------------------------------------------------

QSize frmScheda::mediaInnerSize() const {
    return picMedia_->contentsRect().size();
}

bool frmScheda::showPicture(const QString& storedPath) {
    const QPixmap picture = ui::ReadPicture(frame::NativePath(storedPath));
    if (picture.isNull()) return false;  // not a picture: the panel keeps what it showed
    imgPrev_->setPicture(picture);
    imgMain_->clearPicture();
    imgMain_->setGeometry(FitPicture(picture.size(), mediaInnerSize()));
    imgMain_->setPicture(picture);
    return true;
}

void frmScheda::clearMedia() {
    imgMain_->clearPicture();
    imgPrev_->clearPicture();
}

void frmScheda::updateThumbnail() {
    const QString stored = txtMain2_->text();
    const QString file = stored.isEmpty() ? QString() : frame::NativePath(stored);
    if (!file.isEmpty() && frame::FileExists(file))
        ui::sbLoadPicture(imgPicture_, file);
    else
        ui::sbLoadPicture(imgPicture_, catPath_ + "thumb.jpg");
}

// --- Load (IDScheda) ------------------------------------------------------------------------------------

void frmScheda::setIDScheda(int card) {
    card_ = card;
    CardValues values;
    LoadCardRow(dcMain_, card, values);
    binding_.show(values);
    updateThumbnail();
    setElementRows(LoadElements(dcSupport_, card));
}

ElementLists frmScheda::elementRows() const {
    ElementLists rows;
    for (int kind = 1; kind <= kKinds; ++kind) rows.of(kind) = ReadListRows(list(kind));
    return rows;
}

void frmScheda::setElementRows(const ElementLists& rows) {
    for (int kind = 1; kind <= kKinds; ++kind) FillList(list(kind), rows.of(kind));
}

void frmScheda::appendElementRow(int kind, const QStringList& row8, bool select) {
    QTreeWidgetItem* item = AppendListRow(list(kind), row8);
    if (select) list(kind)->setCurrentItem(item);
}

// --- D. The operation ------------------------------------------------------------------------------------

void frmScheda::setIDOperazione(int operation) {
    operation_ = operation;
    store::RecordSet* rs = dcMain_.recordset();
    try {
        if (operation == kNew || operation == kChange) {
            if (rs && rs->editMode() != store::RecordSet::EditMode::None) rs->cancelUpdate();
            if (rs && operation == kNew)
                rs->addNew();
            else if (rs && !rs->eof())
                rs->edit();
            setLocked(false);
        } else {
            if (rs && rs->editMode() != store::RecordSet::EditMode::None) rs->cancelUpdate();
            if (rs) {
                rs->requery();
                binding_.show(ReadCardRow(rs));
                updateThumbnail();
            }
            setLocked(true);
        }
    } catch (const store::DbError& e) {
        store::ReportError(e);
    }
    sbMenu();
}

void frmScheda::setLocked(bool locked) {
    for (QWidget* control : binding_.controls()) {
        if (auto* line = qobject_cast<QLineEdit*>(control))
            line->setReadOnly(locked || line == txtMain2_);
        else if (auto* lines = qobject_cast<QPlainTextEdit*>(control))
            lines->setReadOnly(locked);
    }
    for (QCheckBox* check : checks_) check->setEnabled(!locked);
    lblMain2_->setEnabled(!locked);
}

// --- E. The commands -------------------------------------------------------------------------------------

QTreeWidget* frmScheda::mediaList() const {
    const int kind = MediaKindOfSection(section_);
    return kind ? list(kind) : nullptr;
}

void frmScheda::sbMenu() {
    MenuInput in;
    in.operation = operation_;
    in.card = card_;
    in.section = section_;
    in.flags = flags_;
    for (int kind = 1; kind <= kKinds; ++kind) {
        in.rows[static_cast<size_t>(kind - 1)] = list(kind)->topLevelItemCount();
        in.selected[static_cast<size_t>(kind - 1)] = !list(kind)->selectedItems().isEmpty();
    }
    const MenuState m = ComputeMenu(in);
    btnHelp_->setEnabled(m.help);
    btnSkin_->setEnabled(m.skin);
    btnEdit_->setEnabled(m.edit);
    btnDelete_->setEnabled(m.remove);
    btnPrint_->setEnabled(m.print);
    btnHtml_->setEnabled(m.html);
    btnSave_->setEnabled(m.save);
    btnCancel_->setEnabled(m.cancel);
    btnCddb_->setEnabled(m.cddb);
    btnGetDir_->setEnabled(m.getDir);
    btnGetFolderEle_->setEnabled(m.getFolder);
    btnClose_->setEnabled(m.close);
    btnBack_->setEnabled(m.back);
    btnForward_->setEnabled(m.forward);
    btnPlay_->setEnabled(m.play);
    for (int k = 0; k < kKinds; ++k) {
        const ListButtons& b = listButtons_[static_cast<size_t>(k)];
        b.add->setEnabled(m.lists[static_cast<size_t>(k)].add);
        b.edit->setEnabled(m.lists[static_cast<size_t>(k)].edit);
        b.remove->setEnabled(m.lists[static_cast<size_t>(k)].remove);
    }
    ui::RefreshButtons(this);
}

}  // namespace card

// What the card window's commands do: save, cancel, delete and close; the element list commands; the
// value pickers, the main picture, the media panel, the CD folder listing, skin and help.

#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTreeWidget>

#include "CardLoader.h"
#include "CardSaver.h"
#include "CdFolders.h"
#include "ElementEditor.h"
#include "ElementListView.h"
#include "FileIntake.h"
#include "SaveCheck.h"
#include "frame/ColumnWidths.h"
#include "frame/Dialogs.h"
#include "frame/FileUtils.h"
#include "frame/Folders.h"
#include "frame/Language.h"
#include "frame/Paths.h"
#include "frmScheda.h"
#include "media/Playback.h"
#include "ui/MsgDialogs.h"
#include "ui/frmSkin.h"

namespace card {
namespace {

const char* const kPictureFilter =
    "*.* (*.bmp;*.dib;*.jpg;*.jpeg;*.jpe;*.gif;*.wmf)|*.bmp;*.dib;*.jpg;*.jpeg;*.jpe;*.gif;*.wmf|"
    "Bitmap (*.bmp;*.dib)|*.bmp;*.dib|JPEG (*.jpg;*.jpeg;*.jpe)|*.jpg;*.jpeg;*.jpe|"
    "Compuserve GIF (*.gif)|*.gif|Windows Metafile (*.wmf)|*.wmf|";

QString textOf(QWidget* box) {
    if (auto* line = qobject_cast<QLineEdit*>(box)) return line->text();
    if (auto* lines = qobject_cast<QPlainTextEdit*>(box)) return lines->toPlainText();
    return QString();
}

void setTextIfChanged(QWidget* box, const QString& text) {
    auto* line = qobject_cast<QLineEdit*>(box);
    if (line && line->text() != text) line->setText(text);
}

}  // namespace

// --- Save, cancel, delete, close ----------------------------------------------------------------------

bool frmScheda::sbSave() {
    auto caption = [this](const QString& name) {
        auto* label = findChild<QLabel*>(name);
        return label ? label->text() : QString();
    };
    QWidget* person1 = binding_.control("sAltro9");
    QWidget* date1 = binding_.control("dtAltro10");
    QWidget* person2 = binding_.control("sAltro12");
    QWidget* date2 = binding_.control("dtAltro13");
    CardCheck check;
    check.title = txtMain1_->text();
    check.mainPicture = txtMain2_->text();
    check.loan1 = {qobject_cast<QCheckBox*>(binding_.control("bAltro8"))->isChecked(), textOf(person1),
                   textOf(date1)};
    check.loan2 = {qobject_cast<QCheckBox*>(binding_.control("bAltro11"))->isChecked(), textOf(person2),
                   textOf(date2)};
    check.titleCaption = caption("lblMain1");
    check.date1Caption = caption("lblAltro10");
    check.date2Caption = caption("lblAltro13");
    check.pictureCaption = caption("lblMain2");
    const bool pictureExists =
        !check.mainPicture.isEmpty() && frame::FileExists(frame::NativePath(check.mainPicture));
    const QDate today = QDate::currentDate();
    const frame::ValidationReport report = CheckCard(check, today, pictureExists);
    setTextIfChanged(person1, check.loan1.person);
    setTextIfChanged(date1, check.loan1.date);
    setTextIfChanged(person2, check.loan2.person);
    setTextIfChanged(date2, check.loan2.date);
    if (!report.IsEmpty()) {
        ui::MsgError(frame::errImmissione, report.Text());
        return false;
    }
    if (ui::MsgConfirm(frame::cnfSalva) != ui::cMsgRetValue::kOK) return false;

    const ElementLists rows = elementRows();
    SaveRequest request;
    request.isNew = operation_ == kNew;
    request.category = category_;
    request.card = card_;
    request.values = binding_.collect();
    request.elements = &rows;
    request.today = today;
    const StoreOutcome outcome = SaveCard(dcMain_, dcSupport_, request);
    if (!outcome.ok) {
        // Nothing of the save was kept; the card stays open with everything the user typed.
        ui::ShowDatabaseError(outcome.errorNumber, outcome.errorDescription);
        return false;
    }
    card_ = outcome.card;
    emit categoryChanged(category_);
    setIDOperazione(kView);
    sbClose();
    return true;
}

void frmScheda::sbCancel() {
    if (ui::MsgConfirm(frame::cnfAnnulla) == ui::cMsgRetValue::kCancel) return;
    if (store::RecordSet* rs = dcMain_.recordset();
        rs && rs->editMode() != store::RecordSet::EditMode::None) {
        rs->cancelUpdate();
        dcMain_.close();
    }
    setIDOperazione(kView);
    sbClose();
}

void frmScheda::sbDelete() {
    if (ui::MsgConfirm(frame::cnfElimina) != ui::cMsgRetValue::kOK) return;
    const StoreOutcome outcome = DeleteCard(dcMain_, card_);
    if (!outcome.ok) {
        ui::ShowActionError(this, outcome.errorNumber, outcome.errorDescription);
        return;
    }
    frame::sbSaveColumns(this, frame::folders().userConfig);
    emit categoryChanged(category_);
    setIDOperazione(kView);
    sbClose();
}

void frmScheda::sbClose() {
    emit closed(pos());
    frame::sbSaveColumns(this, frame::folders().userConfig);
    store::OpenRecordSource(dcMain_, CardStatement(-1));
    binding_.show({});
    setIDSezione(1);
    clearMedia();
    hide();
}

// --- Keys and mouse on controls ---------------------------------------------------------------------------

bool frmScheda::previewKey(QKeyEvent* event) {
    if (event->key() == Qt::Key_F4) {
        QWidget* focus = focusWidget();
        const FieldSpec* spec = focus ? FieldByColumn(focus->property("column").toString()) : nullptr;
        if (spec && spec->picker) {
            openPicker(focus);
            return true;
        }
    }
    return false;
}

bool frmScheda::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget && event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (widget->objectName() == QLatin1String("lblSect") && mouse->button() == Qt::LeftButton) {
            setIDSezione(widget->property("index").toInt() + 1);
            return true;
        }
        if (widget == lblMain2_ && mouse->button() == Qt::LeftButton) {
            if (lblMain2_->isEnabled()) chooseMainPicture();
            return true;
        }
        if (widget->property("anyMouseButton").toBool() && mouse->button() != Qt::LeftButton) {
            if (widget->isEnabled()) emit static_cast<ui::ImageButton*>(widget)->pressed();
            return true;
        }
    }
    if (widget && event->type() == QEvent::MouseButtonDblClick) {
        const FieldSpec* spec = FieldByColumn(widget->property("column").toString());
        if (spec && spec->picker) {
            openPicker(widget);
            return true;
        }
    }
    return ui::SkinnedWindow::eventFilter(watched, event);
}

void frmScheda::openPicker(QWidget* field) {
    const QString column = field->property("column").toString();
    const FieldSpec* spec = FieldByColumn(column);
    if (!spec || !picker_) return;
    const QString chosen = picker_(fieldCaption(spec->section, spec->position), column);
    if (chosen.isEmpty()) return;
    if (auto* line = qobject_cast<QLineEdit*>(field)) line->setText(chosen);
}

// --- Main picture and thumbnail ------------------------------------------------------------------------

void frmScheda::chooseMainPicture() {
    const QString file = frame::OpenFileDialog(this, kPictureFilter);
    if (file.isEmpty()) return;
    const QString stored = TakeFileIntoFolder(file, catPath_);
    if (!stored.isEmpty()) txtMain2_->setText(stored);
}

// --- Element lists -------------------------------------------------------------------------------------

void frmScheda::listCommand(int kind, int command) {
    const ListButtons& b = listButtons_[static_cast<size_t>(kind - 1)];
    switch (command) {
        case 0:
            if (b.add->isEnabled()) editElement(kind, true);
            break;
        case 1:
            if (b.edit->isEnabled()) editElement(kind, false);
            break;
        case 2:
            deleteElement(kind);
            break;
        case 3:
            sendKey(list(kind), Qt::Key_Up);
            break;
        case 4:
            sendKey(list(kind), Qt::Key_Down);
            break;
        default:
            break;
    }
}

void frmScheda::editElement(int kind, bool addNew) {
    QTreeWidget* lvw = list(kind);
    QTreeWidgetItem* item = addNew ? nullptr : lvw->currentItem();
    if (!addNew && (!item || !item->isSelected())) return;
    QStringList row = addNew ? QStringList() : ListRow(item);
    const bool saved =
        editor_ ? editor_(this, kind, catPath_, row) : EditElementRow(this, kind, catPath_, row);
    if (!saved) return;
    if (addNew)
        AppendListRow(lvw, row);
    else
        SetListRow(item, row);
}

void frmScheda::deleteElement(int kind) {
    QTreeWidget* lvw = list(kind);
    QTreeWidgetItem* item = lvw->currentItem();
    if (!item || !item->isSelected()) return;
    if (ui::MsgConfirm(frame::cnfElimina) != ui::cMsgRetValue::kOK) return;
    delete item;
    sbMenu();
}

void frmScheda::onListDoubleClick(int kind) {
    listCommand(kind, 1);
}

void frmScheda::onListSelection(int kind) {
    QTreeWidget* lvw = list(kind);
    QTreeWidgetItem* item = lvw->currentItem();
    // The list buttons follow the selection, so a selected row can be edited at once.
    sbMenu();
    if (!item) return;
    const QString file = ListRow(item).value(kListColumns - 1);
    if (kind == 3 && !file.isEmpty() && section_ == 9) showPicture(file);
    if (kind == 4 && section_ == 11) media::PlayCardFilm(file, picMedia_);
}

void frmScheda::sendKey(QWidget* target, int key) {
    if (!target || !target->isVisible()) return;
    target->setFocus();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &release);
}

void frmScheda::mediaStep(int key) {
    if (QTreeWidget* lvw = mediaList()) sendKey(lvw, key);
}

void frmScheda::playSelected() {
    QTreeWidget* lvw = mediaList();
    QTreeWidgetItem* item = lvw ? lvw->currentItem() : nullptr;
    if (!item) return;
    const QString file = ListRow(item).value(kListColumns - 1);
    if (!file.isEmpty()) frame::sbShellOpen(this, frame::NativePath(file));
}

// --- CD folders, skin, help -----------------------------------------------------------------------------

void frmScheda::listCdFolders() {
    const QString root = FirstCdRoot();
    if (root.isEmpty()) return;
    if (auto* description = qobject_cast<QPlainTextEdit*>(binding_.control("sDescrizione7")))
        description->setPlainText(FolderListing(TopFolders(root)));
}

void frmScheda::openSkinChooser() {
    ui::frmSkin chooser(this);
    chooser.sbInit();
    chooser.exec();
}

void frmScheda::openHelp() {
    frame::sbShellOpen(this, frame::NativePath("hlp\\index.htm"));
}

}  // namespace card

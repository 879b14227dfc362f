#include "Pickers.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTreeWidget>

#include "FieldPickerRows.h"
#include "frame/Folders.h"
#include "frame/Language.h"
#include "frame/Paths.h"
#include "store/DbError.h"
#include "ui/Chrome.h"
#include "ui/Icons.h"
#include "ui/Theme.h"

namespace browser {

namespace {
constexpr int kWidth = 300;
constexpr int kHeight = 292;
const QRect kListRect(12, 28, 276, 224);
}  // namespace

frmMsgPicker::frmMsgPicker(const QString& name, QWidget* parent)
    : SkinnedWindow(name, QSize(kWidth, kHeight), parent) {
    lblFrmTitle_ = ui::MakeTitleLabel(this, QStringLiteral("Lista"), QRect(4, 4, kWidth - 8, 13));
    lvwLst_ = new QTreeWidget(this);
    lvwLst_->setObjectName("lvwLst");
    lvwLst_->setGeometry(kListRect);
    lvwLst_->setFont(ui::SkinFont());
    lvwLst_->setRootIsDecorated(false);
    lvwLst_->setColumnCount(0);
    lvwLst_->setSelectionMode(QAbstractItemView::SingleSelection);
    lvwLst_->setAllColumnsShowFocus(true);
    lvwLst_->header()->setStretchLastSection(false);
    lvwLst_->header()->setSectionsMovable(false);
    lvwLst_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lvwLst_->setStyleSheet(
        "QTreeWidget { background: black; color: rgb(128, 255, 128); border: 1px solid rgb(160, 160, 160); }"
        "QTreeWidget::item:selected { background: rgb(64, 128, 64); color: white; }"
        "QHeaderView::section { background: rgb(96, 96, 96); color: rgb(224, 224, 224); border: none;"
        " padding: 1px 4px; }");
    btnUp_ = new ui::ImageButton(this, "Up", "spinup", QRect(12, 262, 21, 21));
    btnDown_ = new ui::ImageButton(this, "Down", "spindown", QRect(37, 262, 21, 21));
    btnOK_ = new ui::ImageButton(this, "OK", "ok", QRect(164, 262, 60, 21));
    btnCancel_ = new ui::ImageButton(this, "Cancel", "cancel21", QRect(228, 262, 60, 21));
    connect(btnOK_, &ui::ImageButton::pressed, this, &frmMsgPicker::onOK);
    connect(btnCancel_, &ui::ImageButton::pressed, this, &frmMsgPicker::onCancel);
    connect(btnUp_, &ui::ImageButton::pressed, this, [this] { moveSelection(Qt::Key_Up); });
    connect(btnDown_, &ui::ImageButton::pressed, this, [this] { moveSelection(Qt::Key_Down); });
    // Clicks and arrow keys alike keep OK in step with the selected row.
    connect(lvwLst_, &QTreeWidget::itemSelectionChanged, this, &frmMsgPicker::sbRefreshButtons);
    connect(lvwLst_, &QTreeWidget::itemClicked, this, &frmMsgPicker::sbRefreshButtons);
    connect(lvwLst_, &QTreeWidget::itemDoubleClicked, this, &frmMsgPicker::onOK);
}

void frmMsgPicker::sbInitBase() {
    frame::sbLoadCaptions(this, "LISTA", QString());
    ui::sbPaintSkin(this);
    ui::sbSetIcons(this);
}

void frmMsgPicker::sbRefreshButtons() {
    const QTreeWidgetItem* row = lvwLst_->currentItem();
    const bool selected = row && row->isSelected();
    btnOK_->setEnabled(lvwLst_->topLevelItemCount() > 0 && selected && pickable(row));
    btnCancel_->setEnabled(true);
    ui::RefreshButtons(this);
}

void frmMsgPicker::onOK() {
    const QTreeWidgetItem* row = lvwLst_->currentItem();
    if (!btnOK_->isEnabled() || !row || !row->isSelected() || !pickable(row)) return;
    if (response_) response_->Text = pickedText(row);
    ui::sbCloseForm(this);
}

void frmMsgPicker::onCancel() {
    ui::sbCloseForm(this);
}

void frmMsgPicker::moveSelection(int key) {
    lvwLst_->setFocus();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(lvwLst_, &press);
    sbRefreshButtons();
}

bool frmMsgPicker::previewKey(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            onOK();
            return true;
        case Qt::Key_Escape:
            onCancel();
            return true;
        default:
            return false;
    }
}

// The value picker.

QString DistinctValuesQuery(const QString& table, const QString& field) {
    return "SELECT DISTINCT [" + field + "] FROM [" + table + "] WHERE [" + field + "] <> ''";
}

frmMsgList::frmMsgList(QWidget* parent) : frmMsgPicker("frmMsgList", parent) {}

void frmMsgList::sbInit() {
    sbInitBase();
}

void frmMsgList::setFldText(const QString& text) {
    fldText_ = text;
    lblFrmTitle()->setText(text);
    const int column = lvwLst_->columnCount();
    lvwLst_->setColumnCount(column + 1);
    lvwLst_->headerItem()->setText(column, text);
    lvwLst_->setColumnWidth(column, lvwLst_->viewport()->width());
}

void frmMsgList::sbFillList() {
    lvwLst_->clear();
    if (lvwLst_->columnCount() == 0) lvwLst_->setColumnCount(1);
    if (store::OpenRecordSource(dcMain_, DistinctValuesQuery(tblName_, fldName_))) {
        try {
            for (store::RecordSet* rs = dcMain_.recordset(); rs && !rs->eof(); rs->moveNext())
                new QTreeWidgetItem(lvwLst_, QStringList{rs->text(fldName_)});
        } catch (const store::DbError& e) {
            store::ReportError(e);
        }
    }
    sbRefreshButtons();
}

bool frmMsgList::pickable(const QTreeWidgetItem*) const {
    return true;
}

QString frmMsgList::pickedText(const QTreeWidgetItem* row) const {
    return row->text(0);
}

// The field picker.

frmMsgFields::frmMsgFields(QWidget* parent) : frmMsgPicker("frmMsgFields", parent) {}

void frmMsgFields::sbInit() {
    sbInitBase();
    // The label, as wide as the list, and the column name, never seen.
    lvwLst_->setColumnCount(2);
    lvwLst_->setHeaderLabels({" ", " "});
    lvwLst_->setColumnWidth(0, lvwLst_->viewport()->width());
    lvwLst_->setColumnWidth(1, 0);
}

void frmMsgFields::sbFillList() {
    lvwLst_->clear();
    const QString labelFile = frame::CategoryLabelFile(frame::CategoryFolder(idCategoria_));
    for (const FieldRow& field : FieldPickerRows(labelFile)) {
        auto* row = new QTreeWidgetItem(lvwLst_, QStringList{field.text, field.column});
        row->setData(0, kRowKeyRole, field.key);
        if (field.header) {
            QFont bold = row->font(0);
            bold.setBold(true);
            row->setFont(0, bold);
        }
    }
    sbRefreshButtons();
}

bool frmMsgFields::pickable(const QTreeWidgetItem* row) const {
    return !row->data(0, kRowKeyRole).toString().endsWith(QLatin1String("|0"));
}

QString frmMsgFields::pickedText(const QTreeWidgetItem* row) const {
    return row->text(1);
}

// The shared openers.

QString MsgFields(int category) {
    frmMsgFields picker(QApplication::activeWindow());
    picker.sbInit();
    picker.setIDCategoria(category);
    auto response = std::make_shared<ui::cMsgRetValue>();
    picker.setResponse(response);
    picker.sbFillList();
    ui::CenterOnActiveWindow(&picker);
    picker.exec();
    return response->Text;
}

QString MsgList(const QString& table, const QString& field, const QString& text) {
    frmMsgList picker(QApplication::activeWindow());
    picker.sbInit();
    picker.setFldName(field);
    picker.setFldText(text);
    auto response = std::make_shared<ui::cMsgRetValue>();
    picker.setResponse(response);
    picker.setTblName(table);
    picker.sbFillList();
    ui::CenterOnActiveWindow(&picker);
    picker.exec();
    return response->Text;
}

}  // namespace browser

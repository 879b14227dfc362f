#include "frmSkin.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QListWidget>

#include "Chrome.h"
#include "Icons.h"
#include "SkinHolder.h"
#include "Theme.h"
#include "frame/Folders.h"
#include "frame/Ini.h"
#include "frame/Language.h"
#include "frame/Paths.h"

namespace ui {

QStringList SkinNames(const QString& skinsFolder) {
    return QDir(skinsFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

void ApplySkin(const QString& skinName) {
    const QString file = frame::folders().userConfig;
    frame::sbSetINI("PATH", "skins", skinName + '\\', file);
    frame::SetCurrentSkin(frame::GetINI("PATH", "skins", QString::fromLatin1("predeterminado\\"), file));
    SkinHolder().sbLoadSkin();
}

frmSkin::frmSkin(QWidget* parent) : SkinnedWindow("frmSkin", QSize(337, 178), parent) {
    MakeTitleLabel(this, QStringLiteral("Skin"), QRect(8, 4, 322, 13));
    lvwLst_ = new QListWidget(this);
    lvwLst_->setObjectName("lvwLst");
    lvwLst_->setGeometry(12, 32, 153, 105);
    lvwLst_->setFont(SkinFont());
    lvwLst_->setFrameShape(QFrame::NoFrame);
    lvwLst_->setStyleSheet(
        "QListWidget { background: black; color: rgb(128, 255, 128); border: 1px solid rgb(160, 160, 160); }"
        "QListWidget::item:selected { background: rgb(64, 128, 64); color: white; }");
    imgPreview_ = new PictureBox(this, PictureBox::Fit::Stretch);
    imgPreview_->setObjectName("imgPreview");
    imgPreview_->setGeometry(176, 32, 150, 103);
    btnOK_ = new ImageButton(this, "OK", "ok", QRect(108, 152, 60, 21));
    btnCancel_ = new ImageButton(this, "Cancel", "cancel21", QRect(172, 152, 60, 21));
    connect(btnOK_, &ImageButton::pressed, this, &frmSkin::onOK);
    connect(btnCancel_, &ImageButton::pressed, this, [this] { sbCloseForm(this); });
    connect(lvwLst_, &QListWidget::currentRowChanged, this, [this] { showPreview(); });
}

void frmSkin::sbInit() {
    frame::sbLoadCaptions(this, "SKIN", QString());
    sbPaintSkin(this);
    sbSetIcons(this);
    lvwLst_->clear();
    lvwLst_->addItems(SkinNames(frame::folders().skins));
    lvwLst_->setFocus();
    QKeyEvent pageUp(QEvent::KeyPress, Qt::Key_PageUp, Qt::NoModifier);
    QApplication::sendEvent(lvwLst_, &pageUp);
    if (lvwLst_->count() > 0 && lvwLst_->currentRow() < 0) lvwLst_->setCurrentRow(0);
    RefreshButtons(this);
}

void frmSkin::showPreview() {
    const QListWidgetItem* item = lvwLst_->currentItem();
    const QString name = item ? item->text() : QString();
    if (name.isEmpty())
        imgPreview_->clearPicture();
    else
        sbLoadPicture(imgPreview_, frame::JoinPath(frame::folders().skins, name + "/preview.jpg"));
    RefreshButtons(this);
}

void frmSkin::onOK() {
    const QListWidgetItem* item = lvwLst_->currentItem();
    if (!item || !item->isSelected()) return;
    ApplySkin(item->text());
    SkinHolder().notifySkinChanged();
    emit skinChanged();
    sbCloseForm(this);
}

bool frmSkin::previewKey(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            onOK();
            return true;
        case Qt::Key_Escape:
            sbCloseForm(this);
            return true;
        default:
            return false;
    }
}

}  // namespace ui

#pragma once
// The skin chooser: lists the skin folders, previews the selected one and applies it to the running
// program and to the user's next runs.

#include <QStringList>

#include "ImageButton.h"
#include "SkinnedWindow.h"

class QListWidget;

namespace ui {

// The names of the skin folders below the skins folder, in the order the file system gives them
// (by name when it gives none).
QStringList SkinNames(const QString& skinsFolder);

// Makes `skinName` the user's skin: writes it with a trailing backslash as `skins` in section `PATH`
// of the user configuration file, reads it back, makes that folder current and reloads the skin
// holder.
void ApplySkin(const QString& skinName);

class frmSkin : public SkinnedWindow {
    Q_OBJECT
public:
    explicit frmSkin(QWidget* parent = nullptr);
    void sbInit();

    QListWidget* lvwLst() const { return lvwLst_; }
    PictureBox* imgPreview() const { return imgPreview_; }

    // OK: applies the selected skin and closes; with nothing selected it does nothing.
    void onOK();

signals:
    // The user applied another skin; the browser and the card window reload their backgrounds.
    void skinChanged();

protected:
    bool previewKey(QKeyEvent* event) override;

private:
    void showPreview();

    QListWidget* lvwLst_;
    PictureBox* imgPreview_;
    ImageButton* btnOK_;
    ImageButton* btnCancel_;
};

}  // namespace ui

#pragma once
// The About box: the credits picture, the program's title, the copyright texts and the version.

#include <QString>

#include "ImageButton.h"
#include "SkinnedWindow.h"

class QLabel;

namespace ui {

// "lblAppVersion" text of the language file, a space, and the version as major.minor.revision.
QString AboutVersionText(const QString& label, const QString& version);

class frmAbout : public SkinnedWindow {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);
    void sbInit();

    QLabel* lblAppTitle() const { return lblAppTitle_; }
    QLabel* lblAppCopyright() const { return lblAppCopyright_; }
    QLabel* lblAppVersion() const { return lblAppVersion_; }

protected:
    bool previewKey(QKeyEvent* event) override;

private:
    PictureBox* imgabout_;
    QLabel* lblAppTitle_;
    QLabel* lblAppCopyright_;
    QLabel* lblAppVersion_;
    ImageButton* btnOK_;
};

}  // namespace ui

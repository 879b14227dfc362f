#include "frmAbout.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QStringList>
#include <QVersionNumber>

#include "Chrome.h"
#include "Icons.h"
#include "Theme.h"
#include "frame/Folders.h"
#include "frame/Ini.h"
#include "frame/Paths.h"

namespace ui {

QString AboutVersionText(const QString& label, const QString& version) {
    const QVersionNumber v = QVersionNumber::fromString(version);
    return label + ' ' +
           QStringLiteral("%1.%2.%3").arg(v.majorVersion()).arg(v.minorVersion()).arg(v.microVersion());
}

frmAbout::frmAbout(QWidget* parent) : SkinnedWindow("frmAbout", QSize(421, 277), parent) {
    MakeTitleLabel(this, QStringLiteral("Información"), QRect(4, 4, 414, 13));
    imgabout_ = new PictureBox(this, PictureBox::Fit::Stretch);
    imgabout_->setObjectName("imgabout");
    imgabout_->setGeometry(16, 26, 76, 216);
    lblAppTitle_ = MakeLabel(this, "lblAppTitle", QString(), QPoint(100, 32));
    QFont titleFont = SkinFont(true);
    titleFont.setPixelSize(20);
    lblAppTitle_->setFont(titleFont);
    lblAppTitle_->setStyleSheet("color: white; background: transparent;");
    lblAppCopyright_ = MakeLabel(this, "lblAppCopyright", QString(), QPoint(100, 72));
    lblAppCopyright_->setWordWrap(true);
    lblAppCopyright_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblAppCopyright_->resize(309, 169);
    lblAppVersion_ = MakeLabel(this, "lblAppVersion", QString(), QPoint(16, 256));
    lblAppVersion_->resize(70, 13);
    btnOK_ = new ImageButton(this, "OK", "ok", QRect(180, 252, 60, 21));
    connect(btnOK_, &ImageButton::pressed, this, [this] { sbCloseForm(this); });
}

void frmAbout::sbInit() {
    const QString lang = frame::folders().languageFile;
    QString title = QCoreApplication::applicationName();
    lblAppTitle_->setText(title);
    lblAppTitle_->adjustSize();
    QStringList copyright;
    for (int i = 1; i <= 6; ++i)
        copyright << frame::GetINI("ABOUT", QStringLiteral("lblAppCopyright%1").arg(i), QString(), lang);
    lblAppCopyright_->setText(copyright.join(' '));
    QString version = QCoreApplication::applicationVersion();
    if (version.isEmpty()) version = QStringLiteral(TROVEX2_VERSION);
    lblAppVersion_->setText(
        AboutVersionText(frame::GetINI("ABOUT", "lblAppVersion", QString(), lang), version));
    // The version may need more room than its 70 pixels; there is free space beside it.
    lblAppVersion_->resize(std::max(70, lblAppVersion_->sizeHint().width()), 13);
    sbPaintSkin(this);
    sbLoadPicture(imgabout_, frame::JoinPath(frame::folders().credits, "jpgAbout.jpg"));
    sbSetIcons(this);
    btnOK_->refreshPicture();
}

bool frmAbout::previewKey(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            sbCloseForm(this);
            return true;
        default:
            return false;
    }
}

}  // namespace ui

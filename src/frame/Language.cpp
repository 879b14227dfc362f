#include "Language.h"

#include <QAbstractButton>
#include <QLabel>
#include <QVariant>
#include <QWidget>
#include <functional>

#include "Folders.h"
#include "Ini.h"
#include "LanguageSection.h"

namespace frame {

QString errImmissione;
QString errOmesso;
QString errNonTrovato;
QString errFormato;
QString errOrigDest;
QString errCDError;
QString errCDDBNoMatch;
QString cnfSalva;
QString cnfAnnulla;
QString cnfElimina;
QString cnfArdel;
QString msgRiavviare;

namespace {

struct MessageEntry {
    const char* section;
    const char* key;
    QString* text;
};

const MessageEntry kMessages[] = {
    {"MSGERROR", "errImmissione", &errImmissione},   {"MSGERROR", "errOmesso", &errOmesso},
    {"MSGERROR", "errNonTrovato", &errNonTrovato},   {"MSGERROR", "errFormato", &errFormato},
    {"MSGERROR", "errOrigDest", &errOrigDest},       {"MSGERROR", "errCDError", &errCDError},
    {"MSGERROR", "errCDDBNoMatch", &errCDDBNoMatch}, {"MSGCONFIRM", "cnfSalva", &cnfSalva},
    {"MSGCONFIRM", "cnfAnnulla", &cnfAnnulla},       {"MSGCONFIRM", "cnfElimina", &cnfElimina},
    {"MSGCONFIRM", "cnfArdel", &cnfArdel},           {"MSGINFO", "msgRiavviare", &msgRiavviare},
};

const QString kBlank = QStringLiteral("-");

// A user control keeps its inner parts out of the window's control list.
bool isUserControl(const QWidget* w) {
    return w->property("userControl").toBool();
}

// Image buttons and their pictures have no caption of their own, whatever widget class draws them.
bool isPicture(const QString& name) {
    return name.startsWith("btn") || name.startsWith("img");
}

bool hasCaptionProperty(const QWidget* w) {
    return w->property("caption").isValid();
}

// Labels, check boxes and buttons have a caption, and so has a custom control with a "caption" property.
bool hasCaption(const QWidget* w) {
    if (hasCaptionProperty(w)) return true;
    if (isPicture(w->objectName())) return false;
    return qobject_cast<const QLabel*>(w) || qobject_cast<const QAbstractButton*>(w);
}

// Visits the named controls of a window: all its descendants, never the widgets of another window nor
// the inner parts of a user control.
void forEachControl(QWidget* parent, const std::function<void(QWidget*)>& visit) {
    for (QObject* child : parent->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w || w->isWindow()) continue;
        const QString name = w->objectName();
        if (!name.isEmpty() && !name.startsWith("qt_")) visit(w);
        if (!isUserControl(w)) forEachControl(w, visit);
    }
}

QString languageFileOr(const QString& file) {
    return file.isEmpty() ? folders().languageFile : file;
}

}  // namespace

void sbLoadMessages() {
    sbLoadMessages(folders().languageFile);
}

void sbLoadMessages(const QString& file) {
    for (const MessageEntry& m : kMessages)
        *m.text = GetINI(QLatin1String(m.section), QLatin1String(m.key), QString(), file);
}

QString Message(const QString& key) {
    for (const MessageEntry& m : kMessages)
        if (key.compare(QLatin1String(m.key), Qt::CaseInsensitive) == 0) return *m.text;
    return QString();
}

QString CaptionOf(const QWidget* control) {
    if (!control) return QString();
    if (hasCaptionProperty(control)) return control->property("caption").toString();
    if (isPicture(control->objectName())) return QString();
    if (auto* label = qobject_cast<const QLabel*>(control)) return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(control)) return button->text();
    return QString();
}

bool SetCaption(QWidget* control, const QString& caption) {
    if (!control) return false;
    if (hasCaptionProperty(control)) return control->setProperty("caption", caption);
    if (isPicture(control->objectName())) return false;
    if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(caption);
        return true;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(caption);
        return true;
    }
    return false;
}

void sbLoadCaptions(QWidget* window, const QString& section, const QString& file) {
    if (!window) return;
    const LanguageSection reader(section, languageFileOr(file));
    forEachControl(window, [&](QWidget* w) {
        if (!hasCaption(w)) return;
        const QString value = reader.value(w->objectName());
        if (value.isEmpty()) return;
        SetCaption(w, value == kBlank ? QString() : value);
    });
}

void sbLoadToolTips(QWidget* window, const QString& section, const QString& file) {
    if (!window) return;
    const LanguageSection reader(section, languageFileOr(file));
    forEachControl(window, [&](QWidget* w) {
        if (w->objectName().startsWith("shp")) return;  // shapes show no tooltip
        const QString value = reader.value(w->objectName());
        if (value.isEmpty()) return;
        w->setToolTip(value == kBlank ? QString() : value);
    });
}

void ValidationReport::Add(const QString& caption, const QString& reason) {
    lines_.append(QStringLiteral("\u00BB ") + caption + ' ' + reason);
}

void ValidationReport::Add(const QWidget* captionControl, const QString& reason) {
    Add(CaptionOf(captionControl), reason);
}

QString ValidationReport::Text() const {
    return lines_.join(QLatin1String("\r\n"));
}

}  // namespace frame

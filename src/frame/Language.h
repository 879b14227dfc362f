#pragma once
// The language tables: every text the user reads comes from the installation's language file
// (folders().languageFile) or, for the card window and the element editor, from a category label file.
//
// Captions. sbLoadCaptions walks the controls of a window and, for each control that has a caption,
// reads the key named after the control's objectName from the given section. Controls with a caption:
//   - labels (QLabel): the text;
//   - check boxes and buttons (every QAbstractButton: QCheckBox, QPushButton, QRadioButton,
//     QToolButton): the text;
//   - custom widgets with a Qt property "caption" (static or dynamic): that property.
// Image buttons and their pictures (objectName "btn..." or "img...", whatever class draws them) have no
// caption of their own: they get one only through a "caption" property.
// Other kinds (text boxes, lists, pictures, frames) are skipped. A value of exactly "-" sets the empty
// caption; a missing key or an empty value keeps the control's built-in caption.
//
// Tooltips. sbLoadToolTips gives every control that can show one the value of its key, when that value
// is not empty ("-" clears the tooltip). Shapes (objectName "shp...") cannot show a tooltip and are never
// given one.
//
// The walk. It visits every descendant widget of the window in creation order, inside any container
// (frames, panels, picture boxes, scroll areas, tab pages), but it does not enter a separate window (a
// dialog parented to the window). A user control whose inner parts are its own business (the item tile)
// sets the Qt property "userControl" to true: the control itself is visited, its children are not.
// Widgets without an objectName, or with Qt's internal "qt_..." names, are passed over.
// Members of a control array share one objectName (and carry their position in the dynamic property
// "index"), so they always show the same text.
//
// Messages. sbLoadMessages reads the message texts once at start-up into the globals below; a missing
// file, section or key gives the empty text. The texts are not read again while the program runs.

#include <QString>
#include <QStringList>

class QWidget;

namespace frame {

// The message texts, empty until sbLoadMessages has run (and when the language file lacks them).
// Section MSGERROR:
extern QString errImmissione;   // headline of every validation report
extern QString errOmesso;       // reason: a required field is empty
extern QString errNonTrovato;   // reason: the value was not found
extern QString errFormato;      // reason: the value has the wrong form
extern QString errOrigDest;     // the HTML export destination is the template's own folder
extern QString errCDError;      // the CD in the drive cannot be read or looked up
extern QString errCDDBNoMatch;  // the CD database knows no entry for the disc
// Section MSGCONFIRM:
extern QString cnfSalva;    // before saving a card or an element
extern QString cnfAnnulla;  // before discarding the changes of a card
extern QString cnfElimina;  // before deleting a card or an element
extern QString cnfArdel;    // before handing over to the maintenance tool
// Section MSGINFO:
extern QString msgRiavviare;  // settings saved: they take effect at the next start

// Reads every message text from folders().languageFile into the globals above.
void sbLoadMessages();
// The same from another language file (tests, the maintenance tool's own checks).
void sbLoadMessages(const QString& file);

// A loaded message text by its key ("errOmesso", "cnfSalva", "msgRiavviare"; case is ignored), or the
// empty text for a key the program does not know.
QString Message(const QString& key);

// Applies the captions of `section` of `file` to the controls of `window`. An empty `file` means the
// language file. Call it in the window's sbInit, before the chrome is painted.
void sbLoadCaptions(QWidget* window, const QString& section, const QString& file);

// Applies the tooltips of `section` of `file` to the controls of `window`; an empty `file` means the
// language file.
void sbLoadToolTips(QWidget* window, const QString& section, const QString& file);

// The caption a control shows (label or button text, or the "caption" property of a custom widget);
// empty for a control without a caption.
QString CaptionOf(const QWidget* control);
// Sets a control's caption; returns false (and changes nothing) for a control without a caption.
bool SetCaption(QWidget* control, const QString& caption);

// The validation report: one line per input problem, in the order of the fields on the window. Each
// line is "» " + the field's caption as the window shows it + " " + the reason text; lines are joined by
// CR LF with no trailing line break. A window shows a non-empty report with
//     MsgError(errImmissione, report.Text())
// and does not act.
class ValidationReport {
public:
    // Appends a line for the field with this caption and reason text (errOmesso, errNonTrovato,
    // errFormato).
    void Add(const QString& caption, const QString& reason);
    // Appends a line for the field whose caption is shown by `captionControl` (a label or check box).
    void Add(const QWidget* captionControl, const QString& reason);

    // Shorthands for the three reasons.
    void Omitted(const QString& caption) { Add(caption, errOmesso); }
    void NotFound(const QString& caption) { Add(caption, errNonTrovato); }
    void WrongForm(const QString& caption) { Add(caption, errFormato); }

    bool IsEmpty() const { return lines_.isEmpty(); }
    int Count() const { return int(lines_.size()); }
    // The lines joined by CR LF: the extra text of the error dialog.
    QString Text() const;
    // The message the error dialog shows above the lines (errImmissione).
    static QString Headline() { return errImmissione; }

private:
    QStringList lines_;
};

}  // namespace frame

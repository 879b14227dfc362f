#pragma once
// The fixed form of every card: its sections, the fields bound to the columns of a card row and the
// element lists. Categories only rename, hide and show what this table lays down.

#include <QString>
#include <vector>

namespace card {

inline constexpr int kSections = 11;
inline constexpr int kKinds = 5;        // element kinds 1 elements, 2 reviews, 3 images, 4 films, 5 sounds
inline constexpr int kListColumns = 8;  // item text, six sub-items, the stored file path
inline constexpr int kTechnicalIcons = 16;
inline constexpr int kPictureBox = 217;  // the media panel fits pictures into this square

enum class Section {
    Main = 0,
    Descrizione = 1,
    Principali,
    Aggiunte,
    Elementi,
    Giudizi,
    Critica,
    Tecnici,
    Altro,
    Immagini,
    Suoni,
    Filmati
};

// One section of the window (IDSezione 1 to 11).
struct SectionSpec {
    int id;                 // IDSezione
    QString labelSection;   // section of the category label file ("DESCRIZIONE")
    QString name;           // mixed-case name used in control names ("Descrizione")
    QString designCaption;  // caption of the heading label when the label file leaves it
    int kind;               // element kind of its list, 0 for a section of fields
    QString listName;       // "lvwEle", empty for a section of fields
    QString listSuffix;     // suffix of the list's command buttons ("Ele")
};
const std::vector<SectionSpec>& SectionTable();
const SectionSpec& SectionById(int id);
// The list section holding element kind 1..5.
const SectionSpec& SectionOfKind(int kind);

enum class FieldKind { Line, Lines, Check };

// One field bound to a column of the card's row.
struct FieldSpec {
    int section;           // 0 for the title area
    QString control;       // "txtDescrizione", "txtMain1", "chkAltro8"
    int index;             // position in its control array, -1 for a single control
    int position;          // field number k inside its section (caption label k+1)
    QString column;        // "sDescrizione1"
    QString captionLabel;  // "lblDescrizione1"; empty for a check box, which is its own caption
    QString designCaption;
    FieldKind kind;
    int limit;    // characters the user may type, 0 for no limit
    bool picker;  // a value picker opens on double click or F4
};
const std::vector<FieldSpec>& FieldTable();
const FieldSpec* FieldByColumn(const QString& column);

// A date column ("dtAltro10"); its box shows and takes the short date.
bool IsDateColumn(const QString& column);

// The label file's caption rule: "-" or nothing hides a field or a tab.
bool IsShownCaption(const QString& caption);

}  // namespace card

#pragma once
// The browser's search filter and the pieces of statement a search adds to the list query.

#include <QString>
#include <array>

namespace browser {

class cFilter {
public:
    static constexpr int kSlots = 6;
    bool Enabled = false;
    std::array<QString, kSlots> FieldName;  // the column searched, e.g. "sDescrizione1"
    std::array<QString, kSlots> FieldText;  // its label in the category, shown in txtIlCampo
    std::array<QString, kSlots> FieldCont;  // the text searched for
    QString SQL;                            // the clause appended to the list query

    void clear() { *this = cFilter(); }
};

// The element column the search reaches through the element table.
inline constexpr const char* kElementSearchField = "sElementi1";

// The clause that narrows the list to cards whose column contains the text (letters without regard
// to case). "sElementi1" looks in the first column of the card's elements of any kind. A name that is
// no text column of a card (the picker builds "sAltro8" and "sAltro10" for the loan flag and the
// return date) finds no card rather than failing. Quotes in the text are doubled, so the text stays
// a text.
QString SearchClause(const QString& fieldName, const QString& text);

// The text between single quotes of a LIKE contains-pattern: quotes doubled.
QString QuotedLikeText(const QString& text);

// Whether the name is a text column of a card row.
bool IsCardTextColumn(const QString& fieldName);

// The label of a card column in a category label file: key "lbl" + name without its first letter,
// section that name without its trailing digits, in upper case; "-" when missing.
QString FieldLabel(const QString& labelFile, const QString& fieldName);

}  // namespace browser

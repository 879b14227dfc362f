#pragma once
// The rows of the field picker: the card sections in order, each with a header row and one row per
// field the category's label file shows.

#include <QList>
#include <QString>

namespace browser {

struct FieldRow {
    QString key;     // section number "|" position; position 0 for the section's header
    QString text;    // the label ("***** label *****" for a header)
    QString column;  // "s" + section name + position ("s" + section name for a header)
    bool header = false;
};

struct PickerSection {
    int number;
    const char* name;
    int fields;
};

// The sections offered, in list order.
const QList<PickerSection>& PickerSections();

// Reads the labels from a category label file. A field whose label is "-" (or missing) is left out;
// a section's header row is always there.
QList<FieldRow> FieldPickerRows(const QString& labelFile);

}  // namespace browser

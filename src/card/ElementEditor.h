#pragma once
// The element editor frmElemento as the card window uses it: one call that edits one row of an element
// list (songs, tracks, chapters, ...) in a modal window.

#include <QString>
#include <QStringList>

class QWidget;

namespace card {

// Opens frmElemento modally for element kind 1..5 (IDTipo) of the category whose folder is catPath
// (full path). row8 holds 8 texts: sElementi1..7 and sFile (empty for a new row). Returns true and the
// edited row in row8 when the user saved; false leaves row8 as it was.
bool EditElementRow(QWidget* parent, int kind, const QString& catPath, QStringList& row8);

}  // namespace card

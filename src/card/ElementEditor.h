#pragma once
// The element editor frmElemento as the card window uses it: one call that edits one row of an element
// list (songs, tracks, chapters, ...) in a modal window, and the plain rules behind the window (the
// kind's labels, when a field shows, the MP3 fill, the check before saving), which the folder import
// and the tests use without a window.

#include <QString>
#include <QStringList>

class QWidget;

namespace card {

// Opens frmElemento modally for element kind 1..5 (IDTipo) of the category whose folder is catPath
// (full path). row8 holds 8 texts: sElementi1..7 and sFile (empty for a new row). Returns true and the
// edited row in row8 when the user saved; false leaves row8 as it was.
bool EditElementRow(QWidget* parent, int kind, const QString& catPath, QStringList& row8);

// An element row: fields 0 to 6 (sElementi1..7), then the stored path of its file (sFile).
inline constexpr int kElementFields = 7;
inline constexpr int kElementColumns = 8;
inline constexpr int kElementFileColumn = 7;
// Labels of a kind: 0 the window title, 1..7 the captions of fields 0..6, 8 the file caption.
inline constexpr int kElementLabels = 9;

// Whether the category reads a chosen file as an MP3 file: key "id3" of section "CONFIG", non-zero.
bool CategoryReadsId3(const QString& catPath);

// The label file section of an element kind ("ELEMENTI", "CRITICA", "IMMAGINI", "FILMATI", "SUONI"
// for 1 to 5), empty for any other number.
QString ElementSection(int kind);
// The nine labels of a kind from the label file (a missing key reads empty); an empty list for a kind
// outside 1 to 5.
QStringList ReadElementLabels(int kind, const QString& labelFile);
// A field's caption shows only when it is longer than one character.
bool ElementCaptionShown(const QString& label);
// A field (and its frame) shows unless its label is empty or "-".
bool ElementFieldShown(const QString& label);

// Fields 0 to 6 from the MP3 file at `path` (a full path): title; album " - " year; artist; size in
// bytes " - " duration; genre name; comment; the nine-line technical summary (CR LF between lines).
// What the reader cannot read stays empty.
QStringList Mp3Fields(const QString& path);
// A whole list row from an MP3 file: Mp3Fields and the stored path of `path` as the file column
// (the row the folder import appends).
QStringList ElementRowFromMp3(const QString& path);

// The check before saving: a line for an empty field 0 ("» " title " " errOmesso), then one for a file
// column that names no file ("» " file caption " " errNonTrovato), joined by CR LF; empty when the
// row may be saved.
QString ElementCheckReport(const QStringList& row8, const QString& title, const QString& fileCaption);

}  // namespace card

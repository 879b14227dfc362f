#pragma once
// The tables of the two database files of a user, and the creation of new, empty, protected files.

#include <QString>
#include <QStringList>

namespace store {

// Column names of a card row and of an element row, in table order.
const QStringList& CardColumns();
const QStringList& ElementColumns();

// Creates the catalogue database (tblSchede, tblElementi) or the print database (Schede, Elementi)
// at path, protected with password. Throws DbError; an existing file is never overwritten.
void CreateCatalogueDatabase(const QString& path, const QString& password);
void CreatePrintDatabase(const QString& path, const QString& password);

}  // namespace store

#pragma once
// The text of the system's statements and how dates are kept. Statements are written with square
// brackets around names and dates as #mm/dd/yyyy# literals; the store keeps dates as sortable text
// ("yyyy-mm-dd", with " hh:mm:ss" when a time is set) and turns the literals into that form.

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariant>

namespace store {

// The statement as the engine runs it: date literals outside quoted text become stored dates.
// A malformed date literal is left as it is, so the engine reports the syntax error.
QString TranslateStatement(const QString& statement);

// "#" + month/day/year with two-digit month and day and four-digit year + "#"; the time is dropped.
QString SqlDate(const QDate& date);
QString SqlDate(const QDateTime& dateTime);

QString DateToStored(const QVariant& value);   // QDate or QDateTime; null for anything else
QVariant StoredToDate(const QString& stored);  // QDate, QDateTime with a time, or null

}  // namespace store

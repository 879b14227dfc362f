#pragma once
// Dates as the user sees and types them in the loan fields: the locale's short date (with the year in
// four digits, so nothing is lost), and on input any form the locale accepts.

#include <QDate>
#include <QString>

namespace card {

QString FormatShortDate(const QDate& date);
// The date a text names, or an invalid date when it names none (day 32, month 13, words, nothing).
QDate ParseUserDate(const QString& text);

}  // namespace card

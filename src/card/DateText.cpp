#include "DateText.h"

#include <QLocale>
#include <QStringList>

namespace card {
namespace {

// The locale's short format with a four-digit year.
QString shortFormatFullYear(const QLocale& locale) {
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy"))) format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

}  // namespace

QString FormatShortDate(const QDate& date) {
    if (!date.isValid()) return QString();
    const QLocale locale;
    return locale.toString(date, shortFormatFullYear(locale));
}

QDate ParseUserDate(const QString& input) {
    const QString text = input.trimmed();
    if (text.isEmpty()) return {};
    const QLocale locale;
    QStringList formats = {shortFormatFullYear(locale), locale.dateFormat(QLocale::ShortFormat),
                           locale.dateFormat(QLocale::LongFormat), locale.dateFormat(QLocale::NarrowFormat)};
    // The short format with single-digit day and month, as people type them.
    QString loose = shortFormatFullYear(locale);
    loose.replace(QLatin1String("dd"), QLatin1String("d")).replace(QLatin1String("MM"), QLatin1String("M"));
    formats << loose;
    for (const QString& format : formats) {
        QDate date = locale.toDate(text, format);
        if (date.isValid()) {
            // A two-digit year means this century's year, not the 1900s.
            if (!format.contains(QLatin1String("yyyy")) && format.contains(QLatin1String("yy")) &&
                date.year() < 1950)
                date = date.addYears(100);
            return date;
        }
    }
    return QDate::fromString(text, Qt::ISODate);
}

}  // namespace card

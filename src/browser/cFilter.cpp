#include "cFilter.h"

#include <QRegularExpression>

#include "frame/Ini.h"
#include "store/Schema.h"

namespace browser {

namespace {
// Always false: the list stays empty, the statement stays valid.
const QString kNoCard = QStringLiteral(" AND [ID] IS NULL");
}  // namespace

QString QuotedLikeText(const QString& text) {
    QString quoted = text;
    quoted.replace('\'', QStringLiteral("''"));
    return quoted;
}

bool IsCardTextColumn(const QString& fieldName) {
    if (!fieldName.startsWith('s')) return false;
    for (const QString& column : store::CardColumns())
        if (column.compare(fieldName, Qt::CaseInsensitive) == 0) return true;
    return false;
}

QString SearchClause(const QString& fieldName, const QString& text) {
    const QString pattern = "'*" + QuotedLikeText(text) + "*'";
    if (fieldName == QLatin1String(kElementSearchField))
        return " AND [ID] IN (SELECT [IDScheda] AS [ID] FROM [tblElementi]" +
               ("WHERE [sElementi1] LIKE " + pattern) + ")";
    if (!IsCardTextColumn(fieldName)) return kNoCard;
    return " AND [" + fieldName + "] LIKE " + pattern;
}

QString FieldLabel(const QString& labelFile, const QString& fieldName) {
    static const QRegularExpression trailingDigits(QStringLiteral("\\d+$"));
    const QString rest = fieldName.mid(1);
    QString section = rest;
    section.remove(trailingDigits);
    return frame::GetINI(section.toUpper(), "lbl" + rest, QStringLiteral("-"), labelFile);
}

}  // namespace browser

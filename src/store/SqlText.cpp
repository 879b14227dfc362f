#include "SqlText.h"

#include <QRegularExpression>

namespace store {

QString SqlDate(const QDate& date) {
    return '#' + date.toString(QStringLiteral("MM/dd/yyyy")) + '#';
}
QString SqlDate(const QDateTime& dateTime) {
    return SqlDate(dateTime.date());
}

QString DateToStored(const QVariant& value) {
    if (value.typeId() == QMetaType::QDateTime) {
        const QDateTime dt = value.toDateTime();
        if (!dt.isValid()) return QString();
        if (dt.time() == QTime(0, 0)) return dt.date().toString(Qt::ISODate);
        return dt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    }
    if (value.typeId() == QMetaType::QDate) {
        const QDate d = value.toDate();
        return d.isValid() ? d.toString(Qt::ISODate) : QString();
    }
    return QString();
}

QVariant StoredToDate(const QString& stored) {
    if (stored.size() == 10) {
        const QDate d = QDate::fromString(stored, Qt::ISODate);
        return d.isValid() ? QVariant(d) : QVariant();
    }
    const QDateTime dt = QDateTime::fromString(stored, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    return dt.isValid() ? QVariant(dt) : QVariant();
}

QString TranslateStatement(const QString& statement) {
    static const QRegularExpression literal(
        QStringLiteral("^#(\\d{1,2})/(\\d{1,2})/(\\d{4})(?:\\s+(\\d{1,2}):(\\d{2})(?::(\\d{2}))?)?#"));
    if (!statement.contains('#')) return statement;
    QString out;
    out.reserve(statement.size());
    QChar quote;
    for (qsizetype i = 0; i < statement.size(); ++i) {
        const QChar c = statement[i];
        if (!quote.isNull()) {
            out += c;
            if (c == quote) quote = QChar();
            continue;
        }
        if (c == '\'' || c == '"') {
            quote = c;
            out += c;
            continue;
        }
        if (c == '#') {
            const auto m = literal.match(statement.mid(i, 32));
            if (m.hasMatch()) {
                const QDate d(m.captured(3).toInt(), m.captured(1).toInt(), m.captured(2).toInt());
                if (d.isValid()) {
                    QString stored = d.toString(Qt::ISODate);
                    if (!m.captured(4).isEmpty()) {
                        const QTime t(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt());
                        if (t.isValid() && t != QTime(0, 0))
                            stored += ' ' + t.toString(QStringLiteral("HH:mm:ss"));
                    }
                    out += '\'' + stored + '\'';
                    i += m.capturedLength() - 1;
                    continue;
                }
            }
        }
        out += c;
    }
    return out;
}

}  // namespace store

#include "LanguageSection.h"

#include <QFile>

#include "Cp1252.h"
#include "Ini.h"
#include "Paths.h"

namespace frame {

LanguageSection::LanguageSection(const QString& section, const QString& file) {
    QFile in(ResolvePath(file));
    if (!in.open(QIODevice::ReadOnly)) return;
    QString text = fromCp1252(in.readAll());
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace('\r', '\n');

    bool inSection = false;
    for (const QStringView raw : QStringView(text).split('\n')) {
        const QStringView line = raw.trimmed();
        if (line.startsWith('[')) {
            if (inSection) break;  // only the first section of that name counts
            const qsizetype close = line.indexOf(']');
            const QStringView name = (close < 0 ? line.mid(1) : line.mid(1, close - 1)).trimmed();
            inSection = name.compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!inSection || line.isEmpty() || line.startsWith(';')) continue;
        const qsizetype eq = line.indexOf('=');
        if (eq < 0) continue;
        const QString key = line.left(eq).trimmed().toString().toLower();
        if (values_.contains(key)) continue;  // the first line of a key counts
        QStringView v = line.mid(eq + 1).trimmed();
        if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
            v = v.mid(1, v.size() - 2);
        values_.insert(key, v.left(kIniValueMax).toString());
    }
}

}  // namespace frame

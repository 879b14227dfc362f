#include "Ini.h"

#include <QFile>
#include <QHash>
#include <QSaveFile>
#include <QStringList>

#include "Cp1252.h"
#include "Paths.h"

namespace frame {
namespace {

QStringList readLines(const QString& path, bool* exists = nullptr) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (exists) *exists = false;
        return {};
    }
    if (exists) *exists = true;
    QString text = fromCp1252(file.readAll());
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace('\r', '\n');
    QStringList lines = text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();  // the final line break
    return lines;
}

// The section name of a "[name]" line, or a null string for any other line.
QString sectionOf(const QString& line) {
    const QString t = line.trimmed();
    if (!t.startsWith('[')) return QString();
    const qsizetype close = t.indexOf(']');
    return (close < 0 ? t.mid(1) : t.mid(1, close - 1)).trimmed();
}

bool keyLine(const QString& line, QString* key, QString* value) {
    const QString t = line.trimmed();
    if (t.isEmpty() || t.startsWith(';') || t.startsWith('[')) return false;
    const qsizetype eq = t.indexOf('=');
    if (eq < 0) return false;
    *key = t.left(eq).trimmed();
    if (value) *value = t.mid(eq + 1).trimmed();
    return true;
}

bool same(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

}  // namespace

QHash<QString, QString> ReadINISection(const QString& section, const QString& file) {
    QHash<QString, QString> values;
    bool inSection = false;
    for (const QString& line : readLines(ResolvePath(file))) {
        const QString name = sectionOf(line);
        if (!name.isNull()) {
            if (inSection) break;  // only the first section of that name counts
            inSection = same(name, section);
            continue;
        }
        QString k, v;
        if (!inSection || !keyLine(line, &k, &v)) continue;
        k = k.toLower();
        if (values.contains(k)) continue;  // the first line of a key counts
        // A value wrapped in matching quotes is read without them.
        if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
            v = v.mid(1, v.size() - 2);
        values.insert(k, v.left(kIniValueMax));
    }
    return values;
}

QString GetINI(const QString& section, const QString& key, const QString& defaultValue, const QString& file) {
    const QHash<QString, QString> values = ReadINISection(section, file);
    const auto it = values.constFind(key.trimmed().toLower());
    return it == values.constEnd() ? defaultValue : *it;
}

int GetINIInt(const QString& section, const QString& key, int defaultValue, const QString& file) {
    bool ok = false;
    const int n = GetINI(section, key, QString(), file).trimmed().toInt(&ok);
    return ok ? n : defaultValue;
}

void sbSetINI(const QString& section, const QString& key, const QString& value, const QString& file) {
    const QString path = ResolvePath(file);
    QStringList lines = readLines(path);
    QString clean = value;
    clean.replace('\r', ' ').replace('\n', ' ');  // one value is one line
    QString entry = key.trimmed() + '=' + clean;

    qsizetype sectionAt = -1;
    qsizetype lastContent = -1;  // last non-blank line of the section
    qsizetype keyAt = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString name = sectionOf(lines[i]);
        if (!name.isNull()) {
            if (sectionAt >= 0) break;
            if (same(name, section)) sectionAt = lastContent = i;
            continue;
        }
        if (sectionAt < 0) continue;
        QString k;
        if (keyLine(lines[i], &k, nullptr) && same(k, key)) {
            keyAt = i;
            entry = k + '=' + clean;  // the key keeps its spelling in the file
            break;
        }
        if (!lines[i].trimmed().isEmpty()) lastContent = i;
    }
    if (keyAt >= 0) {
        lines[keyAt] = entry;
    } else if (sectionAt >= 0) {
        lines.insert(lastContent + 1, entry);
    } else {
        lines << '[' + section.trimmed() + ']' << entry;
    }

    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly)) return;
    out.write(toCp1252(lines.join(QLatin1String("\r\n")) + QLatin1String("\r\n")));
    out.commit();
}

}  // namespace frame

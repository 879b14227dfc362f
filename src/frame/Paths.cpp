#include "Paths.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include "Folders.h"

namespace frame {

QString ResolvePath(const QString& path) {
    if (path.isEmpty() || QFileInfo::exists(path)) return path;
    const bool absolute = path.startsWith('/');
    const QStringList parts = path.split('/', Qt::SkipEmptyParts);
    QString current = absolute ? QStringLiteral("/") : QString();
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        QString next = current.isEmpty() ? part : JoinPath(current, part);
        if (part != "." && part != ".." && !QFileInfo::exists(next)) {
            const QDir dir(current.isEmpty() ? QStringLiteral(".") : current);
            QString found;
            const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
            for (const QString& entry : entries) {
                if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                    found = entry;
                    break;
                }
            }
            if (found.isEmpty()) {
                // Nothing matches: keep the rest as given.
                QStringList rest = parts.mid(i);
                return current.isEmpty() ? rest.join('/') : JoinPath(current, rest.join('/'));
            }
            next = current.isEmpty() ? found : JoinPath(current, found);
        }
        current = next;
    }
    if (path.endsWith('/') && !current.endsWith('/')) current += '/';
    return current;
}

QString NativePath(const QString& storedPath) {
    QString p = storedPath;
    p.replace('\\', '/');
    if (p.isEmpty()) return p;
    if (!p.startsWith('/')) p = JoinPath(folders().installation, p);
    return ResolvePath(p);
}

QString JoinPath(const QString& folder, const QString& name) {
    if (folder.isEmpty()) return name;
    if (folder.endsWith('/')) return folder + name;
    return folder + '/' + name;
}

}  // namespace frame

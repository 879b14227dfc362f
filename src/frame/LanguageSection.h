#pragma once
// One section of a language table read in a single pass, for the routines that look up many control
// names at once (a card window applies twelve sections to a hundred controls for every category).
// Values are read exactly as GetINI reads them (ReadINISection).

#include <QHash>
#include <QString>

namespace frame {

class LanguageSection {
public:
    LanguageSection(const QString& section, const QString& file);

    // The value of `key`, or the empty text when the file, the section or the key is missing.
    QString value(const QString& key) const { return values_.value(key.toLower()); }
    bool contains(const QString& key) const { return values_.contains(key.toLower()); }

private:
    QHash<QString, QString> values_;  // lower-case key -> value
};

}  // namespace frame

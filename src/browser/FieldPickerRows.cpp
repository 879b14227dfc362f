#include "FieldPickerRows.h"

#include "frame/Ini.h"

namespace browser {

const QList<PickerSection>& PickerSections() {
    // Only the first nine technical fields are offered; the column names of Altro follow the
    // naming rule also at positions 8 and 10 (their columns hold a flag and a date).
    static const QList<PickerSection> sections = {
        {1, "Main", 2},    {2, "Descrizione", 7}, {3, "Principali", 11}, {4, "Aggiunte", 1},
        {5, "Giudizi", 9}, {6, "Tecnici", 9},     {7, "Altro", 10},      {8, "Elementi", 1},
    };
    return sections;
}

QList<FieldRow> FieldPickerRows(const QString& labelFile) {
    QList<FieldRow> rows;
    for (const PickerSection& section : PickerSections()) {
        const QString name = QString::fromLatin1(section.name);
        for (int n = 0; n <= section.fields; ++n) {
            const QString label = frame::GetINI(name.toUpper(), "lbl" + name + QString::number(n),
                                                QStringLiteral("-"), labelFile);
            const QString key = QString::number(section.number) + '|' + QString::number(n);
            if (n == 0)
                rows.append({key, "***** " + label + " *****", 's' + name, true});
            else if (label != QLatin1String("-"))
                rows.append({key, label, 's' + name + QString::number(n), false});
        }
    }
    return rows;
}

}  // namespace browser

#pragma once
// The binding of the card window's boxes to the columns of the card's row (dcMain). It shows a row's
// values in the boxes and collects them back for writing. A box the user did not touch gives back the
// very value it was loaded with, so texts of any length and with any characters (line breaks in
// single-line boxes included) survive a save unchanged.

#include <QHash>
#include <QString>
#include <QVariant>
#include <vector>

class QWidget;

namespace store {
class RecordSet;
}

namespace card {

// Column name → value of one card row.
using CardValues = QHash<QString, QVariant>;

class CardBinding {
public:
    // Binds a QLineEdit, QPlainTextEdit or QCheckBox to a column; the box carries the column's name in
    // its Qt property "column".
    void bind(QWidget* control, const QString& column);

    // Shows the values (missing columns show empty); an empty map empties every box.
    void show(const CardValues& values);
    // The values to write: untouched boxes their loaded value, changed ones what they show now (dates
    // parsed from the short date, line breaks as CR LF).
    CardValues collect() const;

    QWidget* control(const QString& column) const;
    const std::vector<QWidget*>& controls() const { return controls_; }

private:
    struct Bound {
        QWidget* control;
        QString column;
        QVariant loaded;  // invalid when the box was never given a value
        QString shown;    // what the box showed right after loading
    };
    static QString textOf(const QWidget* control);
    std::vector<Bound> bound_;
    std::vector<QWidget*> controls_;
};

// The values of the record set's current row, empty when it has none.
CardValues ReadCardRow(store::RecordSet* rs);
// Sets every value on the row being added or edited.
void WriteCardRow(store::RecordSet& rs, const CardValues& values);

}  // namespace card

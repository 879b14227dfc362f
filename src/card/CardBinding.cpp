#include "CardBinding.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "CardFields.h"
#include "DateText.h"
#include "store/RecordSet.h"

namespace card {

void CardBinding::bind(QWidget* control, const QString& column) {
    control->setProperty("column", column);
    bound_.push_back({control, column, QVariant(), QString()});
    controls_.push_back(control);
}

QString CardBinding::textOf(const QWidget* control) {
    if (auto* line = qobject_cast<const QLineEdit*>(control)) return line->text();
    if (auto* lines = qobject_cast<const QPlainTextEdit*>(control)) return lines->toPlainText();
    if (auto* check = qobject_cast<const QCheckBox*>(control)) return check->isChecked() ? "1" : "0";
    return QString();
}

void CardBinding::show(const CardValues& values) {
    for (Bound& b : bound_) {
        const QVariant value = values.value(b.column);
        QString text;
        if (IsDateColumn(b.column))
            text = value.typeId() == QMetaType::QDate       ? FormatShortDate(value.toDate())
                   : value.typeId() == QMetaType::QDateTime ? FormatShortDate(value.toDateTime().date())
                                                            : value.toString();
        else
            text = value.toString();
        if (auto* line = qobject_cast<QLineEdit*>(b.control)) {
            line->setText(text);
            line->setCursorPosition(0);
        } else if (auto* lines = qobject_cast<QPlainTextEdit*>(b.control)) {
            lines->setPlainText(text);
        } else if (auto* check = qobject_cast<QCheckBox*>(b.control)) {
            check->setChecked(value.toBool());
        }
        b.loaded = values.contains(b.column) ? value : QVariant();
        b.shown = textOf(b.control);
    }
}

CardValues CardBinding::collect() const {
    CardValues values;
    for (const Bound& b : bound_) {
        const QString text = textOf(b.control);
        if (b.loaded.isValid() && text == b.shown) {
            values.insert(b.column, b.loaded);
            continue;
        }
        if (qobject_cast<const QCheckBox*>(b.control)) {
            values.insert(b.column, text == "1");
        } else if (IsDateColumn(b.column)) {
            const QDate date = ParseUserDate(text);
            values.insert(b.column, date.isValid()             ? QVariant(date)
                                    : text.trimmed().isEmpty() ? QVariant()
                                                               : QVariant(text));
        } else if (qobject_cast<const QPlainTextEdit*>(b.control)) {
            QString stored = text;
            stored.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace('\n', QLatin1String("\r\n"));
            values.insert(b.column, stored);
        } else {
            values.insert(b.column, text);
        }
    }
    return values;
}

QWidget* CardBinding::control(const QString& column) const {
    for (const Bound& b : bound_)
        if (b.column.compare(column, Qt::CaseInsensitive) == 0) return b.control;
    return nullptr;
}

CardValues ReadCardRow(store::RecordSet* rs) {
    CardValues values;
    if (!rs || rs->eof() || rs->bof()) return values;
    for (int i = 0; i < rs->fieldCount(); ++i) values.insert(rs->fieldName(i), rs->value(i));
    return values;
}

void WriteCardRow(store::RecordSet& rs, const CardValues& values) {
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        if (rs.fieldIndex(it.key()) >= 0) rs.setValue(it.key(), it.value());
}

}  // namespace card

#include "ElementRows.h"

namespace card {

int ElementLists::total() const {
    int n = 0;
    for (const auto& rows : byKind) n += int(rows.size());
    return n;
}

ElementRow NormalizedRow(const QStringList& texts) {
    ElementRow row = texts.mid(0, kListColumns);
    while (row.size() < kListColumns) row << QString();
    return row;
}

const QStringList& ElementRowColumns() {
    static const QStringList columns = {"sElementi1", "sElementi2", "sElementi3", "sElementi4",
                                        "sElementi5", "sElementi6", "sElementi7", "sFile"};
    return columns;
}

}  // namespace card

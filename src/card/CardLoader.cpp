#include "CardLoader.h"

#include "store/RecordSource.h"

namespace card {

QString CardStatement(int card) {
    return "SELECT * FROM [tblSchede] WHERE [ID] = " + QString::number(card);
}

QString ElementStatement(int card, int kind) {
    return "SELECT * FROM [tblElementi] WHERE [IDScheda] = " + QString::number(card) +
           " AND [IDTipo] = " + QString::number(kind);
}

bool LoadCardRow(store::RecordSource& dcMain, int card, CardValues& values) {
    values.clear();
    if (!store::OpenRecordSource(dcMain, CardStatement(card))) return false;
    values = ReadCardRow(dcMain.recordset());
    return true;
}

ElementLists LoadElements(store::RecordSource& dcSupport, int card) {
    ElementLists lists;
    for (int kind = 1; kind <= kKinds; ++kind) {
        if (!store::OpenRecordSource(dcSupport, ElementStatement(card, kind))) continue;
        store::RecordSet* rs = dcSupport.recordset();
        int fields[kListColumns];
        for (int c = 0; c < kListColumns; ++c) fields[c] = rs->fieldIndex(ElementRowColumns()[c]);
        auto& rows = lists.of(kind);
        for (; !rs->eof(); rs->moveNext()) {
            ElementRow row;
            row.reserve(kListColumns);
            for (int c = 0; c < kListColumns; ++c)
                row << (fields[c] >= 0 ? rs->value(fields[c]).toString() : QString());
            rows.push_back(std::move(row));
        }
    }
    dcSupport.close();
    return lists;
}

}  // namespace card

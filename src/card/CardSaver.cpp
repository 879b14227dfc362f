#include "CardSaver.h"

#include "store/Connection.h"
#include "store/DbError.h"
#include "store/RecordSource.h"

namespace card {
namespace {

std::shared_ptr<store::Connection> connectionOf(store::RecordSource& source) {
    if (!source.connection()) source.refresh();
    return source.connection();
}

void writeElements(store::RecordSource& dcMain, store::RecordSource& dcSupport, const SaveRequest& request,
                   int cardId) {
    dcSupport.close();
    dcSupport.setConnect(dcMain.connect());
    dcSupport.setDatabaseName(dcMain.databaseName());
    dcSupport.setRecordSource("SELECT * FROM [tblElementi]");
    dcSupport.refresh();
    dcSupport.execute("DELETE FROM [tblElementi] WHERE [IDScheda] = " + QString::number(request.card));
    if (!request.elements) return;
    store::RecordSet* rs = dcSupport.recordset();
    const QStringList& columns = ElementRowColumns();
    for (int kind = 1; kind <= kKinds; ++kind) {
        for (const ElementRow& row : request.elements->of(kind)) {
            rs->addNew();
            rs->setValue("ID", store::MaxId("tblElementi", "ID") + 1);
            rs->setValue("IDScheda", cardId);
            rs->setValue("IDTipo", kind);
            for (int c = 0; c < kListColumns; ++c)
                rs->setValue(columns[c], c < row.size() ? row[c] : QString());
            rs->update();
        }
    }
}

}  // namespace

StoreOutcome SaveCard(store::RecordSource& dcMain, store::RecordSource& dcSupport,
                      const SaveRequest& request) {
    StoreOutcome outcome;
    try {
        store::Transaction transaction(connectionOf(dcMain));
        store::RecordSet* rs = dcMain.recordset();
        if (!rs) {
            dcMain.refresh();
            rs = dcMain.recordset();
        }
        using Mode = store::RecordSet::EditMode;
        int cardId = request.card;
        if (request.isNew) {
            if (rs->editMode() != Mode::Add) {
                if (rs->editMode() != Mode::None) rs->cancelUpdate();
                rs->addNew();
            }
            WriteCardRow(*rs, request.values);
            cardId = store::MaxId("tblSchede", "ID") + 1;
            rs->setValue("ID", cardId);
            rs->setValue("IDCategoria", request.category);
            rs->setValue("dtCaricamento", request.today);
        } else {
            if (rs->editMode() != Mode::Edit) {
                if (rs->editMode() != Mode::None) rs->cancelUpdate();
                rs->edit();
            }
            WriteCardRow(*rs, request.values);
        }
        rs->update();
        writeElements(dcMain, dcSupport, request, cardId);
        transaction.Commit();
        dcSupport.close();
        outcome.ok = true;
        outcome.card = cardId;
    } catch (const store::DbError& e) {
        // The transaction has been rolled back; the record sets read their rows again when next used.
        dcSupport.close();
        outcome.errorNumber = e.number();
        outcome.errorDescription = e.description();
    }
    return outcome;
}

StoreOutcome DeleteCard(store::RecordSource& dcMain, int card) {
    StoreOutcome outcome;
    try {
        store::Transaction transaction(connectionOf(dcMain));
        if (auto* rs = dcMain.recordset(); rs && rs->editMode() != store::RecordSet::EditMode::None)
            rs->cancelUpdate();
        dcMain.execute("DELETE FROM [tblSchede] WHERE [ID] = " + QString::number(card));
        dcMain.execute("DELETE FROM [tblElementi] WHERE [IDScheda] = " + QString::number(card));
        transaction.Commit();
        outcome.ok = true;
        outcome.card = card;
    } catch (const store::DbError& e) {
        outcome.errorNumber = e.number();
        outcome.errorDescription = e.description();
    }
    return outcome;
}

}  // namespace card

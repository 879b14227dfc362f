#pragma once
// Writing a card: the card row and all its element rows in one transaction, so that a failure at any
// row keeps nothing of the save; and deleting a card with its element rows.

#include <QDate>
#include <QString>

#include "CardBinding.h"
#include "ElementRows.h"

namespace store {
class RecordSource;
}

namespace card {

struct SaveRequest {
    bool isNew = false;  // adding a card (new identifier, category and loading date are set)
    int category = 0;
    int card = 0;       // the window's card, 0 for a new one
    CardValues values;  // the bound columns
    const ElementLists* elements = nullptr;
    QDate today;
};

struct StoreOutcome {
    bool ok = false;
    int card = 0;         // the saved card's identifier
    int errorNumber = 0;  // the failure, when not ok
    QString errorDescription;
};

// dcMain is bound to the card's row (CardStatement). The card row gets MaxId + 1 when new, then the
// card's element rows are deleted and written anew in list order, kind 1 to 5, each with MaxId + 1.
// On failure everything is rolled back and dcMain is ready for another attempt.
StoreOutcome SaveCard(store::RecordSource& dcMain, store::RecordSource& dcSupport,
                      const SaveRequest& request);

// Deletes the card row and its element rows through dcMain's connection, both or neither.
StoreOutcome DeleteCard(store::RecordSource& dcMain, int card);

}  // namespace card

#pragma once
// Loading a card: its row through the card binding's record source (dcMain) and its five element
// lists through the support source (dcSupport), each list in the order the rows were written.

#include <QString>

#include "CardBinding.h"
#include "ElementRows.h"

namespace store {
class RecordSource;
}

namespace card {

QString CardStatement(int card);               // "SELECT * FROM [tblSchede] WHERE [ID] = " & card
QString ElementStatement(int card, int kind);  // the element rows of one kind of a card

// Binds dcMain to the card's row and returns its values (empty when the card does not exist). A
// failure is shown to the user by the binding and gives false.
bool LoadCardRow(store::RecordSource& dcMain, int card, CardValues& values);

// The card's element rows, kind 1 to 5. A list whose query fails stays empty (the failure is shown).
ElementLists LoadElements(store::RecordSource& dcSupport, int card);

}  // namespace card

#pragma once
// The card's working copy of its element rows: five lists, one per element kind, each an ordered list
// of rows of eight texts (sElementi1 .. sElementi7, then the stored path sFile).

#include <QStringList>
#include <array>
#include <vector>

#include "CardFields.h"

namespace card {

using ElementRow = QStringList;

struct ElementLists {
    std::array<std::vector<ElementRow>, kKinds> byKind;

    std::vector<ElementRow>& of(int kind) { return byKind.at(static_cast<size_t>(kind - 1)); }
    const std::vector<ElementRow>& of(int kind) const { return byKind.at(static_cast<size_t>(kind - 1)); }
    int total() const;
};

// A row of exactly eight texts: missing texts are empty, extra ones dropped.
ElementRow NormalizedRow(const QStringList& texts);

// The element columns in row order.
const QStringList& ElementRowColumns();

}  // namespace card

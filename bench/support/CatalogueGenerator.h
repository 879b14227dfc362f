#pragma once
// Fills a catalogue with generated cards for benchmarks and demonstrations: nine categories of
// uneven size (music the largest), realistic field lengths and a few elements per card.

#include <QString>

struct sqlite3;

namespace benchsupport {

struct GeneratedCatalogue {
    int cards = 0;
    int elements = 0;
    int largestCategory = 1;
    int largestCategoryCards = 0;
};

// Adds `cards` cards (IDs after the largest existing one) to the catalogue database at path.
GeneratedCatalogue GenerateCatalogue(const QString& path, const QString& password, int cards,
                                     unsigned seed = 1);

// A catalogue of `cards` cards in a fresh file at path, made once and reused while it exists.
GeneratedCatalogue CachedCatalogue(const QString& path, int cards);

// A plain engine connection to a catalogue file, for the "straight through the C API" counterparts:
// the key, the same page cache as the store's connections and the catalogue's text order.
sqlite3* OpenRawCatalogue(const QString& path, bool writable = false);

}  // namespace benchsupport

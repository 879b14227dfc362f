#pragma once
// Text comparison as the catalogue engine does it: letters match without regard to case (accented
// letters included), and sorting puts accented letters beside their plain forms.

#include <cstddef>
#include <cstdint>

namespace store {

// Decodes one UTF-8 sequence at p (p < end) and advances p; malformed bytes read as themselves.
char32_t NextCodePoint(const unsigned char*& p, const unsigned char* end);

// The letter with its case removed; accents stay ("À" -> "à").
char32_t FoldCase(char32_t c);
// The base letter with case and accents removed ("À" -> "a"): the first level of sorting.
char32_t BaseLetter(char32_t c);

// Orders two UTF-8 texts: by base letters, then by accents; case never counts, so texts that differ
// only in case are equal (as for DISTINCT and = in the catalogue's statements).
int CompareText(const void* a, int aSize, const void* b, int bSize);

}  // namespace store

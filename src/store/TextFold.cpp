#include "TextFold.h"

#include <QChar>
#include <QString>
#include <array>

namespace store {
namespace {

constexpr char32_t kTableSize = 0x250;  // Latin-1 and the Latin extensions cover the catalogue's texts

struct FoldTables {
    std::array<char32_t, kTableSize> fold{};
    std::array<char32_t, kTableSize> base{};
    FoldTables() {
        for (char32_t c = 0; c < kTableSize; ++c) {
            fold[c] = QChar::toCaseFolded(c);
            char32_t b = fold[c];
            const QString decomposed = QChar(char16_t(b)).decomposition();
            if (!decomposed.isEmpty() && QChar::decompositionTag(b) == QChar::Canonical)
                b = QChar::toCaseFolded(char32_t(decomposed.at(0).unicode()));
            base[c] = b;
        }
        base[0xDF] = 's';  // sharp s sorts with s
    }
};

const FoldTables& tables() {
    static const FoldTables t;
    return t;
}

}  // namespace

char32_t NextCodePoint(const unsigned char*& p, const unsigned char* end) {
    const unsigned char c = *p++;
    if (c < 0x80) return c;
    int extra = 0;
    char32_t cp = 0;
    if ((c & 0xE0) == 0xC0) {
        extra = 1;
        cp = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
        extra = 2;
        cp = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
        extra = 3;
        cp = c & 0x07;
    } else {
        return c;
    }
    for (int i = 0; i < extra; ++i) {
        if (p >= end || (*p & 0xC0) != 0x80) return 0xFFFD;
        cp = (cp << 6) | (*p++ & 0x3F);
    }
    return cp;
}

char32_t FoldCase(char32_t c) {
    if (c < 0x80) return (c >= 'A' && c <= 'Z') ? c + 32 : c;
    if (c < kTableSize) return tables().fold[c];
    return QChar::toCaseFolded(c);
}

char32_t BaseLetter(char32_t c) {
    if (c < 0x80) return (c >= 'A' && c <= 'Z') ? c + 32 : c;
    if (c < kTableSize) return tables().base[c];
    return QChar::toCaseFolded(c);
}

int CompareText(const void* a, int aSize, const void* b, int bSize) {
    const auto* pa = static_cast<const unsigned char*>(a);
    const auto* pb = static_cast<const unsigned char*>(b);
    const unsigned char* ea = pa + aSize;
    const unsigned char* eb = pb + bSize;
    int accentOrder = 0;  // the first accent difference decides when the base letters are equal
    while (pa < ea && pb < eb) {
        const char32_t ca = NextCodePoint(pa, ea);
        const char32_t cb = NextCodePoint(pb, eb);
        if (ca == cb) continue;
        const char32_t ba = BaseLetter(ca), bb = BaseLetter(cb);
        if (ba != bb) return ba < bb ? -1 : 1;
        if (accentOrder == 0) {
            const char32_t fa = FoldCase(ca), fb = FoldCase(cb);
            if (fa != fb) accentOrder = fa < fb ? -1 : 1;
        }
    }
    if (pa < ea) return 1;
    if (pb < eb) return -1;
    return accentOrder;
}

}  // namespace store

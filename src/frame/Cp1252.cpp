#include "Cp1252.h"

#include <array>

namespace frame {
namespace {

// Unicode code points of bytes 0x80 to 0x9F; the other bytes equal their code point.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

}  // namespace

QChar cp1252Char(unsigned char code) {
    if (code >= 0x80 && code <= 0x9F) return QChar(kHigh[code - 0x80]);
    return QChar(char16_t(code));
}

unsigned char cp1252Code(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<unsigned char>(u);
    for (size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == u) return static_cast<unsigned char>(0x80 + i);
    return '?';
}

QString fromCp1252(const char* data, qsizetype size) {
    QString out(size, Qt::Uninitialized);
    QChar* dst = out.data();
    for (qsizetype i = 0; i < size; ++i) dst[i] = cp1252Char(static_cast<unsigned char>(data[i]));
    return out;
}

QString fromCp1252(const QByteArray& bytes) {
    return fromCp1252(bytes.constData(), bytes.size());
}

QByteArray toCp1252(const QString& text) {
    QByteArray out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) out[i] = static_cast<char>(cp1252Code(text[i]));
    return out;
}

}  // namespace frame

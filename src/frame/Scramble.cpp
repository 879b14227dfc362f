#include "Scramble.h"

#include "Cp1252.h"

namespace frame {

QString Scramble(const QString& text) {
    // Only spaces are trimmed: a scrambled "ò" is a carriage return and must survive.
    qsizetype from = 0, to = text.size();
    while (from < to && text[from] == ' ') ++from;
    while (to > from && text[to - 1] == ' ') --to;
    const QString t = text.mid(from, to - from);
    QString out;
    out.reserve(t.size());
    for (QChar c : t) out += cp1252Char(static_cast<unsigned char>(cp1252Code(c) ^ 0xFF));
    return out;
}

namespace {
bool needsEscape(unsigned char code) {
    return code <= 0x20 || code == 0x7F || code == '%' || code == '"' || code == '\'' || code == ';';
}
}  // namespace

QString EncodeStoredPassword(const QString& scrambled) {
    QString out;
    for (QChar c : scrambled) {
        const unsigned char code = cp1252Code(c);
        if (needsEscape(code))
            out += QStringLiteral("%%1").arg(code, 2, 16, QChar('0')).toUpper();
        else
            out += c;
    }
    return out;
}

QString DecodeStoredPassword(const QString& stored) {
    QString out;
    for (qsizetype i = 0; i < stored.size(); ++i) {
        if (stored[i] == '%' && i + 2 < stored.size()) {
            bool ok = false;
            const int code = stored.mid(i + 1, 2).toInt(&ok, 16);
            if (ok) {
                out += cp1252Char(static_cast<unsigned char>(code));
                i += 2;
                continue;
            }
        }
        out += stored[i];
    }
    return out;
}

}  // namespace frame

#include "CatalogueGenerator.h"

#include <sqlite3.h>

#include <QDate>
#include <QFileInfo>
#include <QStringList>
#include <random>

#include "frame/Folders.h"
#include "store/Connection.h"
#include "store/Schema.h"
#include "store/TextFold.h"

namespace benchsupport {
namespace {

const QStringList kWords = {"love",   "night",  "blue",  "river",  "song",  "city",  "dream", "fire",
                            "garden", "silver", "moon",  "road",   "storm", "light", "heart", "winter",
                            "summer", "rain",   "stone", "time",   "Città", "dolce", "vita",  "mare",
                            "cuore",  "notte",  "sole",  "strada", "Émile", "Zoë",   "über",  "ça",
                            "abc",    "rock",   "jazz",  "opera"};

class Words {
public:
    explicit Words(unsigned seed) : rng_(seed) {}
    QString phrase(int minWords, int maxWords) {
        std::uniform_int_distribution<int> n(minWords, maxWords), w(0, int(kWords.size()) - 1);
        QStringList out;
        for (int i = n(rng_); i > 0; --i) out << kWords[w(rng_)];
        if (!out.isEmpty()) out[0][0] = out[0][0].toUpper();
        return out.join(' ');
    }
    int number(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

private:
    std::mt19937 rng_;
};

// Category sizes: music a quarter of all cards, the others sharing the rest.
int categoryOf(int index) {
    static const int weights[] = {25, 15, 8, 10, 7, 5, 15, 8, 7};
    int slot = index % 100;
    for (int c = 0; c < 9; ++c) {
        if (slot < weights[c]) return c + 1;
        slot -= weights[c];
    }
    return 1;
}

void bindText(sqlite3_stmt* s, int slot, const QString& text) {
    const QByteArray b = text.toUtf8();
    sqlite3_bind_text(s, slot, b.constData(), int(b.size()), SQLITE_TRANSIENT);
}

}  // namespace

GeneratedCatalogue GenerateCatalogue(const QString& path, const QString& password, int cards, unsigned seed) {
    auto c = store::Connection::Open(path, password);
    sqlite3* db = c->handle();
    Words words(seed);
    GeneratedCatalogue result;
    int cardId = 0, elementId = 0;
    {
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(
            db,
            "SELECT (SELECT IFNULL(MAX(ID),0) FROM tblSchede), (SELECT IFNULL(MAX(ID),0) FROM tblElementi)",
            -1, &s, nullptr);
        if (sqlite3_step(s) == SQLITE_ROW) {
            cardId = sqlite3_column_int(s, 0);
            elementId = sqlite3_column_int(s, 1);
        }
        sqlite3_finalize(s);
    }
    const QStringList& cols = store::CardColumns();
    QStringList marks;
    for (int i = 0; i < cols.size(); ++i) marks << "?";
    const QByteArray cardSql =
        ("INSERT INTO tblSchede ([" + cols.join("], [") + "]) VALUES (" + marks.join(",") + ")").toUtf8();
    const QByteArray elemSql =
        "INSERT INTO tblElementi (ID, IDScheda, IDTipo, sElementi1, sElementi4, sElementi2, sFile) VALUES "
        "(?,?,?,?,?,?,?)";
    sqlite3_stmt* card = nullptr;
    sqlite3_stmt* elem = nullptr;
    sqlite3_prepare_v2(db, cardSql.constData(), -1, &card, nullptr);
    sqlite3_prepare_v2(db, elemSql.constData(), -1, &elem, nullptr);

    store::Transaction t(c);
    int perCategory[10] = {};
    const QDate base(1995, 1, 1);
    for (int i = 0; i < cards; ++i) {
        const int category = categoryOf(i);
        ++perCategory[category];
        ++cardId;
        sqlite3_reset(card);
        sqlite3_clear_bindings(card);
        for (int k = 0; k < cols.size(); ++k) {
            const QString& col = cols[k];
            const int slot = k + 1;
            if (col == "ID")
                sqlite3_bind_int(card, slot, cardId);
            else if (col == "IDCategoria")
                sqlite3_bind_int(card, slot, category);
            else if (col == "sMain1")
                bindText(card, slot, words.phrase(2, 6));
            else if (col == "sMain2")
                bindText(card, slot, QString());
            else if (col.startsWith("sDescrizione7") || col == "sAggiunte1")
                bindText(card, slot, words.phrase(20, 60));
            else if (col.startsWith("sDescrizione") || col.startsWith("sPrincipali"))
                bindText(card, slot, words.phrase(1, 3));
            else if (col.startsWith("s"))
                bindText(card, slot, words.number(0, 3) == 0 ? words.phrase(1, 2) : QString());
            else if (col == "bAltro8" || col == "bAltro11")
                sqlite3_bind_int(card, slot, words.number(0, 30) == 0 ? -1 : 0);
            else if (col.startsWith("dt"))
                bindText(card, slot, base.addDays(words.number(0, 11000)).toString(Qt::ISODate));
            else if (col == "nAccessi")
                sqlite3_bind_int(card, slot, words.number(0, 5000));
        }
        sqlite3_step(card);
        const int elements = words.number(0, 8);
        for (int e = 0; e < elements; ++e) {
            sqlite3_reset(elem);
            sqlite3_bind_int(elem, 1, ++elementId);
            sqlite3_bind_int(elem, 2, cardId);
            sqlite3_bind_int(elem, 3, e < 6 ? 1 : words.number(2, 5));
            bindText(elem, 4, words.phrase(1, 5));
            bindText(
                elem, 5,
                QStringLiteral("%1:%2").arg(words.number(1, 9)).arg(words.number(0, 59), 2, 10, QChar('0')));
            bindText(elem, 6, words.phrase(0, 2));
            bindText(elem, 7, QString());
            sqlite3_step(elem);
            ++result.elements;
        }
    }
    t.Commit();
    sqlite3_finalize(card);
    sqlite3_finalize(elem);
    c->NoteWrite();
    result.cards = cards;
    for (int k = 1; k <= 9; ++k)
        if (perCategory[k] > result.largestCategoryCards) {
            result.largestCategoryCards = perCategory[k];
            result.largestCategory = k;
        }
    return result;
}

GeneratedCatalogue CachedCatalogue(const QString& path, int cards) {
    const QString password = QString::fromLatin1(frame::kDatabasePassword);
    if (!QFileInfo::exists(path)) {
        store::CreateCatalogueDatabase(path, password);
        return GenerateCatalogue(path, password, cards);
    }
    GeneratedCatalogue g;
    g.cards = cards;
    g.largestCategory = 1;
    g.largestCategoryCards = cards / 4;
    return g;
}

sqlite3* OpenRawCatalogue(const QString& path, bool writable) {
    sqlite3* raw = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &raw, writable ? SQLITE_OPEN_READWRITE : SQLITE_OPEN_READONLY,
                    nullptr);
    sqlite3_exec(raw, "PRAGMA key = 'KRV4172'; PRAGMA cache_size = -32768", nullptr, nullptr, nullptr);
    sqlite3_create_collation(
        raw, "TEXTORDER", SQLITE_UTF8, nullptr,
        [](void*, int an, const void* a, int bn, const void* b) { return store::CompareText(a, an, b, bn); });
    return raw;
}

}  // namespace benchsupport

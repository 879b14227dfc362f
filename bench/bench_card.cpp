// Loading and saving a card with 1,000 elements on a generated catalogue of 100,000 cards, each beside
// the same rows read or written straight through the engine's C API (one transaction) in the same run.

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QApplication>
#include <QDir>

#include "CatalogueGenerator.h"
#include "card/CardFields.h"
#include "card/CardLoader.h"
#include "card/CardSaver.h"
#include "frame/Folders.h"
#include "store/RecordSource.h"
#include "store/TextFold.h"

namespace {

constexpr int kCards = 100000;
constexpr int kElements = 1000;

card::ElementLists bigCard() {
    card::ElementLists lists;
    for (int i = 0; i < kElements; ++i) {
        const QString n = QString::number(i + 1);
        lists.of(i % 10 == 0 ? 3 : 1)
            .push_back({"Track " + n, "Album - 2004", "Artist " + n, "4123456 - 4:05", "Jazz",
                        "A comment on track " + n, "MPEG 1\r\nLayer 3",
                        "usr\\kupro\\cat\\1\\track" + n + ".mp3"});
    }
    return lists;
}

card::CardValues cardValues() {
    card::CardValues values;
    for (const card::FieldSpec& f : card::FieldTable()) {
        if (f.kind == card::FieldKind::Check)
            values.insert(f.column, false);
        else if (card::IsDateColumn(f.column))
            values.insert(f.column, QDate(2026, 12, 11));
        else
            values.insert(f.column, f.designCaption + " value");
    }
    values.insert("sMain2", QString());
    return values;
}

struct Catalogue {
    QString path;
    int card = 0;
    card::ElementLists elements = bigCard();
    card::CardValues values = cardValues();
    sqlite3* raw = nullptr;

    Catalogue() {
        const QString folder = QDir::tempPath() + "/trovex2-bench";
        QDir().mkpath(folder);
        path = folder + "/catalogue-100k-card.mdb";  // its own copy: the saves below change it
        benchsupport::CachedCatalogue(path, kCards);
        frame::folders().catalogueDatabase = path;
        frame::folders().databasePassword = QString::fromLatin1(frame::kDatabasePassword);
        // The card under test: added once, then rewritten by every save.
        values.insert("sMain1", QStringLiteral("Bench card"));
        store::RecordSource dcMain, dcSupport;
        if (store::OpenRecordSource(dcMain, "SELECT * FROM [tblSchede] WHERE [sMain1] = 'Bench card'") &&
            !dcMain.recordset()->eof()) {
            card = dcMain.recordset()->value("ID").toInt();
        } else {
            card::CardValues ignored;
            card::LoadCardRow(dcMain, 0, ignored);
            card::SaveRequest r{true, 1, 0, values, &elements, QDate(2026, 12, 11)};
            card = card::SaveCard(dcMain, dcSupport, r).card;
        }
        raw = benchsupport::OpenRawCatalogue(path, true);
    }
};

Catalogue& catalogue() {
    static Catalogue c;
    return c;
}

QString columnText(sqlite3_stmt* s, int c) {
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, c)),
                             sqlite3_column_bytes(s, c));
}

void BM_LoadCard_Store(benchmark::State& state) {
    store::RecordSource dcMain, dcSupport;
    for (auto _ : state) {
        card::CardValues values;
        card::LoadCardRow(dcMain, catalogue().card, values);
        const card::ElementLists lists = card::LoadElements(dcSupport, catalogue().card);
        if (lists.total() != kElements) state.SkipWithError("wrong element count");
        benchmark::DoNotOptimize(values);
    }
}

void BM_LoadCard_Raw(benchmark::State& state) {
    sqlite3* db = catalogue().raw;
    for (auto _ : state) {
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(db, "SELECT * FROM [tblSchede] WHERE [ID] = ?", -1, &s, nullptr);
        sqlite3_bind_int(s, 1, catalogue().card);
        QVector<QString> row;
        while (sqlite3_step(s) == SQLITE_ROW)
            for (int c = 0; c < sqlite3_column_count(s); ++c) row << columnText(s, c);
        sqlite3_finalize(s);
        int total = 0;
        for (int kind = 1; kind <= card::kKinds; ++kind) {
            sqlite3_prepare_v2(db, "SELECT * FROM [tblElementi] WHERE [IDScheda] = ? AND [IDTipo] = ?", -1,
                               &s, nullptr);
            sqlite3_bind_int(s, 1, catalogue().card);
            sqlite3_bind_int(s, 2, kind);
            std::vector<QStringList> rows;
            while (sqlite3_step(s) == SQLITE_ROW) {
                QStringList r;
                for (int c = 3; c < 11; ++c) r << columnText(s, c);
                rows.push_back(std::move(r));
            }
            total += int(rows.size());
            sqlite3_finalize(s);
        }
        if (total != kElements) state.SkipWithError("wrong element count");
        benchmark::DoNotOptimize(row);
    }
}

void BM_SaveCard_Store(benchmark::State& state) {
    store::RecordSource dcMain, dcSupport;
    card::CardValues loaded;
    card::LoadCardRow(dcMain, catalogue().card, loaded);
    card::SaveRequest r{
        false, 1, catalogue().card, catalogue().values, &catalogue().elements, QDate(2026, 12, 11)};
    for (auto _ : state) {
        const card::StoreOutcome out = card::SaveCard(dcMain, dcSupport, r);
        if (!out.ok) state.SkipWithError(out.errorDescription.toUtf8().constData());
    }
}

void BM_SaveCard_Raw(benchmark::State& state) {
    sqlite3* db = catalogue().raw;
    const card::CardValues& values = catalogue().values;
    QStringList columns = values.keys();
    QStringList sets;
    for (const QString& c : columns) sets << "[" + c + "] = ?";
    const QByteArray update = ("UPDATE [tblSchede] SET " + sets.join(", ") + " WHERE [ID] = ?").toUtf8();
    for (auto _ : state) {
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(db, update.constData(), -1, &s, nullptr);
        for (int i = 0; i < columns.size(); ++i) {
            const QByteArray v = values.value(columns[i]).toString().toUtf8();
            sqlite3_bind_text(s, i + 1, v.constData(), int(v.size()), SQLITE_TRANSIENT);
        }
        sqlite3_bind_int(s, int(columns.size()) + 1, catalogue().card);
        sqlite3_step(s);
        sqlite3_finalize(s);
        sqlite3_prepare_v2(db, "DELETE FROM [tblElementi] WHERE [IDScheda] = ?", -1, &s, nullptr);
        sqlite3_bind_int(s, 1, catalogue().card);
        sqlite3_step(s);
        sqlite3_finalize(s);
        sqlite3_prepare_v2(db, "SELECT MAX([ID]) FROM [tblElementi]", -1, &s, nullptr);
        sqlite3_step(s);
        int id = sqlite3_column_int(s, 0);
        sqlite3_finalize(s);
        sqlite3_prepare_v2(
            db,
            "INSERT INTO [tblElementi] ([ID], [IDScheda], [IDTipo], [sElementi1], [sElementi2], "
            "[sElementi3], [sElementi4], [sElementi5], [sElementi6], [sElementi7], [sFile]) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
            -1, &s, nullptr);
        for (int kind = 1; kind <= card::kKinds; ++kind) {
            for (const card::ElementRow& row : catalogue().elements.of(kind)) {
                sqlite3_bind_int(s, 1, ++id);
                sqlite3_bind_int(s, 2, catalogue().card);
                sqlite3_bind_int(s, 3, kind);
                for (int c = 0; c < card::kListColumns; ++c) {
                    const QByteArray v = row[c].toUtf8();
                    sqlite3_bind_text(s, 4 + c, v.constData(), int(v.size()), SQLITE_TRANSIENT);
                }
                sqlite3_step(s);
                sqlite3_reset(s);
            }
        }
        sqlite3_finalize(s);
        if (sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
            state.SkipWithError("commit failed");
    }
}

BENCHMARK(BM_LoadCard_Store)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadCard_Raw)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveCard_Store)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveCard_Raw)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);  // the card library brings widgets along; none is shown
    catalogue();                   // generate before timing
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

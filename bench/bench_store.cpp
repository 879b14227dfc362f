// The catalogue store on a generated catalogue of 100,000 cards, each figure beside the same rows
// fetched straight through the engine's C API in the same run.

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QCoreApplication>
#include <QDir>

#include "CatalogueGenerator.h"
#include "frame/Folders.h"
#include "store/RecordSource.h"
#include "store/TextFold.h"

namespace {

constexpr int kCards = 100000;

struct Catalogue {
    QString path;
    benchsupport::GeneratedCatalogue info;
    sqlite3* raw = nullptr;  // a plain engine connection for the counterparts

    Catalogue() {
        const QString folder = QDir::tempPath() + "/trovex2-bench";
        QDir().mkpath(folder);
        path = folder + "/catalogue-100k.mdb";
        info = benchsupport::CachedCatalogue(path, kCards);
        frame::folders().catalogueDatabase = path;
        frame::folders().databasePassword = QString::fromLatin1(frame::kDatabasePassword);
        raw = benchsupport::OpenRawCatalogue(path);
    }
};

Catalogue& catalogue() {
    static Catalogue c;
    return c;
}

QString listQuery(const QString& filter, const QString& order) {
    return "SELECT * FROM [tblSchede] WHERE [IDCategoria] = " +
           QString::number(catalogue().info.largestCategory) + filter + order;
}

// Store: bind, walk to the last page, read the tile columns of its rows, count the rows.
void walkStore(benchmark::State& state, const QString& sql, bool lastPage) {
    store::RecordSource source;
    bool warm = false;  // one untimed pass first, so both sides start with the same cached pages
    for (auto _ : state) {
        if (!warm) {
            state.PauseTiming();
            warm = true;
            store::OpenRecordSource(source, sql);
            for (auto* rs = source.recordset(); rs && !rs->eof(); rs->moveNext()) {
            }
            state.ResumeTiming();
        }
        if (!store::OpenRecordSource(source, sql)) state.SkipWithError("open failed");
        auto* rs = source.recordset();
        const int count = rs->recordCount();
        const int firstRow = lastPage ? ((count - 1) / 24) * 24 : 0;
        int row = 0;
        QString texts;
        for (; !rs->eof(); rs->moveNext(), ++row) {
            if (row < firstRow) continue;
            if (row >= firstRow + 24) break;
            texts = rs->text("sMain1") + rs->text("sDescrizione1") + rs->text("sDescrizione2") +
                    rs->text("sMain2");
            benchmark::DoNotOptimize(rs->value("ID"));
        }
        benchmark::DoNotOptimize(texts);
    }
}

// Raw: the same statement through the C API, stepping the same rows and reading the same columns.
void walkRaw(benchmark::State& state, const QByteArray& sql, bool lastPage) {
    sqlite3* db = catalogue().raw;
    {
        // One untimed pass first, as for the store.
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(db, sql.constData(), -1, &s, nullptr);
        while (sqlite3_step(s) == SQLITE_ROW) {
        }
        sqlite3_finalize(s);
    }
    for (auto _ : state) {
        sqlite3_stmt* counter = nullptr;
        sqlite3_prepare_v2(db, ("SELECT COUNT(*) FROM (" + sql + ")").constData(), -1, &counter, nullptr);
        sqlite3_step(counter);
        const int count = sqlite3_column_int(counter, 0);
        sqlite3_finalize(counter);
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(db, sql.constData(), -1, &s, nullptr);
        const int firstRow = lastPage ? ((count - 1) / 24) * 24 : 0;
        int row = 0;
        QString texts;
        while (sqlite3_step(s) == SQLITE_ROW) {
            if (row++ < firstRow) continue;
            if (row > firstRow + 24) break;
            for (int c : {2, 4, 5, 3})
                texts = texts + QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, c)));
            benchmark::DoNotOptimize(sqlite3_column_int(s, 0));
        }
        sqlite3_finalize(s);
        benchmark::DoNotOptimize(texts);
    }
}

const QString kByName = " ORDER BY [sMain1] ASC";
const QString kLike = " AND [sDescrizione1] LIKE '*abc*'";
const QString kElements =
    " AND [ID] IN (SELECT [IDScheda] AS [ID] FROM [tblElementi]WHERE [sElementi1] LIKE '*abc*')";

void BM_ListQuery_LastPage_Store(benchmark::State& s) {
    walkStore(s, listQuery("", kByName), true);
}
void BM_ListQuery_LastPage_Raw(benchmark::State& s) {
    walkRaw(s, listQuery("", kByName).toUtf8(), true);
}
void BM_LikeSearch_Store(benchmark::State& s) {
    walkStore(s, listQuery(kLike, kByName), false);
}
void BM_LikeSearch_Raw(benchmark::State& s) {
    walkRaw(s, listQuery(" AND [sDescrizione1] LIKE '%abc%'", kByName).toUtf8(), false);
}
void BM_ElementSearch_Store(benchmark::State& s) {
    walkStore(s, listQuery(kElements, kByName), false);
}
void BM_ElementSearch_Raw(benchmark::State& s) {
    QString sql = listQuery(kElements, kByName);
    walkRaw(s, sql.replace("'*abc*'", "'%abc%'").toUtf8(), false);
}
void BM_MaxId_Store(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(store::MaxId("tblElementi", "ID"));
}
void BM_MaxId_Raw(benchmark::State& s) {
    for (auto _ : s) {
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(catalogue().raw, "SELECT MAX([ID]) AS [IDMax] FROM [tblElementi]", -1, &st,
                           nullptr);
        sqlite3_step(st);
        benchmark::DoNotOptimize(sqlite3_column_int(st, 0));
        sqlite3_finalize(st);
    }
}

BENCHMARK(BM_ListQuery_LastPage_Store)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListQuery_LastPage_Raw)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LikeSearch_Store)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LikeSearch_Raw)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ElementSearch_Store)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ElementSearch_Raw)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MaxId_Store)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MaxId_Raw)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    catalogue();  // generate before timing
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

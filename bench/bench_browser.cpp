// Loading browser pages on a generated catalogue of 100,000 cards: the first and the last page of the
// largest category and the two kinds of search, each beside the same rows fetched straight through
// the engine's C API in the same run (count, skip to the page, read the tile columns of 24 rows).

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QCoreApplication>
#include <QDir>

#include "CatalogueGenerator.h"
#include "browser/ListViewLoader.h"
#include "browser/cFilter.h"
#include "frame/Folders.h"
#include "store/TextFold.h"

namespace {

constexpr int kCards = 100000;

struct Catalogue {
    QString path;
    benchsupport::GeneratedCatalogue info;
    sqlite3* raw = nullptr;

    Catalogue() {
        const QString folder = QDir::tempPath() + "/trovex2-bench";
        QDir().mkpath(folder);
        path = folder + "/catalogue-100k.mdb";
        info = benchsupport::CachedCatalogue(path, kCards);
        frame::folders().catalogueDatabase = path;
        frame::folders().databasePassword = QString::fromLatin1(frame::kDatabasePassword);
        frame::folders().userData = folder + "/";
        raw = benchsupport::OpenRawCatalogue(path);
    }
};

Catalogue& catalogue() {
    static Catalogue c;
    return c;
}

int largestPages() {
    return browser::PageCount(catalogue().info.largestCategoryCards);
}

// The browser's load: list query, skip to the page, 24 tile texts, row count and page label.
void loadPage(benchmark::State& state, const QString& filter, int page) {
    const browser::ListViewLoader loader(catalogue().info.largestCategory, 0, filter);
    store::RecordSource dcMain{"dcMain"};
    for (auto _ : state) {
        const browser::PageLoad result = loader.load(dcMain, page);
        if (!result.ok) state.SkipWithError("load failed");
        benchmark::DoNotOptimize(result.label);
    }
    state.counters["rows"] = loader.load(dcMain, page).rows;
}

// The same through the C API: count, step to the page, read ID, sMain1, sDescrizione1, sDescrizione2
// and sMain2 of its rows.
void loadRaw(benchmark::State& state, const QString& sqliteFilter, int page) {
    sqlite3* db = catalogue().raw;
    const QByteArray where =
        ("FROM tblSchede WHERE IDCategoria = " + QString::number(catalogue().info.largestCategory) +
         sqliteFilter)
            .toUtf8();
    const QByteArray count = "SELECT COUNT(*) " + where;
    // The browser's list query is "SELECT *": the same here, so both step the same rows.
    const QByteArray list = "SELECT * " + where + " ORDER BY sMain1 COLLATE TEXTORDER ASC";
    for (auto _ : state) {
        sqlite3_stmt* c = nullptr;
        sqlite3_prepare_v2(db, count.constData(), -1, &c, nullptr);
        sqlite3_step(c);
        const int rows = sqlite3_column_int(c, 0);
        sqlite3_finalize(c);
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(db, list.constData(), -1, &s, nullptr);
        int row = 0;
        QString texts;
        while (sqlite3_step(s) == SQLITE_ROW) {
            if (row++ < page * 24) continue;
            if (row > page * 24 + 24) break;
            for (int col : {2, 4, 5, 3})  // sMain1, sDescrizione1, sDescrizione2, sMain2
                texts += QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, col)));
            benchmark::DoNotOptimize(sqlite3_column_int(s, 0));
        }
        sqlite3_finalize(s);
        benchmark::DoNotOptimize(texts);
        benchmark::DoNotOptimize(rows);
    }
}

const QString kTitleSearch = browser::SearchClause("sMain1", "abc");
const QString kElementSearch = browser::SearchClause("sElementi1", "abc");

void BM_FirstPage_Browser(benchmark::State& s) {
    loadPage(s, QString(), 0);
}
void BM_FirstPage_Raw(benchmark::State& s) {
    loadRaw(s, QString(), 0);
}
void BM_LastPage_Browser(benchmark::State& s) {
    loadPage(s, QString(), largestPages() - 1);
}
void BM_LastPage_Raw(benchmark::State& s) {
    loadRaw(s, QString(), largestPages() - 1);
}
void BM_TitleSearch_Browser(benchmark::State& s) {
    loadPage(s, kTitleSearch, 0);
}
void BM_TitleSearch_Raw(benchmark::State& s) {
    loadRaw(s, " AND sMain1 LIKE '%abc%'", 0);
}
void BM_ElementSearch_Browser(benchmark::State& s) {
    loadPage(s, kElementSearch, 0);
}
void BM_ElementSearch_Raw(benchmark::State& s) {
    loadRaw(s, " AND ID IN (SELECT IDScheda FROM tblElementi WHERE sElementi1 LIKE '%abc%')", 0);
}

BENCHMARK(BM_FirstPage_Browser)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FirstPage_Raw)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LastPage_Browser)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LastPage_Raw)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TitleSearch_Browser)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TitleSearch_Raw)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ElementSearch_Browser)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ElementSearch_Raw)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    catalogue();  // generate before timing
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// The MP3 folder import against a plain copy of the same folder.
//
//   bench_import       Google Benchmark runs over a generated folder of 1,000 files of 2 to 4 MB
//                      (environment BENCH_IMPORT_FILES changes the count)
//
// BM_ImportFolder takes every file into a new, empty category folder and builds its element row
// (copy, then the MP3 reader on the copy); BM_CpFolder copies the same folder with `cp -r`, and
// BM_CpFolderThenSync with `cp -r` and `sync`. All report bytes per second of the source folder on
// the wall clock, so the rates compare directly: the import is bounded by the disk when its rate
// stays near the synced copy's. Each run's copies are removed outside the timing.
//
// The files repeat one lame-encoded frame sequence (128 kbit/s, constant) up to their size and end
// with an ID3 version 1 tag, so lame runs once.

#include <benchmark/benchmark.h>

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "Mp3FolderGenerator.h"
#include "card/FolderImport.h"
#include "frame/Folders.h"

namespace {

int fileCount() {
    const int n = std::atoi(qgetenv("BENCH_IMPORT_FILES").constData());
    return n > 0 ? n : 1000;
}

// The generated source folder and a scratch installation whose category folders receive the copies;
// made on first use, removed at exit.
struct BenchFolders {
    QTemporaryDir root;
    QString source, installation;
    qint64 bytes = 0;
    int files = 0;
    QString problem;

    BenchFolders() {
        if (!root.isValid()) {
            problem = "no temporary folder";
            return;
        }
        source = root.filePath("mp3");
        installation = root.filePath("trovex2");
        QDir().mkpath(source);
        QDir().mkpath(installation + "/usr/bench/cat");
        const int count = fileCount();
        bytes = benchsupport::MakeMp3Folder(source, count, QStringLiteral("Track %1.mp3"));
        if (bytes < 0) {
            problem = "cannot encode with lame or write the source folder";
            return;
        }
        files = count;
        // Both measurements start with the generated files on disk, not waiting in the cache.
        if (std::system("sync") != 0) problem = "sync failed";
        // Stored paths are relative to this installation, as in the program.
        frame::sbInitFolders(installation);
    }
    QString destination(int run) const {
        return QStringLiteral("%1/usr/bench/cat/%2/").arg(installation).arg(run);
    }
};

BenchFolders& folders() {
    static BenchFolders f;
    return f;
}

void report(benchmark::State& state, const BenchFolders& f) {
    state.SetBytesProcessed(state.iterations() * f.bytes);
    state.counters["files"] = f.files;
    state.counters["MB"] = double(f.bytes) / (1024 * 1024);
}

void BM_ImportFolder(benchmark::State& state) {
    const BenchFolders& f = folders();
    if (!f.problem.isEmpty()) {
        state.SkipWithError(f.problem.toStdString().c_str());
        return;
    }
    int run = 0;
    for (auto _ : state) {
        const QString cat = f.destination(run++);
        int rows = 0;
        card::ImportMp3Files(f.source, cat, [&](const QStringList& row) {
            benchmark::DoNotOptimize(row);
            ++rows;
        });
        state.PauseTiming();
        if (rows != f.files) state.SkipWithError("the import missed files");
        QDir(cat).removeRecursively();
        state.ResumeTiming();
    }
    report(state, f);
}
BENCHMARK(BM_ImportFolder)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// `cp -r`, and with `sync` after it when `synced`: Qt's file copy, which the import uses, flushes every
// copy to the disk before it names it, so the synced run is the like-for-like figure.
void copyFolder(benchmark::State& state, bool synced) {
    const BenchFolders& f = folders();
    if (!f.problem.isEmpty()) {
        state.SkipWithError(f.problem.toStdString().c_str());
        return;
    }
    int run = 0;
    for (auto _ : state) {
        const QString dest = f.destination(1000 + run++);
        std::string command = "cp -r '" + f.source.toStdString() + "' '" + dest.toStdString() + "'";
        if (synced) command += " && sync";
        const int status = std::system(command.c_str());
        state.PauseTiming();
        if (status != 0) state.SkipWithError("cp failed");
        QDir(dest).removeRecursively();
        state.ResumeTiming();
    }
    report(state, f);
}

void BM_CpFolder(benchmark::State& state) {
    copyFolder(state, false);
}
BENCHMARK(BM_CpFolder)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_CpFolderThenSync(benchmark::State& state) {
    copyFolder(state, true);
}
BENCHMARK(BM_CpFolderThenSync)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace

BENCHMARK_MAIN();

// Reading folders of MP3 files with Brano.
//
//   bench_mp3                   Google Benchmark runs over a generated folder of 1,000 files
//   bench_mp3 --make DIR [N]    generate N files (default 1,000) of 2 to 4 MB into DIR
//   bench_mp3 --probe ARGS...   print "name seconds" for each file (or each *.mp3 of a folder), the
//                               whole-process counterpart of mp3info -p "%f %S\n" (mp3_vs_mp3info.sh)
//
// The files repeat one lame-encoded frame sequence (constant bit rate, no Xing or Info frame) up
// to their size and end with an ID3 version 1 tag, so lame runs once.

#include <benchmark/benchmark.h>

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>

#include "Mp3FolderGenerator.h"
#include "media/Brano.h"

namespace {

constexpr int kDefaultCount = 1000;

QStringList mp3Files(const QString& dir) {
    QStringList files;
    for (const QString& name : QDir(dir).entryList({"*.mp3"}, QDir::Files, QDir::Name)) {
        files << dir + '/' + name;
    }
    return files;
}

int seconds(const QString& durata) {
    const qsizetype colon = durata.indexOf(':');
    return colon < 0 ? 0 : durata.left(colon).toInt() * 60 + durata.mid(colon + 1).toInt();
}

int probe(int argc, char** argv) {
    QStringList files;
    for (int i = 2; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (QFileInfo(arg).isDir()) {
            files << mp3Files(arg);
        } else {
            files << arg;
        }
    }
    std::string out;
    for (const QString& file : files) {
        media::Brano brano;
        brano.setNomeFile(file);
        out += QFileInfo(file).fileName().toStdString();
        out += ' ';
        out += std::to_string(seconds(brano.Durata()));
        out += '\n';
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}

// The generated folder shared by the benchmarks, made on first use and removed at exit.
struct BenchFolder {
    QTemporaryDir dir;
    QStringList files;
    BenchFolder() {
        if (dir.isValid() && benchsupport::MakeMp3Folder(dir.path(), kDefaultCount) >= 0)
            files = mp3Files(dir.path());
    }
};

BenchFolder& folder() {
    static BenchFolder f;
    return f;
}

void BM_BranoFolder(benchmark::State& state) {
    const QStringList& files = folder().files;
    if (files.isEmpty()) {
        state.SkipWithError("no generated files (is lame installed?)");
        return;
    }
    for (auto _ : state) {
        for (const QString& file : files) {
            media::Brano brano;
            brano.setNomeFile(file);
            benchmark::DoNotOptimize(brano.Durata());
        }
    }
    state.SetItemsProcessed(state.iterations() * files.size());
}
BENCHMARK(BM_BranoFolder)->Unit(benchmark::kMillisecond);

void BM_BranoOneFile(benchmark::State& state) {
    const QStringList& files = folder().files;
    if (files.isEmpty()) {
        state.SkipWithError("no generated files (is lame installed?)");
        return;
    }
    for (auto _ : state) {
        media::Brano brano;
        brano.setNomeFile(files.first());
        benchmark::DoNotOptimize(brano.Titolo());
    }
}
BENCHMARK(BM_BranoOneFile)->Unit(benchmark::kMicrosecond);

// The worst case: a file of a few megabytes with no frame header is scanned to its end.
void BM_BranoNoFrame(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath("noframe.mp3");
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(QByteArray(4 * 1024 * 1024, 'a')) < 0) {
        state.SkipWithError("cannot write the file");
        return;
    }
    f.close();
    for (auto _ : state) {
        media::Brano brano;
        brano.setNomeFile(path);
        benchmark::DoNotOptimize(brano.VersionID());
    }
    state.SetBytesProcessed(state.iterations() * 4 * 1024 * 1024);
}
BENCHMARK(BM_BranoNoFrame)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "--probe") return probe(argc, argv);
    if (mode == "--make") {
        if (argc < 3) {
            std::fprintf(stderr, "usage: bench_mp3 --make DIR [COUNT]\n");
            return 2;
        }
        const int count = argc > 3 ? std::atoi(argv[3]) : kDefaultCount;
        return benchsupport::MakeMp3Folder(QString::fromLocal8Bit(argv[2]), count) >= 0 ? 0 : 1;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

#include "Mp3FolderGenerator.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <algorithm>
#include <cmath>

namespace benchsupport {
namespace {

QByteArray wav(int rate, int seconds) {
    QByteArray out;
    QDataStream w(&out, QIODevice::WriteOnly);
    w.setByteOrder(QDataStream::LittleEndian);
    const quint32 dataSize = quint32(rate) * seconds * 4;
    w.writeRawData("RIFF", 4);
    w << quint32(36 + dataSize);
    w.writeRawData("WAVEfmt ", 8);
    w << quint32(16) << quint16(1) << quint16(2) << quint32(rate) << quint32(rate * 4) << quint16(4)
      << quint16(16);
    w.writeRawData("data", 4);
    w << dataSize;
    for (int i = 0; i < rate * seconds; ++i) {
        w << qint16(9000 * std::sin(2 * M_PI * (440.0 + i / 300.0) * i / rate))
          << qint16(7000 * std::sin(2 * M_PI * 660.0 * i / rate));
    }
    return out;
}

}  // namespace

QByteArray EncodedFrames(const QString& workDir) {
    const QString lame = QStandardPaths::findExecutable("lame");
    if (lame.isEmpty()) return {};
    const QString input = workDir + "/tone.wav";
    const QString output = workDir + "/tone.mp3";
    QFile in(input);
    if (!in.open(QIODevice::WriteOnly) || in.write(wav(44100, 10)) < 0) return {};
    in.close();
    QProcess p;
    p.start(lame, {"--quiet", "-t", "-b", "128", "--cbr", input, output});
    if (!p.waitForFinished(120000) || p.exitCode() != 0) return {};
    QFile out(output);
    const QByteArray frames = out.open(QIODevice::ReadOnly) ? out.readAll() : QByteArray();
    QFile::remove(input);
    QFile::remove(output);
    return frames;
}

QByteArray Id3v1Tag(int number) {
    QByteArray tag(128, '\0');
    const QByteArray title = "Track " + QByteArray::number(number);
    tag.replace(0, 3, "TAG");
    tag.replace(3, title.size(), title);
    tag.replace(33, 12, "Bench Artist");
    tag.replace(93, 4, "2024");
    tag[126] = char(number % 100);
    tag[127] = char(number % 150);
    return tag;
}

qint64 MakeMp3Folder(const QString& dir, int count, const QString& pattern) {
    QDir().mkpath(dir);
    const QByteArray frames = EncodedFrames(dir);
    if (frames.isEmpty()) return -1;
    qint64 bytes = 0;
    for (int i = 0; i < count; ++i) {
        const qint64 size = 2 * 1024 * 1024 + qint64(i % 9) * 256 * 1024;  // 2 to 4 MB
        QFile f(dir + '/' + pattern.arg(i, 4, 10, QLatin1Char('0')));
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return -1;
        for (qint64 written = 0; written < size; written += frames.size())
            f.write(frames.constData(), std::min<qint64>(frames.size(), size - written));
        f.write(Id3v1Tag(i));
        bytes += f.size();
    }
    return bytes;
}

}  // namespace benchsupport

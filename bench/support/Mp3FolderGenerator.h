#pragma once
// Folders of generated MP3 files for the benchmarks: one sequence of frames encoded once with lame,
// repeated to 2 to 4 MB per file, each file closed by an ID3v1 tag of its own.

#include <QByteArray>
#include <QString>

namespace benchsupport {

// Ten seconds of a stereo tone as constant bit rate MPEG-1 Layer III frames; empty when lame is
// missing or fails. workDir holds the temporary files.
QByteArray EncodedFrames(const QString& workDir);

// A 128-byte ID3v1.1 tag with a title, an artist, a year, a track and a genre numbered after `number`.
QByteArray Id3v1Tag(int number);

// Writes `count` files named by `pattern` (with %1 for the zero-padded number) into `dir` and returns
// the bytes written, or -1 when a file could not be written or nothing could be encoded.
qint64 MakeMp3Folder(const QString& dir, int count, const QString& pattern = QStringLiteral("track%1.mp3"));

}  // namespace benchsupport

#include "PictureWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>

#include "GifWriter.h"

namespace artgen {

PictureWriter::PictureWriter(QString root) : root_(std::move(root)) {}

QString PictureWriter::prepare(const QString& path) {
    const QString full = QDir(root_).filePath(path);
    QDir().mkpath(QFileInfo(full).absolutePath());
    return full;
}

void PictureWriter::record(const QString& path, bool ok) {
    (ok ? written_ : failed_).append(path);
}

void PictureWriter::jpg(const QString& path, const QImage& image) {
    QImageWriter writer(prepare(path), "jpeg");
    writer.setQuality(94);
    record(path, writer.write(image.convertToFormat(QImage::Format_RGB32)));
}

void PictureWriter::gif(const QString& path, const QImage& image, const QColor& matte) {
    record(path, writeGif(image, matte, prepare(path)));
}

void PictureWriter::ico(const QString& path, const QImage& image) {
    QImageWriter writer(prepare(path), "ico");
    record(path, writer.write(image.convertToFormat(QImage::Format_ARGB32)));
}

void PictureWriter::png(const QString& path, const QImage& image) {
    QImageWriter writer(prepare(path), "png");
    record(path, writer.write(image));
}

}  // namespace artgen

#pragma once
// Writes the pictures below the installation folder, making folders as needed, and remembers every
// file it wrote or failed to write.

#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>

namespace artgen {

class PictureWriter {
public:
    explicit PictureWriter(QString root);

    // Paths are relative to the root, with forward slashes ("img/skins/notte/top.jpg").
    void jpg(const QString& path, const QImage& image);
    void gif(const QString& path, const QImage& image, const QColor& matte);
    void ico(const QString& path, const QImage& image);
    void png(const QString& path, const QImage& image);

    const QStringList& written() const { return written_; }
    const QStringList& failed() const { return failed_; }
    bool ok() const { return failed_.isEmpty(); }

private:
    QString prepare(const QString& path);  // full path, parent folder made
    void record(const QString& path, bool ok);

    QString root_;
    QStringList written_;
    QStringList failed_;
};

}  // namespace artgen

#include "ElementEditor.h"

#include <QFileInfo>

#include "frame/FileUtils.h"
#include "frame/Folders.h"
#include "frame/Ini.h"
#include "frame/Language.h"
#include "frame/Paths.h"
#include "media/Brano.h"
#include "media/GenreNames.h"

namespace card {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Trailing blanks of the fixed-width tag fields go; other white space stays.
QString withoutTrailingSpaces(QString text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == ' ') --end;
    text.truncate(end);
    return text;
}

QString technicalSummary(const media::Brano& b) {
    return QStringList{b.VersionID(),
                       b.LayerDescription(),
                       "Bit Rate: " + b.BitRate() + " Kbps.",
                       "Sample Rate: " + b.SampleRate() + " Hz.",
                       b.ChannelMode(),
                       "Copyright: " + b.Copyright(),
                       "CRC: " + b.CRC(),
                       "VBR: " + b.VBR(),
                       "Emphasis: " + b.Emphasis()}
        .join(kCrLf);
}

}  // namespace

bool CategoryReadsId3(const QString& catPath) {
    // The setting is a byte: only its low eight bits count.
    return (frame::GetINIInt("CONFIG", "id3", 0, frame::CategoryLabelFile(catPath)) & 0xFF) != 0;
}

QString ElementSection(int kind) {
    switch (kind) {
        case 1:
            return QStringLiteral("ELEMENTI");
        case 2:
            return QStringLiteral("CRITICA");
        case 3:
            return QStringLiteral("IMMAGINI");
        case 4:
            return QStringLiteral("FILMATI");
        case 5:
            return QStringLiteral("SUONI");
        default:
            return QString();
    }
}

QStringList ReadElementLabels(int kind, const QString& labelFile) {
    const QString section = ElementSection(kind);
    if (section.isEmpty()) return {};
    // "ELEMENTI" -> "lblElementi"
    const QString prefix = "lbl" + section.left(1) + section.mid(1).toLower();
    QStringList labels;
    for (int i = 0; i < kElementLabels - 1; ++i)
        labels << frame::GetINI(section, prefix + QString::number(i), QString(), labelFile);
    labels << frame::GetINI(section, QStringLiteral("lblFile"), QString(), labelFile);
    return labels;
}

bool ElementCaptionShown(const QString& label) {
    return label.size() > 1;
}

bool ElementFieldShown(const QString& label) {
    return !label.isEmpty() && label != QStringLiteral("-");
}

QStringList Mp3Fields(const QString& path) {
    const QString native = frame::ResolvePath(path);
    media::Brano b;
    b.setNomeFile(native);
    const qint64 size = QFileInfo(native).isFile() ? QFileInfo(native).size() : 0;
    return {withoutTrailingSpaces(b.Titolo()),
            withoutTrailingSpaces(b.Album()) + " - " + withoutTrailingSpaces(b.Anno()),
            withoutTrailingSpaces(b.Autore()),
            QString::number(size) + " - " + b.Durata(),
            media::genreName(b.Genere()),
            b.Commenti(),
            technicalSummary(b)};
}

QStringList ElementRowFromMp3(const QString& path) {
    return Mp3Fields(path) << frame::GetRelativePath(path);
}

QString ElementCheckReport(const QStringList& row8, const QString& title, const QString& fileCaption) {
    frame::ValidationReport report;
    const QString main = row8.value(0);
    const QString file = row8.value(kElementFileColumn);
    if (main.isEmpty()) report.Omitted(title);
    if (!file.isEmpty() && !frame::FileExists(frame::NativePath(file))) report.NotFound(fileCaption);
    return report.Text();
}

}  // namespace card

#pragma once
// One MP3 file, read once: the first MPEG audio frame header, the "Xing" header of a variable-bit-rate
// file and the ID3 version 1 tag, turned into the texts the card shows. Setting the file name reads
// the file; reading never writes to it and reports nothing: what it did not reach stays empty.

#include <QString>
#include <cstdint>

namespace media {

class BoundedFileReader;

class Brano {
public:
    // Reads the file at path (a full path); the getters then return what was found.
    void setNomeFile(const QString& path);
    // The part of the path after its last separator; empty before reading or when reading stopped
    // early.
    QString NomeFile() const { return nomeFile_; }

    // Tag fields, each cut at its first zero byte; trailing spaces are kept.
    QString Titolo() const { return titolo_; }
    QString Autore() const { return autore_; }
    QString Album() const { return album_; }
    QString Anno() const { return anno_; }
    QString Commenti() const { return commenti_; }
    QString Traccia() const { return QString::number(traccia_); }
    // The genre number, 0 to kLastGenre (see GenreNames.h).
    uint8_t Genere() const { return genere_; }

    QString VersionID() const { return versionID_; }
    QString LayerDescription() const { return layerDescription_; }
    QString BitRate() const { return bitRate_; }
    QString SampleRate() const { return sampleRate_; }
    QString ChannelMode() const { return channelMode_; }
    QString Emphasis() const { return emphasis_; }
    // Flags read "Sì" or "No".
    QString Copyright() const { return flagText(copyright_); }
    QString Original() const { return flagText(original_); }
    QString CRC() const { return flagText(crc_); }
    QString VBR() const { return flagText(vbr_); }
    QString Durata() const { return durata_; }

private:
    static QString flagText(bool set);
    void clear();
    void read(BoundedFileReader& file, const QString& path);
    void readTag(BoundedFileReader& file);

    QString nomeFile_;
    QString titolo_, autore_, album_, anno_, commenti_;
    uint8_t traccia_ = 0;
    uint8_t genere_ = 0;
    QString versionID_, layerDescription_, bitRate_, sampleRate_, channelMode_, emphasis_;
    bool copyright_ = false, original_ = false, crc_ = false, vbr_ = false;
    QString durata_;
};

}  // namespace media

#pragma once
// The ID3 version 1 genre names, numbered from 0 ("Blues"). The last number names every genre the
// table does not know: its name is a single space.

#include <QString>
#include <QStringList>

namespace media {

constexpr int kLastGenre = 148;

// All names, index = genre number, kLastGenre + 1 entries.
const QStringList& genreNames();
// The name of a genre number; numbers outside the table give the name of kLastGenre.
QString genreName(int number);

}  // namespace media

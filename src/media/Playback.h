#pragma once
// The film player of the card window: a few calls that open a media file under an alias, play it,
// seek in it, ask its mode and close it. Behind each alias sits one media player; a film opened with
// a window plays in a video surface that fills that window (the card's media panel).
//
// No call shows a message or throws: each returns 0 on success or one of the failure codes below,
// and a caller may ignore them. Opening waits until the backend has looked at the file, so a file
// that is missing or that the backend cannot play is reported by OpenMedia itself and leaves nothing
// open and nothing in the window.

#include <QString>
#include <QtGlobal>

class QWidget;

namespace media {

// Results of the calls.
inline constexpr int kMediaOk = 0;
inline constexpr int kMediaNotOpen = 1;       // no media is open under this alias or file
inline constexpr int kMediaFileNotFound = 2;  // the file to open does not exist
inline constexpr int kMediaCannotPlay = 3;    // the backend cannot open or play the file
inline constexpr int kMediaAliasInUse = 4;    // the alias already names open media
inline constexpr int kMediaOutOfRange = 5;    // a seek before the start or past the end

// MediaMode of a target that is not open.
inline constexpr const char* kInvalidMedia = "invalid_multimedia";

// The card window's alias for its films.
inline constexpr const char* kCardAlias = "KRV4172";

// Opens `file` under `alias` (aliases are matched without case). With a window, a film shows inside
// it, filling it; without one (nullptr) only its sound plays. Returns kMediaOk once the media has
// loaded.
int OpenMedia(const QString& file, const QString& alias, QWidget* window);

// Stops and closes what is open under `alias`; its video surface leaves the window.
int CloseMedia(const QString& alias);

// Starts playing `target` (an alias, or the file path that an open alias plays). When it is already
// playing it starts again from the beginning; from "stopped" or "paused" it plays on from where it
// is. Returns at once; the media plays on its own.
int PlayMedia(const QString& target);

// Moves `target` to a position in milliseconds; media that was playing plays on from there.
int SeekMedia(const QString& target, qint64 positionMs);

// "playing", "paused" or "stopped", or kInvalidMedia when `target` is not open.
QString MediaMode(const QString& target);

// Where `target` is, in milliseconds from its start; -1 when it is not open.
qint64 MediaPosition(const QString& target);

// Closes every open media (the program's end, tests).
void CloseAllMedia();

// The card's film sequence: closes what the card plays, opens the file of a stored path (relative to
// the installation folder) in the media panel and plays it. Returns the result of the open, or of
// the play when the open succeeded.
int PlayCardFilm(const QString& storedPath, QWidget* mediaPanel);

}  // namespace media

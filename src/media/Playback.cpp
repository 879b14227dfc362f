#include "Playback.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <QVideoWidget>
#include <map>

#include "frame/Paths.h"

namespace media {

namespace {

// How long opening waits for the backend to recognise a file.
constexpr int kOpenTimeoutMs = 10000;

// Keeps a video surface the size of the window it plays in.
class SurfaceFitter : public QObject {
public:
    SurfaceFitter(QWidget* surface, QWidget* window) : QObject(surface), surface_(surface) {
        window->installEventFilter(this);
        surface_->setGeometry(window->rect());
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize) surface_->setGeometry(static_cast<QWidget*>(watched)->rect());
        return false;
    }

private:
    QWidget* surface_;
};

struct OpenEntry {
    QString file;  // the native path that was opened
    QMediaPlayer* player = nullptr;
    QAudioOutput* audio = nullptr;
    QPointer<QVideoWidget> surface;  // the window may take it down with itself
};

void release(OpenEntry& entry) {
    // The player goes before the surface it draws on.
    entry.player->stop();
    delete entry.player;
    delete entry.audio;
    delete entry.surface.data();
}

// The open media by alias (lower case). It lives as long as the application object, and closes what
// is still open before the application goes.
class Registry : public QObject {
public:
    Registry() : QObject(QCoreApplication::instance()) {
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, &Registry::closeAll);
    }
    ~Registry() override { closeAll(); }

    void closeAll() {
        for (auto& [alias, entry] : entries) release(entry);
        entries.clear();
    }

    // An alias, or the file that an open alias plays.
    OpenEntry* find(const QString& target) {
        const auto byAlias = entries.find(target.toLower());
        if (byAlias != entries.end()) return &byAlias->second;
        const QString native = frame::ResolvePath(target);
        for (auto& [alias, entry] : entries)
            if (!target.isEmpty() && entry.file.compare(native, Qt::CaseInsensitive) == 0) return &entry;
        return nullptr;
    }

    std::map<QString, OpenEntry> entries;
};

Registry* registry() {
    static QPointer<Registry> instance;
    if (!instance && QCoreApplication::instance()) instance = new Registry;
    return instance.data();
}

OpenEntry* findOpen(const QString& target) {
    Registry* r = registry();
    return r ? r->find(target) : nullptr;
}

bool settled(QMediaPlayer::MediaStatus status) {
    switch (status) {
        case QMediaPlayer::LoadedMedia:
        case QMediaPlayer::BufferingMedia:
        case QMediaPlayer::BufferedMedia:
        case QMediaPlayer::EndOfMedia:
        case QMediaPlayer::InvalidMedia:
            return true;
        default:
            return false;
    }
}

// Waits (without taking user input) until the backend has recognised the source or given up.
bool waitUntilLoaded(QMediaPlayer& player) {
    if (!settled(player.mediaStatus()) && player.error() == QMediaPlayer::NoError) {
        QEventLoop loop;
        QObject::connect(&player, &QMediaPlayer::mediaStatusChanged, &loop,
                         [&loop](QMediaPlayer::MediaStatus s) {
                             if (settled(s)) loop.quit();
                         });
        QObject::connect(&player, &QMediaPlayer::errorOccurred, &loop, &QEventLoop::quit);
        QTimer::singleShot(kOpenTimeoutMs, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    return player.error() == QMediaPlayer::NoError && settled(player.mediaStatus()) &&
           player.mediaStatus() != QMediaPlayer::InvalidMedia;
}

int startPlaying(OpenEntry& entry) {
    entry.player->play();
    return entry.player->error() == QMediaPlayer::NoError ? kMediaOk : kMediaCannotPlay;
}

}  // namespace

int OpenMedia(const QString& file, const QString& alias, QWidget* window) {
    Registry* r = registry();
    if (!r || alias.isEmpty()) return kMediaCannotPlay;
    if (r->entries.count(alias.toLower())) return kMediaAliasInUse;
    const QString native = frame::ResolvePath(file);
    if (native.isEmpty() || !QFileInfo(native).isFile()) return kMediaFileNotFound;

    OpenEntry entry;
    entry.file = QFileInfo(native).absoluteFilePath();
    entry.player = new QMediaPlayer;
    // Without a sound device (a server, CI) the film plays without sound.
    if (!QMediaDevices::defaultAudioOutput().isNull()) {
        entry.audio = new QAudioOutput;
        entry.player->setAudioOutput(entry.audio);
    }
    if (window) {
        entry.surface = new QVideoWidget(window);
        entry.surface->setObjectName("videoSurface");
        entry.surface->hide();
        new SurfaceFitter(entry.surface, window);
        entry.player->setVideoOutput(entry.surface.data());
    }
    entry.player->setSource(QUrl::fromLocalFile(entry.file));
    if (!waitUntilLoaded(*entry.player)) {
        release(entry);
        return kMediaCannotPlay;
    }
    if (entry.surface) entry.surface->show();
    r->entries.emplace(alias.toLower(), entry);
    return kMediaOk;
}

int CloseMedia(const QString& alias) {
    Registry* r = registry();
    if (!r) return kMediaNotOpen;
    const auto it = r->entries.find(alias.toLower());
    if (it == r->entries.end()) return kMediaNotOpen;
    OpenEntry entry = it->second;
    r->entries.erase(it);
    release(entry);
    return kMediaOk;
}

QString MediaMode(const QString& target) {
    const OpenEntry* entry = findOpen(target);
    if (!entry) return QString::fromLatin1(kInvalidMedia);
    switch (entry->player->playbackState()) {
        case QMediaPlayer::PlayingState:
            return QStringLiteral("playing");
        case QMediaPlayer::PausedState:
            return QStringLiteral("paused");
        default:
            return QStringLiteral("stopped");
    }
}

int SeekMedia(const QString& target, qint64 positionMs) {
    OpenEntry* entry = findOpen(target);
    if (!entry) return kMediaNotOpen;
    const bool wasPlaying = MediaMode(target) == QStringLiteral("playing");
    const qint64 length = entry->player->duration();
    if (positionMs < 0 || (length > 0 && positionMs > length)) return kMediaOutOfRange;
    entry->player->setPosition(positionMs);
    if (wasPlaying) return startPlaying(*entry);
    return entry->player->error() == QMediaPlayer::NoError ? kMediaOk : kMediaCannotPlay;
}

int PlayMedia(const QString& target) {
    OpenEntry* entry = findOpen(target);
    if (!entry) return kMediaNotOpen;
    const QString mode = MediaMode(target);
    // Playing already: start again from the beginning.
    if (mode != QStringLiteral("stopped") && mode != QStringLiteral("paused")) SeekMedia(target, 0);
    return startPlaying(*entry);
}

qint64 MediaPosition(const QString& target) {
    const OpenEntry* entry = findOpen(target);
    return entry ? entry->player->position() : -1;
}

void CloseAllMedia() {
    if (Registry* r = registry()) r->closeAll();
}

int PlayCardFilm(const QString& storedPath, QWidget* mediaPanel) {
    CloseMedia(QString::fromLatin1(kCardAlias));
    const int opened = OpenMedia(frame::NativePath(storedPath), QString::fromLatin1(kCardAlias), mediaPanel);
    if (opened != kMediaOk) return opened;
    return PlayMedia(QString::fromLatin1(kCardAlias));
}

}  // namespace media

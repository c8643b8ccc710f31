#include "media/mediacommandinterpreter.h"

#include <QAudioOutput>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <cstring>

namespace radiane::media {

// One open file. Members are destroyed in reverse order: the player goes
// before the outputs it renders into and the file it reads.
struct MediaCommandInterpreter::Device {
    QString alias;
    DeviceType type = DeviceType::Waveaudio;
    QFile file;
    std::unique_ptr<VideoOutput> video;
    QAudioOutput audio;
    QMediaPlayer player;

    // Dropping the source takes the decoder out while the player is whole: left
    // to the player's destructor, the decoder's pads report their removal to a
    // player half torn down.
    ~Device() {
        player.stop();
        player.setSource(QUrl());
    }
};

namespace {

QString aliasKey(const QString& alias) {
    return alias.toCaseFolded();
}

bool isLoaded(QMediaPlayer::MediaStatus status) {
    switch (status) {
    case QMediaPlayer::LoadedMedia:
    case QMediaPlayer::BufferingMedia:
    case QMediaPlayer::BufferedMedia:
    case QMediaPlayer::StalledMedia:
    case QMediaPlayer::EndOfMedia:
        return true;
    case QMediaPlayer::NoMedia:
    case QMediaPlayer::LoadingMedia:
    case QMediaPlayer::InvalidMedia:
        return false;
    }
    return false;
}

// The file goes to the player as a stream, whose data GStreamer asks for
// through this thread's event loop, so nothing is read before setSource
// returns. Given the path instead, its streaming threads find the tracks and
// link the outputs while setSource still seeks on this thread, and the two
// can lock each other out for good.
void setSourceFile(QMediaPlayer& player, QFile& file) {
    player.setSourceDevice(&file, QUrl::fromLocalFile(file.fileName()));
}

bool hasSettled(const QMediaPlayer& player) {
    return isLoaded(player.mediaStatus()) || player.mediaStatus() == QMediaPlayer::InvalidMedia ||
           player.error() != QMediaPlayer::NoError;
}

QString modeOf(const QMediaPlayer& player) {
    if (player.error() != QMediaPlayer::NoError || !isLoaded(player.mediaStatus()))
        return QStringLiteral("not ready");
    switch (player.playbackState()) {
    case QMediaPlayer::PlayingState:
        return QStringLiteral("playing");
    case QMediaPlayer::PausedState:
        return QStringLiteral("paused");
    case QMediaPlayer::StoppedState:
        break;
    }
    return QStringLiteral("stopped");
}

} // namespace

std::uint32_t mediaSendString(const char* command, char* reply, unsigned replySize,
                              std::uintptr_t /*notifyHandle*/) {
    if (MediaCommandInterpreter* interpreter = MediaCommandInterpreter::shared())
        return interpreter->send(command, reply, replySize);
    if (reply && replySize > 0)
        reply[0] = '\0';
    return static_cast<std::uint32_t>(MediaError::NoEventLoop);
}

MediaCommandInterpreter::MediaCommandInterpreter(QObject* parent) : QObject(parent) {}

MediaCommandInterpreter::~MediaCommandInterpreter() = default;

MediaCommandInterpreter* MediaCommandInterpreter::shared() {
    static QPointer<MediaCommandInterpreter> instance;
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return nullptr;
    if (!instance && QThread::currentThread() == app->thread())
        instance = new MediaCommandInterpreter(app);
    return instance;
}

std::uint32_t MediaCommandInterpreter::send(const char* command, char* reply, unsigned replySize) {
    QString text;
    MediaError error =
        command ? execute(QString::fromLocal8Bit(command), text) : MediaError::UnrecognizedCommand;
    QByteArray bytes = text.toLocal8Bit();
    if (error == MediaError::None && !bytes.isEmpty() &&
        (!reply || static_cast<qsizetype>(replySize) <= bytes.size()))
        error = MediaError::ReplyTooSmall;
    if (error != MediaError::None)
        bytes.clear();
    if (reply && replySize > 0) {
        std::memcpy(reply, bytes.constData(), static_cast<size_t>(bytes.size()));
        reply[bytes.size()] = '\0';
    }
    return static_cast<std::uint32_t>(error);
}

MediaError MediaCommandInterpreter::execute(const QString& commandText, QString& reply) {
    reply.clear();
    if (!QCoreApplication::instance() || QThread::currentThread() != thread())
        return MediaError::NoEventLoop;

    const auto parsed = parseMediaCommand(commandText);
    if (const auto* error = std::get_if<MediaError>(&parsed))
        return *error;
    const MediaCommand& command = std::get<MediaCommand>(parsed);

    if (command.verb == MediaCommand::Verb::Open)
        return open(command);

    Device* device = find(command.alias);
    if (!device)
        return MediaError::UnknownAlias;
    QMediaPlayer& player = device->player;

    switch (command.verb) {
    case MediaCommand::Verb::Open:
        break;
    case MediaCommand::Verb::Play:
        if (player.mediaStatus() == QMediaPlayer::InvalidMedia)
            return MediaError::CannotLoad;
        if (device->video)
            device->video->showPicture();
        player.play();
        break;
    case MediaCommand::Verb::Stop:
        player.stop();
        break;
    case MediaCommand::Verb::Close:
        devices_.erase(aliasKey(command.alias));
        break;
    case MediaCommand::Verb::StatusLength:
        reply = QString::number(isLoaded(player.mediaStatus()) ? player.duration() : 0);
        break;
    case MediaCommand::Verb::StatusMode:
        reply = modeOf(player);
        break;
    }
    return MediaError::None;
}

MediaError MediaCommandInterpreter::open(const MediaCommand& command) {
    const QString key = aliasKey(command.alias);
    if (devices_.count(key))
        return MediaError::DuplicateAlias;
    const QFileInfo file(command.path);
    if (!file.isFile() || !file.isReadable())
        return MediaError::FileNotFound;

    auto device = std::make_unique<Device>();
    device->alias = command.alias;
    device->type = command.type;
    device->file.setFileName(file.absoluteFilePath());
    if (!device->file.open(QIODevice::ReadOnly))
        return MediaError::FileNotFound;
    QMediaPlayer& player = device->player;
    player.setAudioOutput(&device->audio);
    if (command.type == DeviceType::AviVideo && videoFactory_) {
        device->video = videoFactory_(file.absoluteFilePath());
        if (device->video)
            player.setVideoSink(device->video->videoSink());
    }

    if (command.wait) {
        QEventLoop loop;
        QTimer timer;
        timer.setSingleShot(true);
        connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        connect(&player, &QMediaPlayer::mediaStatusChanged, &loop, [&] {
            if (hasSettled(player))
                loop.quit();
        });
        connect(&player, &QMediaPlayer::errorOccurred, &loop, &QEventLoop::quit);
        setSourceFile(player, device->file);
        if (!hasSettled(player)) {
            timer.start(openTimeout_);
            // User input waits, so no click can reach the program mid-open.
            loop.exec(QEventLoop::ExcludeUserInputEvents);
        }
        if (player.error() != QMediaPlayer::NoError ||
            player.mediaStatus() == QMediaPlayer::InvalidMedia)
            return MediaError::CannotLoad;
        if (!isLoaded(player.mediaStatus()))
            return MediaError::LoadTimeout;
        // Another command run by the loop may have taken the alias meanwhile.
        if (devices_.count(key))
            return MediaError::DuplicateAlias;
    } else {
        setSourceFile(player, device->file);
    }

    devices_.emplace(key, std::move(device));
    return MediaError::None;
}

MediaCommandInterpreter::Device* MediaCommandInterpreter::find(const QString& alias) const {
    const auto it = devices_.find(aliasKey(alias));
    return it == devices_.end() ? nullptr : it->second.get();
}

} // namespace radiane::media

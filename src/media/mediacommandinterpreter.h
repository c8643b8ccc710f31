#pragma once

#include "media/mediacommand.h"
#include "media/mediacommandparser.h"
#include "media/videooutput.h"

#include <QObject>
#include <QString>
#include <chrono>
#include <map>
#include <memory>

namespace radiane::media {

// Our media command-string interpreter over Qt Multimedia (QMediaPlayer with a
// QAudioOutput). It keeps its devices by alias (matched case-insensitively) and
// answers the commands described in mediacommandparser.h:
//   open ... wait  returns once the file is loaded or has failed (a local event
//                  loop that excludes user input, bounded by openTimeout);
//                  a file the backend cannot load is refused and not kept;
//   play           starts playback and returns at once;
//   stop           stops playback and rewinds, so the next play starts over;
//   close          stops and forgets the device (and its video window);
//   status length  the duration in milliseconds;
//   status mode    "playing", "paused", "stopped" or "not ready".
// Anything else is refused with a nonzero result and an empty reply.
//
// Playback needs a running Qt event loop: a QCoreApplication (or
// QGuiApplication/QApplication) must exist and every command must come from
// its thread. Video devices render into the output made by the video output
// factory; without one they play their sound only.
class MediaCommandInterpreter : public QObject {
    Q_OBJECT
public:
    explicit MediaCommandInterpreter(QObject* parent = nullptr);
    ~MediaCommandInterpreter() override;

    // The process-wide interpreter behind mediaSendString(), created on first
    // use as a child of the application object. Null without a QCoreApplication.
    static MediaCommandInterpreter* shared();

    // command is in the local 8-bit encoding. The reply is always
    // NUL-terminated when replySize > 0, and empty on a refusal.
    std::uint32_t send(const char* command, char* reply, unsigned replySize);
    MediaError execute(const QString& command, QString& reply);

    void setVideoOutputFactory(VideoOutputFactory factory) { videoFactory_ = std::move(factory); }
    void setOpenTimeout(std::chrono::milliseconds timeout) { openTimeout_ = timeout; }

    int deviceCount() const { return static_cast<int>(devices_.size()); }

private:
    struct Device;

    MediaError open(const MediaCommand& command);
    Device* find(const QString& alias) const;

    std::map<QString, std::unique_ptr<Device>> devices_; // key: case-folded alias
    VideoOutputFactory videoFactory_;
    std::chrono::milliseconds openTimeout_{10000};
};

} // namespace radiane::media

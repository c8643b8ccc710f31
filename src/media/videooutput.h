#pragma once

#include <QString>
#include <functional>
#include <memory>

class QVideoSink;

namespace radiane::media {

// Where a video device shows its picture. The window layer provides the real
// one (a window of its own per device); the logic only knows this interface,
// so it never links Qt Widgets.
class VideoOutput {
public:
    virtual ~VideoOutput() = default;
    // The sink the player renders into; owned by the output.
    virtual QVideoSink* videoSink() = 0;
    // Called when playback starts: bring the picture into view.
    virtual void showPicture() = 0;
};

// Makes the output of a newly opened video device; filePath is the file it plays.
using VideoOutputFactory = std::function<std::unique_ptr<VideoOutput>(const QString& filePath)>;

} // namespace radiane::media

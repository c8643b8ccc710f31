#pragma once

#include "media/mediacommandinterpreter.h"
#include "media/videooutput.h"

#include <QVideoWidget>
#include <memory>

namespace radiane::media {

// The window of its own in which a video device shows its picture. It takes
// the size of the video, is titled with the file name, and closing it only
// hides it: the device stays open and the next play shows it again.
class VideoWindow : public QVideoWidget {
    Q_OBJECT
public:
    explicit VideoWindow(const QString& filePath);

private:
    void fitVideo();
};

// A video output whose picture goes to a new VideoWindow; the window is shown
// on play and destroyed with the output (when the device is closed).
std::unique_ptr<VideoOutput> makeVideoWindowOutput(const QString& filePath);

// Gives every video device opened from now on by interpreter a VideoWindow.
// Call once after the QApplication exists; by default it equips the
// process-wide interpreter that Mmedia talks to.
void installVideoWindows(MediaCommandInterpreter* interpreter = MediaCommandInterpreter::shared());

} // namespace radiane::media

#include "media/ui/videowindow.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>
#include <QVideoSink>

namespace radiane::media {

namespace {

class VideoWindowOutput : public VideoOutput {
public:
    explicit VideoWindowOutput(const QString& filePath) : window_(new VideoWindow(filePath)) {}

    ~VideoWindowOutput() override {
        // While the application object is being destroyed a widget can no longer be
        // deleted safely; the process is ending then, so the window is left to it.
        if (window_ && !QCoreApplication::closingDown())
            delete window_.data();
    }

    QVideoSink* videoSink() override { return window_ ? window_->videoSink() : nullptr; }

    void showPicture() override {
        if (!window_)
            return;
        window_->show();
        window_->raise();
    }

private:
    QPointer<VideoWindow> window_;
};

} // namespace

VideoWindow::VideoWindow(const QString& filePath) {
    setWindowTitle(QFileInfo(filePath).fileName());
    // A video left open must not keep the program running after its main window closes.
    setAttribute(Qt::WA_QuitOnClose, false);
    // Queued: the sink announces a new size while holding its own lock, so
    // asking it for the size from inside the signal would deadlock.
    connect(videoSink(), &QVideoSink::videoSizeChanged, this, &VideoWindow::fitVideo,
            Qt::QueuedConnection);
}

void VideoWindow::fitVideo() {
    const QSize size = videoSink()->videoSize();
    if (size.isValid() && !size.isEmpty())
        resize(size);
}

std::unique_ptr<VideoOutput> makeVideoWindowOutput(const QString& filePath) {
    return std::make_unique<VideoWindowOutput>(filePath);
}

void installVideoWindows(MediaCommandInterpreter* interpreter) {
    if (interpreter)
        interpreter->setVideoOutputFactory(makeVideoWindowOutput);
}

} // namespace radiane::media

#include "media/mmedia.h"
#include "media/ui/videowindow.h"

#include "mediafiles.h"
#include "support/tempprogramfolder.h"

#include <QApplication>
#include <QImage>
#include <QMediaPlayer>
#include <QPointer>
#include <QVideoFrame>
#include <QVideoSink>
#include <gtest/gtest.h>

using radiane::media::installVideoWindows;
using radiane::media::MediaCommandInterpreter;
using radiane::media::Mmedia;
using radiane::media::VideoWindow;
using radiane::test::TempProgramFolder;
using radiane::test::waitUntil;

namespace {

VideoWindow* videoWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<VideoWindow*>(widget))
            return window;
    return nullptr;
}

TEST(VideoWindow, VideoDeviceShowsItsPictureInAWindowOfItsOwn) {
    if (!QMediaPlayer().isAvailable())
        GTEST_SKIP() << "Qt Multimedia has no backend on this machine";
    TempProgramFolder folder;
    // Left half red, right half blue.
    folder.write("clip.avi", radiane::test::rawAvi(160, 120, 30, 10, [](int, int x, int) {
                     return x < 80 ? QColor(Qt::red) : QColor(Qt::blue);
                 }));
    MediaCommandInterpreter interpreter;
    installVideoWindows(&interpreter);
    Mmedia media([&](const char* command, char* reply, unsigned size,
                     std::uintptr_t) { return interpreter.send(command, reply, size); },
                 [] { return 4; });

    media.mmOpen(folder.file("clip.avi"));
    ASSERT_EQ(interpreter.deviceCount(), 1);
    EXPECT_NEAR(media.Length(), 3000.0f, 30.0f);
    VideoWindow* window = videoWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->isVisible()); // shown by play, not by open
    EXPECT_EQ(window->windowTitle(), "clip.avi");

    media.mmPlay();
    EXPECT_TRUE(window->isVisible());
    ASSERT_TRUE(waitUntil([&] { return window->videoSink()->videoFrame().isValid(); }, 3000));
    EXPECT_TRUE(waitUntil([&] { return window->size() == QSize(160, 120); }, 1000))
        << window->width() << "x" << window->height();
    const QImage frame = window->videoSink()->videoFrame().toImage();
    ASSERT_FALSE(frame.isNull());
    EXPECT_EQ(QColor(frame.pixel(20, 60)), QColor(Qt::red));
    EXPECT_EQ(QColor(frame.pixel(140, 60)), QColor(Qt::blue));

    // Closing the window only hides it; the device plays on.
    window->close();
    EXPECT_EQ(media.Status(), "playing");
    media.mmPlay();
    EXPECT_TRUE(window->isVisible());

    QPointer<VideoWindow> watched(window);
    media.mmClose();
    EXPECT_TRUE(watched.isNull());
    EXPECT_EQ(videoWindow(), nullptr);
}

TEST(VideoWindow, SoundDevicesGetNoWindow) {
    if (!QMediaPlayer().isAvailable())
        GTEST_SKIP() << "Qt Multimedia has no backend on this machine";
    TempProgramFolder folder;
    folder.write("tone.wav", radiane::test::toneWav(300));
    MediaCommandInterpreter interpreter;
    installVideoWindows(&interpreter);
    ASSERT_EQ(
        interpreter.send(("Open " + folder.file("tone.wav") + " ALIAS wav1 TYPE Waveaudio wait")
                             .toLocal8Bit()
                             .constData(),
                         nullptr, 0),
        0u);
    EXPECT_EQ(videoWindow(), nullptr);
}

} // namespace

// The interpreter on real files through Qt Multimedia. On Debian 12 the backend
// is GStreamer, on Debian 13 FFmpeg (the only one Debian builds for Qt 6.8);
// GStreamer's automatic audio sink falls back to a fake sink that still runs
// on the clock when there is no sound server and no sound card, so these tests
// play for real on a bare CI machine. They skip only when Qt has no multimedia
// backend at all.
#include "media/mediacommandinterpreter.h"
#include "media/mmedia.h"

#include "mediafiles.h"
#include "support/tempprogramfolder.h"

#include <QDir>
#include <QLibraryInfo>
#include <QMediaPlayer>
#include <QProcess>
#include <QVersionNumber>
#include <cstring>
#include <gtest/gtest.h>

using radiane::media::MediaCommandInterpreter;
using radiane::media::MediaError;
using radiane::media::Mmedia;
using radiane::test::TempProgramFolder;
using radiane::test::toneWav;
using radiane::test::waitUntil;

namespace {

constexpr unsigned kReplySize = 255;

struct Reply {
    MediaError error;
    std::string text;
};

// Sends like Mmedia does: a 255-byte buffer, here filled with junk first so a
// missing terminator would show.
Reply send(MediaCommandInterpreter& interpreter, const QString& command) {
    char buffer[kReplySize];
    std::memset(buffer, '#', sizeof buffer);
    const auto result = interpreter.send(command.toLocal8Bit().constData(), buffer, kReplySize);
    return {static_cast<MediaError>(result), std::string(buffer, ::strnlen(buffer, kReplySize))};
}

bool haveBackend() {
    return QMediaPlayer().isAvailable();
}

// Qt plays MIDI only through its GStreamer backend. From Qt 6.5 on, FFmpeg,
// which has no MIDI decoder, is preferred when both are there.
bool qtUsesGStreamer() {
    const QString chosen = qEnvironmentVariable("QT_MEDIA_BACKEND");
    if (!chosen.isEmpty())
        return chosen == u"gstreamer";
    const QDir plugins(QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                       QStringLiteral("/multimedia"));
    if (!plugins.exists(QStringLiteral("libgstreamermediaplugin.so")))
        return false;
    return QLibraryInfo::version() < QVersionNumber(6, 5) ||
           !plugins.exists(QStringLiteral("libffmpegmediaplugin.so"));
}

#define REQUIRE_BACKEND()                                                                          \
    if (!haveBackend())                                                                            \
    GTEST_SKIP() << "Qt Multimedia has no backend on this machine (no plugin under "               \
                    "qt6/plugins/multimedia)"

class InterpreterTest : public testing::Test {
protected:
    TempProgramFolder folder;
    MediaCommandInterpreter interpreter;

    QString writeTone(const QString& name, int milliseconds = 1500) {
        folder.write(name, toneWav(milliseconds));
        return folder.file(name);
    }
    QString quoted(const QString& path) { return QLatin1Char('"') + path + QLatin1Char('"'); }
    std::string mode(const QString& alias) {
        return send(interpreter, "status " + alias + " mode").text;
    }
};

struct RefusalCase {
    const char* name;
    const char* command;
    MediaError error;
};

class InterpreterRefusalTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(InterpreterRefusalTest, RefusesWithEmptyReply) {
    MediaCommandInterpreter interpreter;
    const Reply reply = send(interpreter, GetParam().command);
    EXPECT_EQ(reply.error, GetParam().error);
    EXPECT_EQ(reply.text, "");
    EXPECT_EQ(interpreter.deviceCount(), 0);
}

// Parser refusals are passed on as they are (see mediacommandparser_test).
const RefusalCase kRefusals[] = {
    {"Garbage", "\"", MediaError::UnrecognizedCommand},
    {"NoSuchAlias", "status wav7 mode", MediaError::UnknownAlias},
    {"PlayNoSuchAlias", "Play wav7", MediaError::UnknownAlias},
    {"CloseAll", "close all", MediaError::UnknownAlias},
    {"MissingFile", "Open /nonexistent/a.wav ALIAS wav7 TYPE Waveaudio wait",
     MediaError::FileNotFound},
    {"FolderIsNoFile", "Open /tmp ALIAS wav7 TYPE Waveaudio wait", MediaError::FileNotFound},
    {"OtherDeviceType", "Open /tmp/a.mp3 ALIAS mp37 TYPE MPEGVideo wait",
     MediaError::UnsupportedDeviceType},
};

INSTANTIATE_TEST_SUITE_P(Cases, InterpreterRefusalTest, testing::ValuesIn(kRefusals),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(InterpreterTest, NullCommandAndZeroSizedBufferAreSafe) {
    EXPECT_NE(interpreter.send(nullptr, nullptr, 0), 0u);
    char empty[1] = {0};
    EXPECT_EQ(interpreter.send("status x mode", empty, 0),
              static_cast<std::uint32_t>(MediaError::UnknownAlias));
}

TEST_F(InterpreterTest, OpensPlaysStopsAndClosesAWaveFile) {
    REQUIRE_BACKEND();
    const QString path = writeTone("tone.wav");

    Reply open = send(interpreter, "Open " + path + " ALIAS wav7 TYPE Waveaudio wait");
    ASSERT_EQ(open.error, MediaError::None);
    EXPECT_EQ(open.text, "");
    EXPECT_EQ(interpreter.deviceCount(), 1);

    const Reply length = send(interpreter, "Status wav7 length");
    ASSERT_EQ(length.error, MediaError::None);
    EXPECT_NEAR(std::stoi(length.text), 1500, 30) << length.text;
    EXPECT_EQ(mode("wav7"), "stopped");

    EXPECT_EQ(send(interpreter, "Play wav7").error, MediaError::None);
    EXPECT_TRUE(waitUntil([&] { return mode("wav7") == "playing"; }, 3000)) << mode("wav7");

    EXPECT_EQ(send(interpreter, "Stop wav7").error, MediaError::None);
    EXPECT_EQ(mode("wav7"), "stopped");

    EXPECT_EQ(send(interpreter, "Close wav7").error, MediaError::None);
    EXPECT_EQ(interpreter.deviceCount(), 0);
    EXPECT_EQ(send(interpreter, "Status wav7 mode").error, MediaError::UnknownAlias);
}

TEST_F(InterpreterTest, PlaybackRunsToTheEndAndCanStartAgain) {
    REQUIRE_BACKEND();
    const QString path = writeTone("short.wav", 400);
    ASSERT_EQ(send(interpreter, "Open " + path + " ALIAS wav1 TYPE Waveaudio wait").error,
              MediaError::None);
    ASSERT_EQ(send(interpreter, "Play wav1").error, MediaError::None);
    ASSERT_TRUE(waitUntil([&] { return mode("wav1") == "playing"; }, 3000));
    EXPECT_TRUE(waitUntil([&] { return mode("wav1") == "stopped"; }, 5000)) << mode("wav1");
    ASSERT_EQ(send(interpreter, "Play wav1").error, MediaError::None);
    EXPECT_TRUE(waitUntil([&] { return mode("wav1") == "playing"; }, 3000)) << mode("wav1");
}

TEST_F(InterpreterTest, AliasesMatchWithoutRegardToCase) {
    REQUIRE_BACKEND();
    const QString path = writeTone("a b.wav");
    ASSERT_EQ(send(interpreter, "open " + quoted(path) + " alias Wav7 type waveaudio wait").error,
              MediaError::None);
    EXPECT_EQ(mode("WAV7"), "stopped");
    EXPECT_EQ(send(interpreter, "Open " + quoted(path) + " ALIAS wav7 TYPE Waveaudio wait").error,
              MediaError::DuplicateAlias);
    EXPECT_EQ(interpreter.deviceCount(), 1);
    // Two devices side by side under different aliases.
    ASSERT_EQ(send(interpreter, "Open " + quoted(path) + " ALIAS wav8 TYPE Waveaudio wait").error,
              MediaError::None);
    EXPECT_EQ(interpreter.deviceCount(), 2);
    EXPECT_EQ(send(interpreter, "close wav7").error, MediaError::None);
    EXPECT_EQ(mode("wav8"), "stopped");
    // The alias is free again after the close.
    EXPECT_EQ(send(interpreter, "Open " + quoted(path) + " ALIAS WAV7 TYPE Waveaudio wait").error,
              MediaError::None);
}

TEST_F(InterpreterTest, FileTheBackendCannotReadIsRefusedAndNotKept) {
    REQUIRE_BACKEND();
    folder.write("noise.wav", QByteArray(4000, '\x5a'));
    const Reply open =
        send(interpreter, "Open " + folder.file("noise.wav") + " ALIAS wav7 TYPE Waveaudio wait");
    EXPECT_EQ(open.error, MediaError::CannotLoad);
    EXPECT_EQ(interpreter.deviceCount(), 0);
    EXPECT_EQ(send(interpreter, "Status wav7 length").error, MediaError::UnknownAlias);
}

TEST_F(InterpreterTest, OpenThatRunsOutOfTimeIsRefusedAndNotKept) {
    REQUIRE_BACKEND();
    const QString path = writeTone("tone.wav");
    interpreter.setOpenTimeout(std::chrono::milliseconds(0));
    EXPECT_EQ(send(interpreter, "Open " + path + " ALIAS wav7 TYPE Waveaudio wait").error,
              MediaError::LoadTimeout);
    EXPECT_EQ(interpreter.deviceCount(), 0);
    interpreter.setOpenTimeout(std::chrono::milliseconds(10000));
    EXPECT_EQ(send(interpreter, "Open " + path + " ALIAS wav7 TYPE Waveaudio wait").error,
              MediaError::None);
}

// MIDI takes GStreamer's MIDI parser and FluidSynth decoder with a sound font
// (scripts/install-deps); without them the open is refused.
TEST_F(InterpreterTest, MidiFilePlaysToTheEnd) {
    REQUIRE_BACKEND();
    if (!qtUsesGStreamer())
        GTEST_SKIP() << "Qt Multimedia plays through FFmpeg here, which has no MIDI decoder";
    for (const char* element : {"midiparse", "fluiddec"})
        if (QProcess::execute(QStringLiteral("gst-inspect-1.0"),
                              {QStringLiteral("--exists"), QString::fromLatin1(element)}) != 0)
            GTEST_SKIP() << "GStreamer has no " << element << " here, so no MIDI decoder "
                         << "(gstreamer1.0-plugins-bad, fluid-soundfont-gm, gstreamer1.0-tools)";
    // One track: note on, a quarter (half a second) later note off, end of track.
    folder.write("tune.mid", QByteArray("MThd\0\0\0\6\0\0\0\1\0\x60"
                                        "MTrk\0\0\0\x0c\0\x90\x3c\x40\x60\x80\x3c\x40\0\xff\x2f\0",
                                        34));
    ASSERT_EQ(
        send(interpreter, "Open " + folder.file("tune.mid") + " ALIAS mid7 TYPE Sequencer wait")
            .error,
        MediaError::None);
    EXPECT_GT(std::stoi(send(interpreter, "Status mid7 length").text), 0);
    EXPECT_EQ(mode("mid7"), "stopped");
    ASSERT_EQ(send(interpreter, "Play mid7").error, MediaError::None);
    ASSERT_TRUE(waitUntil([&] { return mode("mid7") == "playing"; }, 3000)) << mode("mid7");
    EXPECT_TRUE(waitUntil([&] { return mode("mid7") == "stopped"; }, 5000)) << mode("mid7");
}

TEST_F(InterpreterTest, OpenWithoutWaitReturnsBeforeTheFileIsLoaded) {
    REQUIRE_BACKEND();
    const QString path = writeTone("tone.wav");
    ASSERT_EQ(send(interpreter, "Open " + path + " ALIAS wav7 TYPE Waveaudio").error,
              MediaError::None);
    EXPECT_EQ(mode("wav7"), "not ready");
    EXPECT_EQ(send(interpreter, "Status wav7 length").text, "0");
    EXPECT_TRUE(waitUntil([&] { return mode("wav7") == "stopped"; }, 5000));
    EXPECT_NEAR(std::stoi(send(interpreter, "Status wav7 length").text), 1500, 30);
}

TEST_F(InterpreterTest, ReplyThatDoesNotFitIsRefused) {
    REQUIRE_BACKEND();
    const QString path = writeTone("tone.wav");
    ASSERT_EQ(send(interpreter, "Open " + path + " ALIAS wav7 TYPE Waveaudio wait").error,
              MediaError::None);
    char small[4];
    std::memset(small, '#', sizeof small);
    EXPECT_EQ(interpreter.send("status wav7 mode", small, sizeof small),
              static_cast<std::uint32_t>(MediaError::ReplyTooSmall));
    EXPECT_EQ(small[0], '\0');
}

TEST(MmediaOverInterpreter, PlaysAToneInAChineseFolderWithABlank) {
    REQUIRE_BACKEND();
    TempProgramFolder folder;
    folder.write(QStringLiteral("my 声音/tone.wav"), toneWav(1500));
    Mmedia media; // the process-wide interpreter
    media.mmOpen(folder.file(QStringLiteral("my 声音/tone.wav")));
    EXPECT_NEAR(media.Length(), 1500.0f, 30.0f);
    EXPECT_EQ(media.Status(), "stopped");
    media.mmPlay();
    EXPECT_TRUE(waitUntil([&] { return media.Status() == "playing"; }, 3000))
        << media.Status().toStdString();
    media.mmStop();
    EXPECT_EQ(media.Status(), "stopped");
    media.mmClose();
    EXPECT_EQ(MediaCommandInterpreter::shared()->deviceCount(), 0);
    EXPECT_EQ(media.Status(), "");
}

} // namespace

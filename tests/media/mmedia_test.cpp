#include "media/mmedia.h"

#include <QByteArray>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using radiane::media::MediaCommandFunction;
using radiane::media::Mmedia;

namespace {

struct Sent {
    std::string command;
    unsigned replySize;
    bool replyZeroed; // every byte of the reply buffer was 0 when it arrived
    std::uintptr_t handle;
};

// Records every command the object sends and answers status queries with a
// canned reply.
class Recorder {
public:
    QByteArray reply;
    std::vector<Sent> sent;

    MediaCommandFunction function() {
        return [this](const char* command, char* buffer, unsigned size, std::uintptr_t handle) {
            bool zeroed = true;
            for (unsigned i = 0; i < size; ++i)
                zeroed = zeroed && buffer[i] == 0;
            if (size == 0)
                zeroed = buffer[0] == 0; // the empty string passed with size 0
            sent.push_back({command, size, zeroed, handle});
            if (size > 0)
                std::memcpy(buffer, reply.constData(),
                            std::min<size_t>(size, static_cast<size_t>(reply.size())));
            return 0u;
        };
    }
    std::vector<std::string> commands() const {
        std::vector<std::string> out;
        for (const Sent& s : sent)
            out.push_back(s.command);
        return out;
    }
};

class MmediaTest : public testing::Test {
protected:
    Recorder recorder;
    int minute = 7;
    Mmedia media{recorder.function(), [this] { return minute; }};
};

using Commands = std::vector<std::string>;

// The device type comes from the upper-cased extension, the alias keeps its case.
struct ExtensionCase {
    const char* name;
    const char* path;
    int minute;
    const char* command; // nullptr: nothing sent
};

class MmediaExtensionTest : public testing::TestWithParam<ExtensionCase> {};

TEST_P(MmediaExtensionTest, ChoosesDeviceTypeAndAlias) {
    const ExtensionCase& c = GetParam();
    Recorder recorder;
    Mmedia media(recorder.function(), [&] { return c.minute; });
    media.mmOpen(QString::fromUtf8(c.path));
    if (c.command) {
        EXPECT_EQ(recorder.commands(), Commands{c.command});
        EXPECT_EQ(media.Filename(), QString::fromUtf8(c.path));
    } else {
        EXPECT_TRUE(recorder.commands().empty());
        EXPECT_FALSE(media.isOpen());
        EXPECT_EQ(media.Filename(), "");
    }
}

const ExtensionCase kExtensions[] = {
    {"LowerCaseWav", "a.wav", 5, "Open a.wav ALIAS wav5 TYPE Waveaudio wait"},
    {"MinuteZeroHasNoPadding", "a.wav", 0, "Open a.wav ALIAS wav0 TYPE Waveaudio wait"},
    {"MixedCaseAvi", "clip.aVi", 59, "Open clip.aVi ALIAS aVi59 TYPE AviVideo wait"},
    {"UpperCaseMid", "B.MID", 3, "Open B.MID ALIAS MID3 TYPE Sequencer wait"},
    {"NoDotNeeded", "xwav", 1, "Open xwav ALIAS wav1 TYPE Waveaudio wait"},
    {"ChineseName", "声音.wav", 9, "Open 声音.wav ALIAS wav9 TYPE Waveaudio wait"},
    // The path is quoted, the alias comes from the unquoted name.
    {"PathWithBlank", "/home/my sounds/Ding.WAV", 7,
     "Open \"/home/my sounds/Ding.WAV\" ALIAS WAV7 TYPE Waveaudio wait"},
    {"Mp3", "song.mp3", 7, nullptr},
    {"LongExtensionEndsOtherwise", "page.wave", 7, nullptr},
    {"ShorterThanThree", "av", 7, nullptr},
    {"Empty", "", 7, nullptr},
};

INSTANTIATE_TEST_SUITE_P(Cases, MmediaExtensionTest, testing::ValuesIn(kExtensions),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(MmediaTest, UnsupportedFileClosesThePreviousOneAndOpensNothing) {
    media.mmOpen("a.wav");
    recorder.sent.clear();
    media.mmOpen("song.mp3");
    EXPECT_EQ(recorder.commands(), Commands{"Close wav7"});
    recorder.sent.clear();
    EXPECT_EQ(media.Status(), "");
    EXPECT_EQ(media.Filename(), "");
    EXPECT_TRUE(recorder.commands().empty());
}

TEST_F(MmediaTest, OpeningAgainClosesFirstThenOpensUnderTheNewMinute) {
    media.mmOpen("a.wav");
    minute = 8;
    media.setFilename("b.avi");
    EXPECT_EQ(recorder.commands(),
              (Commands{"Open a.wav ALIAS wav7 TYPE Waveaudio wait", "Close wav7",
                        "Open b.avi ALIAS avi8 TYPE AviVideo wait"}));
    EXPECT_EQ(media.Filename(), "b.avi");
}

TEST_F(MmediaTest, ClosedObjectSendsNothing) {
    // Never opened, then opened and closed again.
    for (int round = 0; round < 2; ++round) {
        recorder.sent.clear();
        media.mmPlay();
        media.mmStop();
        media.mmClose();
        EXPECT_EQ(media.Length(), 0.0f);
        EXPECT_EQ(media.Status(), "");
        EXPECT_EQ(media.Filename(), "");
        EXPECT_TRUE(recorder.commands().empty());
        media.mmOpen("a.wav");
        media.mmClose();
    }
}

TEST_F(MmediaTest, OpenObjectSendsEachCommandByAlias) {
    media.mmOpen("a.wav");
    EXPECT_TRUE(media.isOpen());
    media.mmPlay();
    media.mmStop();
    recorder.reply = "1500";
    EXPECT_EQ(media.Length(), 1500.0f);
    recorder.reply = "stopped";
    EXPECT_EQ(media.Status(), "stopped");
    media.mmClose();
    EXPECT_EQ(recorder.commands(),
              (Commands{"Open a.wav ALIAS wav7 TYPE Waveaudio wait", "Play wav7", "Stop wav7",
                        "Status wav7 length", "Status wav7 mode", "Close wav7"}));
    // Queries get a zeroed 255-byte buffer, the others an empty one of size 0.
    const std::vector<unsigned> sizes{0, 0, 0, 255, 255, 0};
    for (size_t i = 0; i < sizes.size(); ++i) {
        EXPECT_EQ(recorder.sent[i].replySize, sizes[i]) << recorder.sent[i].command;
        EXPECT_TRUE(recorder.sent[i].replyZeroed) << recorder.sent[i].command;
        EXPECT_EQ(recorder.sent[i].handle, 0u);
    }
    EXPECT_FALSE(media.isOpen());
    EXPECT_EQ(media.Filename(), "");
}

TEST_F(MmediaTest, StatusIsTheReplyUpToItsFirstNul) {
    media.mmOpen("a.wav");
    recorder.reply = QByteArray("playing\0junk", 12);
    EXPECT_EQ(media.Status(), "playing");
    recorder.reply = "";
    EXPECT_EQ(media.Status(), "");
    // A reply that fills the whole buffer without a NUL is cut at the buffer's end.
    recorder.reply = QByteArray(300, 'x');
    EXPECT_EQ(media.Status(), QString(255, QLatin1Char('x')));
}

struct LengthCase {
    const char* name;
    QByteArray reply;
    float length;
};

class MmediaLengthTest : public testing::TestWithParam<LengthCase> {};

TEST_P(MmediaLengthTest, IsTheLeadingNumberOfTheReply) {
    const LengthCase& c = GetParam();
    Recorder recorder;
    recorder.reply = c.reply;
    Mmedia media(recorder.function(), [] { return 7; });
    media.mmOpen("a.wav");
    EXPECT_EQ(media.Length(), c.length);
}

const LengthCase kLengths[] = {
    {"Digits", "1500", 1500.0f},
    {"Empty", "", 0.0f},
    {"Zero", "0", 0.0f},
    {"Fraction", "12.5", 12.5f},
    {"TrailingText", "250 ms", 250.0f},
    {"LeadingBlanks", "  42", 42.0f},
    {"Negative", "-3", -3.0f},
    {"Exponent", "2e3", 2000.0f},
    {"ExponentWithoutDigits", "2e", 2.0f},
    {"Words", "not ready", 0.0f},
    {"DotOnly", ".", 0.0f},
    {"StopsAtNul",
     QByteArray("12\0"
                "34",
                5),
     12.0f},
    {"LargeWholeNumber", "3600000", 3600000.0f},
    {"HexIsNoNumber", "0x10", 0.0f},
    {"InfinityIsNoNumber", "inf", 0.0f},
    {"PlusAndLeadingPoint", "+.5", 0.5f},
};

INSTANTIATE_TEST_SUITE_P(Cases, MmediaLengthTest, testing::ValuesIn(kLengths),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(MmediaDefault, WithoutInjectedFunctionSendsToTheInterpreter) {
    // The default object talks to the process-wide interpreter; a missing file is
    // refused there, so the object is open but every query is empty.
    Mmedia media;
    media.mmOpen("/nonexistent/radiane-test.wav");
    EXPECT_TRUE(media.isOpen());
    EXPECT_EQ(media.Status(), "");
    EXPECT_EQ(media.Length(), 0.0f);
    media.mmClose();
    EXPECT_FALSE(media.isOpen());
}

} // namespace

#include "media/mediacommandparser.h"

#include <gtest/gtest.h>
#include <string>

using radiane::media::DeviceType;
using radiane::media::MediaCommand;
using radiane::media::MediaError;
using radiane::media::parseMediaCommand;
using Verb = radiane::media::MediaCommand::Verb;

namespace {

struct AcceptCase {
    const char* name;
    const char* text;
    Verb verb;
    const char* alias;
    const char* path = "";
    DeviceType type = DeviceType::Waveaudio;
    bool wait = false;
};

class ParserAcceptTest : public testing::TestWithParam<AcceptCase> {};

TEST_P(ParserAcceptTest, Parses) {
    const AcceptCase& c = GetParam();
    const auto parsed = parseMediaCommand(QString::fromUtf8(c.text));
    ASSERT_TRUE(std::holds_alternative<MediaCommand>(parsed))
        << "refused with " << static_cast<int>(std::get<MediaError>(parsed));
    const MediaCommand& command = std::get<MediaCommand>(parsed);
    EXPECT_EQ(command.verb, c.verb);
    EXPECT_EQ(command.alias, QString::fromUtf8(c.alias));
    EXPECT_EQ(command.path, QString::fromUtf8(c.path));
    if (c.verb == Verb::Open) {
        EXPECT_EQ(command.type, c.type);
        EXPECT_EQ(command.wait, c.wait);
    }
}

const AcceptCase kAccepted[] = {
    {"OpenAsSent", "Open /a/b.wav ALIAS wav7 TYPE Waveaudio wait", Verb::Open, "wav7", "/a/b.wav",
     DeviceType::Waveaudio, true},
    {"OpenQuotedPath", "Open \"/my files/b c.avi\" ALIAS avi12 TYPE AviVideo wait", Verb::Open,
     "avi12", "/my files/b c.avi", DeviceType::AviVideo, true},
    {"OpenSequencerLowerCase", "open t.mid alias mid0 type sequencer", Verb::Open, "mid0", "t.mid",
     DeviceType::Sequencer, false},
    {"OpenOptionsInAnyOrder", "OPEN x.wav wait type WAVEAUDIO alias A", Verb::Open, "A", "x.wav",
     DeviceType::Waveaudio, true},
    {"OpenChinesePath", "Open /音/声.wav ALIAS wav1 TYPE Waveaudio wait", Verb::Open, "wav1",
     "/音/声.wav", DeviceType::Waveaudio, true},
    {"ExtraBlanksAndTabs", "  Play \t wav7  ", Verb::Play, "wav7"},
    {"Stop", "Stop wav7", Verb::Stop, "wav7"},
    {"Close", "close WAV7", Verb::Close, "WAV7"},
    {"StatusLength", "Status wav7 length", Verb::StatusLength, "wav7"},
    {"StatusModeUpperCase", "STATUS wav7 MODE", Verb::StatusMode, "wav7"},
    {"QuotedAlias", "Play \"my alias\"", Verb::Play, "my alias"},
};

INSTANTIATE_TEST_SUITE_P(Cases, ParserAcceptTest, testing::ValuesIn(kAccepted),
                         [](const auto& param) { return std::string(param.param.name); });

struct RefuseCase {
    const char* name;
    const char* text;
    MediaError error;
};

class ParserRefuseTest : public testing::TestWithParam<RefuseCase> {};

TEST_P(ParserRefuseTest, Refuses) {
    const RefuseCase& c = GetParam();
    const auto parsed = parseMediaCommand(QString::fromUtf8(c.text));
    ASSERT_TRUE(std::holds_alternative<MediaError>(parsed));
    EXPECT_EQ(std::get<MediaError>(parsed), c.error);
}

const RefuseCase kRefused[] = {
    {"Empty", "", MediaError::UnrecognizedCommand},
    {"Blanks", "   ", MediaError::UnrecognizedCommand},
    {"UnknownVerb", "Pause wav7", MediaError::UnrecognizedCommand},
    {"Seek", "Seek wav7 to start", MediaError::UnrecognizedCommand},
    {"PlayWithOptions", "Play wav7 from 0", MediaError::UnrecognizedCommand},
    {"PlayWithoutAlias", "Play", MediaError::MissingParameter},
    {"StatusOtherItem", "Status wav7 position", MediaError::UnrecognizedCommand},
    {"StatusWithoutItem", "Status wav7", MediaError::MissingParameter},
    {"StatusExtraWord", "Status wav7 mode now", MediaError::UnrecognizedCommand},
    {"OpenWithoutPath", "Open", MediaError::MissingParameter},
    {"OpenEmptyQuotedPath", "Open \"\" ALIAS a TYPE waveaudio", MediaError::MissingParameter},
    {"OpenWithoutAlias", "Open a.wav TYPE Waveaudio wait", MediaError::MissingParameter},
    {"OpenWithoutType", "Open a.wav ALIAS a wait", MediaError::MissingParameter},
    {"OpenAliasWithoutName", "Open a.wav TYPE Waveaudio ALIAS", MediaError::MissingParameter},
    {"OpenOtherType", "Open a.mp3 ALIAS mp37 TYPE mpegvideo wait",
     MediaError::UnsupportedDeviceType},
    {"OpenUnknownOption", "Open a.wav ALIAS a TYPE waveaudio shareable",
     MediaError::UnrecognizedCommand},
    {"OpenAliasTwice", "Open a.wav ALIAS a ALIAS b TYPE waveaudio",
     MediaError::UnrecognizedCommand},
    {"UnquotedPathWithBlank", "Open /my files/a.wav ALIAS a TYPE waveaudio",
     MediaError::UnrecognizedCommand},
    {"UnclosedQuote", "Open \"/a b.wav ALIAS a TYPE waveaudio", MediaError::UnrecognizedCommand},
    {"QuoteRunsIntoWord", "Open \"/a b\".wav ALIAS a TYPE waveaudio",
     MediaError::UnrecognizedCommand},
};

INSTANTIATE_TEST_SUITE_P(Cases, ParserRefuseTest, testing::ValuesIn(kRefused),
                         [](const auto& param) { return std::string(param.param.name); });

} // namespace

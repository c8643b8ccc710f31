#pragma once

#include "media/mediacommand.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

namespace radiane::media {

enum class DeviceType { Waveaudio, AviVideo, Sequencer };

// One command of the media command-string language, as far as we speak it:
//   open <path> alias <alias> type waveaudio|avivideo|sequencer [wait]
//   play <alias> | stop <alias> | close <alias>
//   status <alias> length | status <alias> mode
// Verbs and keywords are case-insensitive; the options of open may come in any
// order after the path; a word in double quotes may hold blanks.
struct MediaCommand {
    enum class Verb { Open, Play, Stop, Close, StatusLength, StatusMode };
    Verb verb = Verb::Play;
    QString alias;
    QString path;                            // open only
    DeviceType type = DeviceType::Waveaudio; // open only
    bool wait = false;                       // open only
};

// Splits a command into words at blanks and tabs; a word that begins with a
// double quote runs to the next one (quotes dropped). Empty on an unclosed
// quote or a quote followed by anything but a blank.
std::optional<QStringList> splitMediaCommand(const QString& command);

std::variant<MediaCommand, MediaError> parseMediaCommand(const QString& command);

} // namespace radiane::media

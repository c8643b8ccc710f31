#include "media/mediacommandparser.h"

namespace radiane::media {

namespace {

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

bool is(const QString& word, const char* keyword) {
    return word.compare(QLatin1String(keyword), Qt::CaseInsensitive) == 0;
}

std::optional<DeviceType> deviceType(const QString& word) {
    if (is(word, "waveaudio"))
        return DeviceType::Waveaudio;
    if (is(word, "avivideo"))
        return DeviceType::AviVideo;
    if (is(word, "sequencer"))
        return DeviceType::Sequencer;
    return std::nullopt;
}

std::variant<MediaCommand, MediaError> parseOpen(const QStringList& words) {
    if (words.size() < 2 || words[1].isEmpty())
        return MediaError::MissingParameter;
    MediaCommand command;
    command.verb = MediaCommand::Verb::Open;
    command.path = words[1];
    bool haveAlias = false;
    bool haveType = false;
    for (qsizetype i = 2; i < words.size(); ++i) {
        const QString& word = words[i];
        if (is(word, "wait") && !command.wait) {
            command.wait = true;
        } else if (is(word, "alias") && !haveAlias) {
            if (++i >= words.size() || words[i].isEmpty())
                return MediaError::MissingParameter;
            command.alias = words[i];
            haveAlias = true;
        } else if (is(word, "type") && !haveType) {
            if (++i >= words.size())
                return MediaError::MissingParameter;
            const auto type = deviceType(words[i]);
            if (!type)
                return MediaError::UnsupportedDeviceType;
            command.type = *type;
            haveType = true;
        } else {
            return MediaError::UnrecognizedCommand;
        }
    }
    // Devices are only ever addressed by alias, and the type is never guessed.
    if (!haveAlias || !haveType)
        return MediaError::MissingParameter;
    return command;
}

} // namespace

std::optional<QStringList> splitMediaCommand(const QString& command) {
    QStringList words;
    qsizetype i = 0;
    const qsizetype n = command.size();
    while (true) {
        while (i < n && isBlank(command[i]))
            ++i;
        if (i >= n)
            break;
        if (command[i] == QLatin1Char('"')) {
            const qsizetype close = command.indexOf(QLatin1Char('"'), i + 1);
            if (close < 0)
                return std::nullopt;
            if (close + 1 < n && !isBlank(command[close + 1]))
                return std::nullopt;
            words.append(command.mid(i + 1, close - i - 1));
            i = close + 1;
        } else {
            const qsizetype start = i;
            while (i < n && !isBlank(command[i]))
                ++i;
            words.append(command.mid(start, i - start));
        }
    }
    return words;
}

std::variant<MediaCommand, MediaError> parseMediaCommand(const QString& command) {
    const auto split = splitMediaCommand(command);
    if (!split || split->isEmpty())
        return MediaError::UnrecognizedCommand;
    const QStringList& words = *split;
    const QString& verb = words[0];

    if (is(verb, "open"))
        return parseOpen(words);

    MediaCommand result;
    if (is(verb, "play") || is(verb, "stop") || is(verb, "close")) {
        if (words.size() != 2)
            return words.size() < 2 ? MediaError::MissingParameter
                                    : MediaError::UnrecognizedCommand;
        result.verb = is(verb, "play")   ? MediaCommand::Verb::Play
                      : is(verb, "stop") ? MediaCommand::Verb::Stop
                                         : MediaCommand::Verb::Close;
        result.alias = words[1];
        return result;
    }
    if (is(verb, "status")) {
        if (words.size() < 3)
            return MediaError::MissingParameter;
        if (words.size() > 3)
            return MediaError::UnrecognizedCommand;
        if (is(words[2], "length"))
            result.verb = MediaCommand::Verb::StatusLength;
        else if (is(words[2], "mode"))
            result.verb = MediaCommand::Verb::StatusMode;
        else
            return MediaError::UnrecognizedCommand;
        result.alias = words[1];
        return result;
    }
    return MediaError::UnrecognizedCommand;
}

} // namespace radiane::media

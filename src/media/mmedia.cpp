#include "media/mmedia.h"

#include <QTime>
#include <array>
#include <cstring>
#include <utility>

namespace radiane::media {

namespace {

// Reply buffer of the two status queries.
constexpr unsigned kReplySize = 255;

QString deviceTypeFor(const QString& extension) {
    const QString upper = extension.toUpper();
    if (upper == QLatin1String("WAV"))
        return QStringLiteral("Waveaudio");
    if (upper == QLatin1String("AVI"))
        return QStringLiteral("AviVideo");
    if (upper == QLatin1String("MID"))
        return QStringLiteral("Sequencer");
    return {};
}

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

int localMinute() {
    return QTime::currentTime().minute();
}

double leadingNumber(const QString& text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    const qsizetype start = i;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    qsizetype digits = 0;
    for (; i < n && isDigit(text[i]); ++i)
        ++digits;
    if (i < n && text[i] == QLatin1Char('.')) {
        ++i;
        for (; i < n && isDigit(text[i]); ++i)
            ++digits;
    }
    if (digits == 0)
        return 0.0;
    // An exponent counts only when at least one digit follows it.
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        if (j < n && (text[j] == QLatin1Char('+') || text[j] == QLatin1Char('-')))
            ++j;
        if (j < n && isDigit(text[j])) {
            while (j < n && isDigit(text[j]))
                ++j;
            i = j;
        }
    }
    bool ok = false;
    const double value = text.mid(start, i - start).toDouble(&ok);
    return ok ? value : 0.0;
}

Mmedia::Mmedia(MediaCommandFunction send, MinuteClock minute)
    : send_(std::move(send)), minute_(std::move(minute)) {}

void Mmedia::mmOpen(const QString& sTheFile) {
    // Closing comes first, so an unsupported file still closes the previous one.
    if (isOpen())
        mmClose();

    const QString extension = sTheFile.right(3);
    const QString type = deviceTypeFor(extension);
    if (type.isEmpty())
        return;

    alias_ = extension + QString::number(minute_());
    fileName_ = sTheFile;
    const QString path = sTheFile.contains(QLatin1Char(' '))
                             ? QLatin1Char('"') + sTheFile + QLatin1Char('"')
                             : sTheFile;
    // The object counts as open even if the device refuses the file.
    sendCommand(QStringLiteral("Open ") + path + QStringLiteral(" ALIAS ") + alias_ +
                QStringLiteral(" TYPE ") + type + QStringLiteral(" wait"));
}

void Mmedia::mmClose() {
    if (!isOpen())
        return;
    sendCommand(QStringLiteral("Close ") + alias_);
    alias_.clear();
    fileName_.clear();
}

void Mmedia::mmPlay() {
    if (isOpen())
        sendCommand(QStringLiteral("Play ") + alias_);
}

void Mmedia::mmStop() {
    if (isOpen())
        sendCommand(QStringLiteral("Stop ") + alias_);
}

float Mmedia::Length() {
    if (!isOpen())
        return 0.0f;
    return static_cast<float>(
        leadingNumber(query(QStringLiteral("Status ") + alias_ + QStringLiteral(" length"))));
}

QString Mmedia::Status() {
    if (!isOpen())
        return {};
    return query(QStringLiteral("Status ") + alias_ + QStringLiteral(" mode"));
}

void Mmedia::sendCommand(const QString& command) {
    // Commands without a reply get an empty buffer of size 0; the result is ignored.
    char empty[1] = {0};
    send_(command.toLocal8Bit().constData(), empty, 0, 0);
}

QString Mmedia::query(const QString& command) {
    std::array<char, kReplySize> reply{};
    send_(command.toLocal8Bit().constData(), reply.data(), kReplySize, 0);
    // The reply ends at its first NUL; a function that fills the whole buffer
    // without one is cut at the buffer's end rather than read past it.
    const auto length = ::strnlen(reply.data(), reply.size());
    return QString::fromLocal8Bit(reply.data(), static_cast<qsizetype>(length));
}

} // namespace radiane::media

#include "mediafiles.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <QtEndian>
#include <cmath>
#include <numbers>

namespace radiane::test {

namespace {

void put16(QByteArray& out, quint16 v) {
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

// Little-endian 32-bit values, one after the other.
void put32(QByteArray& out, std::initializer_list<quint32> values) {
    for (const quint32 v : values) {
        char b[4];
        qToLittleEndian(v, b);
        out.append(b, 4);
    }
}

// A RIFF chunk: four-character id, little-endian size, data, padded to even length.
QByteArray chunk(const char* id, const QByteArray& data) {
    QByteArray out(id, 4);
    put32(out, {static_cast<quint32>(data.size())});
    out += data;
    if (data.size() % 2)
        out.append('\0');
    return out;
}

QByteArray list(const char* type, const QByteArray& data) {
    return chunk("LIST", QByteArray(type, 4) + data);
}

} // namespace

QByteArray toneWav(int milliseconds, int sampleRate, double frequency) {
    const int samples = static_cast<int>(static_cast<qint64>(sampleRate) * milliseconds / 1000);
    QByteArray format;
    put16(format, 1); // PCM
    put16(format, 1); // mono
    put32(format, {static_cast<quint32>(sampleRate), static_cast<quint32>(sampleRate * 2)});
    put16(format, 2);  // block align
    put16(format, 16); // bits per sample
    QByteArray data;
    data.reserve(samples * 2);
    for (int i = 0; i < samples; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        put16(data, static_cast<quint16>(static_cast<qint16>(
                        std::lround(8000.0 * std::sin(2.0 * std::numbers::pi * frequency * t)))));
    }
    return chunk("RIFF", QByteArray("WAVE", 4) + chunk("fmt ", format) + chunk("data", data));
}

QByteArray rawAvi(int width, int height, int frames, int framesPerSecond,
                  const std::function<QColor(int frame, int x, int y)>& colorOf) {
    const int stride = (width * 3 + 3) & ~3;
    const quint32 frameBytes = static_cast<quint32>(stride * height);

    const auto w = static_cast<quint32>(width), h = static_cast<quint32>(height);
    const auto n = static_cast<quint32>(frames), fps = static_cast<quint32>(framesPerSecond);
    QByteArray avih; // microseconds per frame, bytes per second, 0, has index, frames, 0,
                     // streams, buffer size, width, height, reserved
    put32(avih, {1000000 / fps, frameBytes * fps, 0, 0x10, n, 0, 1, frameBytes, w, h, 0, 0, 0, 0});

    QByteArray strh("vidsDIB ", 8); // flags, priority and language, initial frames, scale,
                                    // rate, start, length, buffer size, default quality,
                                    // sample size, frame rectangle
    put32(strh, {0, 0, 0, 1, fps, 0, n, frameBytes, 0xFFFFFFFFu, 0, 0, w | h << 16});

    QByteArray strf; // BITMAPINFOHEADER of 24-bit bottom-up rows, uncompressed
    put32(strf, {40, w, h, 1 | 24 << 16, 0, frameBytes, 0, 0, 0, 0});

    const QByteArray hdrl =
        list("hdrl", chunk("avih", avih) + list("strl", chunk("strh", strh) + chunk("strf", strf)));

    QByteArray movi;
    QByteArray index;
    quint32 offset = 4; // from the "movi" type
    for (int f = 0; f < frames; ++f) {
        QByteArray pixels(static_cast<qsizetype>(frameBytes), '\0');
        for (int y = 0; y < height; ++y) {
            char* row = pixels.data() + static_cast<qsizetype>(height - 1 - y) * stride;
            for (int x = 0; x < width; ++x) {
                const QColor c = colorOf(f, x, y);
                row[x * 3] = static_cast<char>(c.blue());
                row[x * 3 + 1] = static_cast<char>(c.green());
                row[x * 3 + 2] = static_cast<char>(c.red());
            }
        }
        const QByteArray frameChunk = chunk("00db", pixels);
        index += QByteArray("00db", 4);
        put32(index, {0x10 /* key frame */, offset, frameBytes});
        offset += static_cast<quint32>(frameChunk.size());
        movi += frameChunk;
    }

    return chunk("RIFF", QByteArray("AVI ", 4) + hdrl + list("movi", movi) + chunk("idx1", index));
}

bool waitUntil(const std::function<bool()>& done, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return true;
}

} // namespace radiane::test

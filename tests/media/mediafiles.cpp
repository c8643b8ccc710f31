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

void put32(QByteArray& out, quint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

// A RIFF chunk: four-character id, little-endian size, data, padded to even length.
QByteArray chunk(const char* id, const QByteArray& data) {
    QByteArray out(id, 4);
    put32(out, static_cast<quint32>(data.size()));
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
    put32(format, static_cast<quint32>(sampleRate));
    put32(format, static_cast<quint32>(sampleRate * 2)); // bytes per second
    put16(format, 2);                                    // block align
    put16(format, 16);                                   // bits per sample
    QByteArray data;
    data.reserve(samples * 2);
    for (int i = 0; i < samples; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        put16(data, static_cast<quint16>(static_cast<qint16>(
                        std::lround(8000.0 * std::sin(2.0 * std::numbers::pi * frequency * t)))));
    }
    return QByteArray("RIFF", 4) + [&] {
        QByteArray body("WAVE", 4);
        body += chunk("fmt ", format);
        body += chunk("data", data);
        QByteArray size;
        put32(size, static_cast<quint32>(body.size()));
        return size + body;
    }();
}

QByteArray rawAvi(int width, int height, int frames, int framesPerSecond,
                  const std::function<QColor(int frame, int x, int y)>& colorOf) {
    const int stride = (width * 3 + 3) & ~3;
    const quint32 frameBytes = static_cast<quint32>(stride * height);

    QByteArray avih;
    put32(avih, static_cast<quint32>(1000000 / framesPerSecond)); // microseconds per frame
    put32(avih, frameBytes * static_cast<quint32>(framesPerSecond));
    put32(avih, 0);
    put32(avih, 0x10); // has index
    put32(avih, static_cast<quint32>(frames));
    put32(avih, 0);
    put32(avih, 1); // streams
    put32(avih, frameBytes);
    put32(avih, static_cast<quint32>(width));
    put32(avih, static_cast<quint32>(height));
    for (int i = 0; i < 4; ++i)
        put32(avih, 0);

    QByteArray strh("vidsDIB ", 8);
    put32(strh, 0);                                     // flags
    put16(strh, 0);                                     // priority
    put16(strh, 0);                                     // language
    put32(strh, 0);                                     // initial frames
    put32(strh, 1);                                     // scale
    put32(strh, static_cast<quint32>(framesPerSecond)); // rate
    put32(strh, 0);                                     // start
    put32(strh, static_cast<quint32>(frames));
    put32(strh, frameBytes);
    put32(strh, 0xFFFFFFFFu); // quality: default
    put32(strh, 0);           // sample size
    put16(strh, 0);
    put16(strh, 0);
    put16(strh, static_cast<quint16>(width));
    put16(strh, static_cast<quint16>(height));

    QByteArray strf; // BITMAPINFOHEADER, bottom-up rows
    put32(strf, 40);
    put32(strf, static_cast<quint32>(width));
    put32(strf, static_cast<quint32>(height));
    put16(strf, 1);
    put16(strf, 24);
    put32(strf, 0); // uncompressed
    put32(strf, frameBytes);
    for (int i = 0; i < 4; ++i)
        put32(strf, 0);

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
        put32(index, 0x10); // key frame
        put32(index, offset);
        put32(index, frameBytes);
        offset += static_cast<quint32>(frameChunk.size());
        movi += frameChunk;
    }

    QByteArray body("AVI ", 4);
    body += hdrl + list("movi", movi) + chunk("idx1", index);
    QByteArray out("RIFF", 4);
    put32(out, static_cast<quint32>(body.size()));
    return out + body;
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

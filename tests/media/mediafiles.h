#pragma once

#include <QByteArray>
#include <QColor>
#include <functional>

namespace radiane::test {

// A PCM WAV file: mono, 16-bit, a sine tone of the given frequency.
QByteArray toneWav(int milliseconds, int sampleRate = 22050, double frequency = 440.0);

// An AVI file of uncompressed 24-bit frames, no sound. colorOf(frame, x, y)
// gives each pixel; width is padded to whole rows by the writer.
QByteArray rawAvi(int width, int height, int frames, int framesPerSecond,
                  const std::function<QColor(int frame, int x, int y)>& colorOf);

// Runs the event loop until done() holds or timeoutMs passes; returns done().
bool waitUntil(const std::function<bool()>& done, int timeoutMs);

} // namespace radiane::test

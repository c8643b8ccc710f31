#pragma once

#include "media/mediacommand.h"

#include <QString>
#include <functional>

namespace radiane::media {

// Current minute of the local time, 0 to 59.
using MinuteClock = std::function<int()>;
int localMinute();

// Plays one sound or video file by media command strings: opens it as a device
// under a generated alias, then plays, stops, queries and closes it by alias.
// No operation reports an error; a refused command only shows as an empty
// reply (Length 0, Status empty). Destroying the object sends nothing, so a
// device still open stays open.
class Mmedia {
public:
    // By default commands go to the process-wide interpreter (needs a
    // QCoreApplication event loop on this thread) and the minute is read from
    // the local time.
    explicit Mmedia(MediaCommandFunction send = mediaSendString, MinuteClock minute = localMinute);

    // Closes what is open, then opens sTheFile when its last three characters
    // are WAV, AVI or MID (any case). Other files leave the object closed.
    void mmOpen(const QString& sTheFile);
    void mmClose();
    // Starts playback and returns at once.
    void mmPlay();
    void mmStop();

    // The path given to the last mmOpen with a supported file, while open.
    QString Filename() const { return fileName_; }
    void setFilename(const QString& sTheFile) { mmOpen(sTheFile); }
    // Leading number of the device's length reply (milliseconds from our
    // interpreter); 0 when closed or refused.
    float Length();
    // The device's mode reply ("playing", "stopped", ...); empty when closed or refused.
    QString Status();

    bool isOpen() const { return !alias_.isEmpty(); }
    const QString& alias() const { return alias_; }

private:
    void sendCommand(const QString& command);
    QString query(const QString& command);

    MediaCommandFunction send_;
    MinuteClock minute_;
    QString alias_;
    QString fileName_;
};

// Value of the leading decimal number of text ("1500", " 12.5ms", "-3e2x"); 0
// when text does not begin with one.
double leadingNumber(const QString& text);

} // namespace radiane::media

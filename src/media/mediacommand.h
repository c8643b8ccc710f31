#pragma once

#include <cstdint>
#include <functional>

namespace radiane::media {

// Result of a media command. 0 is success; anything else is a refusal, and the
// reply buffer is then left empty.
enum class MediaError : std::uint32_t {
    None = 0,
    UnrecognizedCommand = 1, // unknown verb, unknown keyword, wrong number of words
    MissingParameter,        // open without path, alias or type
    UnsupportedDeviceType,   // open with a type other than the three we play
    UnknownAlias,            // no open device has that alias
    DuplicateAlias,          // open with an alias already in use
    FileNotFound,            // open of a path that is not a readable file
    CannotLoad,              // the multimedia backend could not load or decode the file
    LoadTimeout,             // "wait" ran out before the file was loaded
    ReplyTooSmall,           // the reply does not fit the caller's buffer
    NoEventLoop,             // no QCoreApplication, or called from another thread
};

// A media command-string function: the command as a NUL-terminated string in
// the local 8-bit encoding, a reply buffer and its size in bytes (the reply is
// written NUL-terminated when the size allows), and a notification handle that
// callers always pass as 0. Returns 0 or a MediaError value.
using MediaCommandFunction = std::function<std::uint32_t(
    const char* command, char* reply, unsigned replySize, std::uintptr_t notifyHandle)>;

// Sends a command to the process-wide interpreter (MediaCommandInterpreter::shared()).
// Needs a QCoreApplication and must be called from its thread; without one it
// returns MediaError::NoEventLoop.
std::uint32_t mediaSendString(const char* command, char* reply, unsigned replySize,
                              std::uintptr_t notifyHandle);

} // namespace radiane::media

#pragma once

#include <QString>
#include <cstdint>

namespace radiane::appearance {

// The skin engine as the program calls it. The program's own engine lives in
// appearance/ui (SkinEngine); the logic only talks to this interface.
class SkinLibrary {
public:
    virtual ~SkinLibrary() = default;

    // path: the skin file; mode 2 applies the skin in it to every window of the
    // program, mode 0 (with an empty path) takes the skin off, mode 1 is the
    // start-up call without a skin and changes nothing. options is always
    // empty, flag always 1, reserved always 0; *out is set to 0 by the caller.
    // Zero means the skin was not applied.
    virtual std::int16_t SkinStart(const QString& path, int mode, const QString& options, int flag,
                                   int reserved, int* out) = 0;
    // Releases the engine before the process ends.
    virtual void SkinRemove() = 0;

    // Why the last SkinStart returned zero, for the learner; empty when not known.
    // A query only: it changes nothing in the engine.
    virtual QString lastFailure() const { return {}; }
};

} // namespace radiane::appearance

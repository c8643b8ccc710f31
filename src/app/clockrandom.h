#pragma once

#include "drill/drillengine.h"

namespace radiane::app {

// Uniform numbers in [0, 1) from a generator reseeded from the clock each draw,
// as every drill start wants a fresh random place in its list.
class ClockRandom final : public drill::RandomSource {
public:
    double reseedAndDraw() override;
};

} // namespace radiane::app

#include "app/clockrandom.h"

#include <chrono>
#include <random>

namespace radiane::app {

double ClockRandom::reseedAndDraw() {
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::mt19937_64 generator(static_cast<std::uint64_t>(now));
    return std::uniform_real_distribution<double>(0.0, 1.0)(generator);
}

} // namespace radiane::app

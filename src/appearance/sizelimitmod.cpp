#include "appearance/sizelimitmod.h"

#include <algorithm>
#include <cmath>

namespace radiane::appearance {

namespace {
// The largest width or height a window can have (QWIDGETSIZE_MAX).
constexpr int kLargestSize = (1 << 24) - 1;
} // namespace

int roundLimit(float value) {
    if (std::isnan(value))
        return 0;
    const double v = value;
    if (v >= kLargestSize)
        return kLargestSize;
    if (v <= -kLargestSize)
        return -kLargestSize;
    const double down = std::floor(v);
    const double rest = v - down;
    long whole = long(down);
    if (rest > 0.5 || (rest == 0.5 && whole % 2 != 0))
        ++whole;
    return int(whole);
}

TrackSize clientBounds(const TrackSize& outer, QSize frameExtra) {
    auto inner = [&](QSize size) {
        return QSize(std::clamp(size.width() - frameExtra.width(), 0, kLargestSize),
                     std::clamp(size.height() - frameExtra.height(), 0, kLargestSize));
    };
    return {inner(outer.minTrack), inner(outer.maxTrack)};
}

void SizeLimitMod::setFormhwnd(QObject* window) {
    unhook();
    target_ = window;
    hook();
}

void SizeLimitMod::setEnabled(bool enabled) {
    enabled_ = enabled;
    if (enabled_)
        hook();
    else
        unhook();
}

void SizeLimitMod::hook() {
    if (!enabled_ || hooked_)
        return;
    hooked_ = hooks_.install(target_);
}

void SizeLimitMod::unhook() {
    if (!hooked_)
        return;
    hooks_.uninstall(target_);
    hooked_ = false;
}

void SizeLimitMod::setLimit(float& field, float value) {
    field = value;
    if (hooked_)
        hooks_.limitsChanged(target_);
}

TrackSize SizeLimitMod::query(TrackSize platform) const {
    if (minWidth_ > 0)
        platform.minTrack.setWidth(roundLimit(minWidth_));
    if (minHeight_ > 0)
        platform.minTrack.setHeight(roundLimit(minHeight_));
    if (maxWidth_ > 0)
        platform.maxTrack.setWidth(roundLimit(maxWidth_));
    if (maxHeight_ > 0)
        platform.maxTrack.setHeight(roundLimit(maxHeight_));
    return platform;
}

} // namespace radiane::appearance

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <cmath>

namespace radiane {

// Window layout is designed in twips (1/1440 inch); at 96 dpi a logical pixel is
// 15 twips. Qt's high-DPI scaling then maps logical pixels to the screen.
inline constexpr int kTwipsPerPixel = 15;

constexpr int px(int twips) {
    // Round half away from zero so that e.g. 1790 twips -> 119 px, 1792.5 -> 120.
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}
constexpr int twips(int pixels) {
    return pixels * kTwipsPerPixel;
}

constexpr QPoint pxPoint(int left, int top) {
    return {px(left), px(top)};
}
constexpr QSize pxSize(int width, int height) {
    return {px(width), px(height)};
}
constexpr QRect pxRect(int left, int top, int width, int height) {
    return {px(left), px(top), px(width), px(height)};
}

} // namespace radiane

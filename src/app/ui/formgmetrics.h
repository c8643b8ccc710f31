#pragma once

// Sizes of the main window's design, in twips unless named otherwise.
namespace radiane::app::metrics {

constexpr int kHintBarHeight = 240;
// The designed client area.
constexpr int kClientWidth = 11970;
constexpr int kClientHeight = 6855;
// Outer heights of the window with the keyboard panel shown and folded.
constexpr int kPanelShownHeight = 6960;
constexpr int kPanelFoldedHeight = 3315;
// The largest outer size, pixels: the designed client area and the frame of the
// platform it was designed on.
constexpr int kMaxOuterWidth = 808;
constexpr int kMaxOuterHeight = 490;

} // namespace radiane::app::metrics

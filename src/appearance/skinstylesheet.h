#pragma once

#include <QString>

namespace radiane::appearance {

// The style sheet of a skin restyles the program's own controls and nothing else:
//  - no outside resources: no url(...), no backslash escape that could spell one,
//    no widget properties (qproperty-...), no leading "file:" (Qt would read the
//    rest as the name of a sheet to load);
//  - every selector names one of the controls below, with sub-controls and
//    pseudo-states; the drill's pictures, marks and keyboard are labels and plain
//    widgets, which no rule may reach;
//  - sizes stay within kMaxSkinExtentPx (width, height and their min-/max-) and
//    kMaxSkinSpacingPx (padding, margin, border widths, spacing, font size), in
//    px or pt; a max-width or max-height is at least kMinSkinMaxExtentPx.
inline constexpr double kMaxSkinExtentPx = 800;
inline constexpr double kMinSkinMaxExtentPx = 16;
inline constexpr double kMaxSkinSpacingPx = 48;

// "第 <line> 行：<what>", as every refusal of a skin file names its line.
QString atSkinLine(int line, const QString& what);

// Why sheet (whose first line is line firstLine of the file) is no skin's
// style sheet, naming the line; empty when it is one.
QString checkSkinStyleSheet(const QString& sheet, int firstLine);

// The sheet as handed to Qt: whatever it holds, Qt never reads it as a file name.
QString styleSheetForQt(const QString& sheet);

} // namespace radiane::appearance

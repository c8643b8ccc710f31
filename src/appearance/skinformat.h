#pragma once

#include <QByteArrayView>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace radiane::appearance {

// A skin file (".urf") is UTF-8 text:
//
//   RADIANE-SKIN 1
//   # comment
//   name = PixOS
//   style = Fusion
//   window = #eef2f7
//   ...                      one "role = #rrggbb" line per palette colour
//   [style-sheet]
//   QPushButton { ... }      a Qt style sheet, to the end of the file
//
// The header line must come first. Keys are case-insensitive and may appear
// once each. The eight core colours are required, the others are derived by
// the engine when absent. What the style sheet may hold: skinstylesheet.h.

enum class SkinColor {
    Window,
    WindowText,
    Base,
    AlternateBase,
    Text,
    Button,
    ButtonText,
    Highlight,
    HighlightedText,
    ToolTipBase,
    ToolTipText,
    PlaceholderText,
    BrightText,
    Link,
    LinkVisited,
    Light,
    Midlight,
    Mid,
    Dark,
    Shadow,
};
inline constexpr int kSkinColorCount = 20;

struct SkinColorKey {
    SkinColor color;
    const char* key; // as written in the file
    bool required;
};
const std::array<SkinColorKey, kSkinColorCount>& skinColorKeys();

// Widget styles a skin may build on; the engine always has these two.
inline constexpr std::array<const char*, 2> kSkinStyles = {"Fusion", "Windows"};

inline constexpr const char* kSkinHeader = "RADIANE-SKIN 1";
inline constexpr const char* kStyleSheetSection = "[style-sheet]";
// No skin comes near this; a larger file is not a skin.
inline constexpr qint64 kMaxSkinFileBytes = 256 * 1024;

struct SkinDescription {
    QString name;
    QString style = QStringLiteral("Fusion"); // one of kSkinStyles, as spelt there
    std::array<std::optional<std::uint32_t>, kSkinColorCount> colors{}; // 0xRRGGBB
    QString styleSheet;

    std::optional<std::uint32_t> color(SkinColor c) const {
        return colors[static_cast<std::size_t>(c)];
    }
};

struct SkinParse {
    std::optional<SkinDescription> skin;
    QString error; // why the file is not a skin, when !skin; names the line

    bool ok() const { return skin.has_value(); }
};

SkinParse parseSkin(QByteArrayView bytes);
// Reads and parses a skin file; a missing file, a folder, an unreadable or
// oversized file is refused with its reason.
SkinParse loadSkinFile(const QString& path);

} // namespace radiane::appearance

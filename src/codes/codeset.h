#pragma once

#include "common/programfolder.h"
#include "lookup/codedatabase.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace radiane::codes {

// What the learner practises: the characters and the code typed for each.
enum class Level {
    OneKey,   // 一级简码: one key, then the space bar
    TwoKeys,  // 二级简码: two keys, then the space bar
    FullCodes // the full code; one shorter than four keys ends with the space bar
};

inline constexpr int kMaxCodeKeys = 4;

// A character of the drill: its codes and which of its radicals can be painted.
struct CodeItem {
    QString character;
    QString fullCode;  // lower-case a..y
    QString shortCode; // the shortest code when shorter than fullCode, else empty
    // Radical k + 1 has fill points in the code database (the others are the
    // identification key or nothing).
    std::array<bool, kMaxCodeKeys> radicals{};
    // Picture name of radical k + 1 as the chart draws it, where known.
    std::array<QString, kMaxCodeKeys> radicalPictures;
    // The character is itself a radical (a key name or another radical that is a
    // character): its first key paints it whole, the others stand for strokes.
    bool wholeRadical = false;
};

// The keys typed for item at level, without the space bar.
QString codeAt(const CodeItem& item, Level level);
// Whether the code typed at level ends with the space bar.
bool endsWithSpace(const CodeItem& item, Level level);

// The characters with a checked decomposition, most frequent first: those of the
// drill list zg2.txt and the others with a picture bmp/<character>.bmp (the
// characters that are themselves a radical), each with its record of wwbb11.dat
// giving fill points for every radical, and that frequency.txt names.
class CodeSet {
public:
    CodeSet() = default;
    explicit CodeSet(std::vector<CodeItem> items) : items_(std::move(items)) {}

    // Reads the program folder's files through database (already open). Throws
    // radiane::FatalError naming the file when one is missing or unusable.
    static CodeSet load(const ProgramFolder& folder, lookup::CodeDatabase& database);

    const std::vector<CodeItem>& items() const { return items_; }
    // The items of a level: one-key codes in keyboard order (g f d s a …), the
    // others most frequent first.
    std::vector<const CodeItem*> level(Level level) const;

private:
    std::vector<CodeItem> items_;
};

// The item of a database record, when its code and fill points make a complete
// decomposition: every key of the full code codes a radical with fill points,
// except a last identification key; or the first radical alone has fill points
// and is the whole character.
std::optional<CodeItem> itemOfRecord(const lookup::CodeRecord& record);

} // namespace radiane::codes

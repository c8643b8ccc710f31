#pragma once

#include <QString>
#include <array>
#include <optional>

namespace radiane::drill {

struct MarkGeometry {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct KeyHintRow {
    QString key;     // lower-case letter a..y
    QString caption; // e.g. "G 键： "
    QString verse;   // mnemonic verse, exactly as stored
    int markIndex = 0;
    MarkGeometry red;   // Shape1(markIndex), twips relative to Picture5
    MarkGeometry white; // Shape2(markIndex)
};

// The 25 rows, in lookup order (g f d s a h j k l m t r e w q y u i o p n b v c x).
const std::array<KeyHintRow, 25>& keyHintTable();

// Exact, case-sensitive match on the key letter.
const KeyHintRow* findKeyHint(const QString& key);

// "提示：" + caption + verse.
QString hintText(const KeyHintRow& row);

} // namespace radiane::drill

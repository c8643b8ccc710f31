#pragma once

#include "codes/codeset.h"

#include <QChar>
#include <QString>

namespace radiane::codes {

// What one key of a code stands for in its character.
struct KeyMeaning {
    int part = 0;                // the radical (1..4) the key codes; 0 for none
    bool identification = false; // the last-stroke-and-shape key (识别码)
};

// The meaning of code[index] in item. A key codes the radical at its own place
// in the full code; a one-key short code that differs from the first key codes
// the radical whose key it is, if any.
KeyMeaning meaningOf(const CodeItem& item, const QString& code, int index);

// The last stroke and shape an identification key stands for, e.g. "H：末笔丨，
// 左右型"; empty for a key that is none (only 15 keys are).
QString identificationNote(QChar key);

// What a key after the first stands for in a radical that is a character: the
// key again for a key name ("A：键名字，连打四下"), else its first, second or last
// stroke ("H：首笔丨"), or the L that fills up a single stroke's code.
QString wholeRadicalNote(const CodeItem& item, const QString& code, int index);

// The line shown after a right key: the identification note, or for a short-code
// key that codes no radical of the character a word on that; else empty.
QString keyNote(const CodeItem& item, const QString& code, int index);

} // namespace radiane::codes

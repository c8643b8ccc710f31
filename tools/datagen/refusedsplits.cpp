#include "refusedsplits.h"

namespace datagen {

namespace {

struct Refusal {
    const char* character;
    const char* reason;
};

// Looked at on the contact sheets of new splits, each radical in its own grey.
const Refusal kRefusals[] = {
    {"碱", "一口 of 咸 taken as 五"},
    {"减", "一 ㇂ 丿 of 咸 taken as its last radical"},
    {"喊", "一 ㇂ 丿 of 咸 taken as its last radical"},
    {"抓", "丨 and 丶 of 爪 taken as 卜; 爪 is 𠂆 丨 丶"},
    {"昂", "the ㇙ of 卬 taken with 卩"},
    {"翠", "亠 and the first 人 of 卒 taken as 文; 卒 is 亠 人 人 十"},
    {"越", "the strokes of 戉 cut where the stroke numbers do not fit 戈"},
    {"戚", "parts of 尗 inside 戚 not clear on the sheet"},
};

} // namespace

QString refusedSplit(const QString& character) {
    for (const Refusal& r : kRefusals)
        if (character == QString::fromUtf8(r.character))
            return QString::fromUtf8(r.reason);
    return {};
}

} // namespace datagen

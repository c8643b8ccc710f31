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
};

} // namespace

QString refusedSplit(const QString& character) {
    for (const Refusal& r : kRefusals)
        if (character == QString::fromUtf8(r.character))
            return QString::fromUtf8(r.reason);
    return {};
}

} // namespace datagen

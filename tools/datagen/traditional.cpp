#include "traditional.h"

namespace datagen {

bool isTraditional(const QString& character) {
    // The GB2312 characters a traditional-to-simplified conversion changes, less 乾 (乾坤), 薹
    // (蒜薹) and 吒 (哪吒), which simplified text keeps for meanings of their own.
    static const QString forms = QStringLiteral("後於徵夥麽菸醣摺捱榘甯麴");
    return character.size() == 1 && forms.contains(character);
}

} // namespace datagen

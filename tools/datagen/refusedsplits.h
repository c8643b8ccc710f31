#pragma once

#include <QString>

namespace datagen {

// Why the split the generator finds for a character was turned down on the contact sheet, or
// empty when it was not. Such a character is left out unless it has a hand split.
QString refusedSplit(const QString& character);

} // namespace datagen

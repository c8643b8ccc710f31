#pragma once

#include <QString>

namespace datagen {

// GB2312 holds a few traditional or variant forms whose simplified form it also holds (後 for
// 后, 於 for 于). They are left out of the drill and of the decompositions: learners type the
// simplified form.
bool isTraditional(const QString& character);

} // namespace datagen

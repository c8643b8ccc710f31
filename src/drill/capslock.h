#pragma once

#include <QChar>

namespace radiane::drill {

// True when typed is the upper-case form of the expected key, as Caps Lock (or
// Shift) gives it. The drill still judges such a key wrong: keys are compared
// case-sensitively.
bool isUpperCaseOfExpected(QChar typed, QChar expected);

} // namespace radiane::drill

#include "drill/capslock.h"

namespace radiane::drill {

bool isUpperCaseOfExpected(QChar typed, QChar expected) {
    return expected.isLower() && typed == expected.toUpper();
}

} // namespace radiane::drill

#include "drill/capslock.h"

#include <gtest/gtest.h>

namespace radiane::drill {
namespace {

struct Case {
    const char* name;
    char16_t typed;
    char16_t expected;
    bool upperCase;
};

class CapsLockCase : public testing::TestWithParam<Case> {};

TEST_P(CapsLockCase, SeesTheUpperCaseOfTheExpectedKey) {
    EXPECT_EQ(isUpperCaseOfExpected(QChar(GetParam().typed), QChar(GetParam().expected)),
              GetParam().upperCase);
}

INSTANTIATE_TEST_SUITE_P(Keys, CapsLockCase,
                         testing::Values(Case{"UpperOfExpected", u'Y', u'y', true},
                                         Case{"RightKey", u'y', u'y', false},
                                         Case{"UpperOfAnotherKey", u'G', u'y', false},
                                         Case{"WrongLowerKey", u'g', u'y', false},
                                         Case{"NoExpectedKey", u'Y', u'\0', false},
                                         Case{"DigitTyped", u'1', u'1', false}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace radiane::drill

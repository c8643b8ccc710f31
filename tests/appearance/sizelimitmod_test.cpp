#include "appearance/sizelimitmod.h"

#include <QObject>
#include <gtest/gtest.h>

using namespace radiane::appearance;

namespace {

// Records installs and removals; a null window cannot be hooked.
class RecordingHooks : public WindowHooks {
public:
    bool install(QObject* window) override {
        log.push_back("install " + name(window));
        return window != nullptr;
    }
    void uninstall(QObject* window) override { log.push_back("uninstall " + name(window)); }
    void limitsChanged(QObject* window) override { log.push_back("changed " + name(window)); }

    static std::string name(QObject* window) {
        return window ? window->objectName().toStdString() : "null";
    }
    std::vector<std::string> log;
};

class SizeLimitModTest : public ::testing::Test {
protected:
    SizeLimitModTest() {
        a.setObjectName("a");
        b.setObjectName("b");
    }
    QObject a, b;
    RecordingHooks hooks;
    SizeLimitMod mod{hooks};
    using Log = std::vector<std::string>;
};

TEST_F(SizeLimitModTest, WindowSetWhileDisabledIsHookedOnceOnEnable) {
    mod.setFormhwnd(&a);
    EXPECT_EQ(mod.Formhwnd(), &a);
    EXPECT_TRUE(hooks.log.empty());
    EXPECT_FALSE(mod.hooked());
    mod.setEnabled(true);
    mod.setEnabled(true);
    EXPECT_EQ(hooks.log, Log({"install a"}));
    EXPECT_TRUE(mod.hooked());
}

TEST_F(SizeLimitModTest, NewWindowMovesTheHookAndDisablingTakesItOff) {
    mod.setEnabled(true);
    mod.setFormhwnd(&a);
    mod.setFormhwnd(&b);
    mod.setEnabled(false);
    mod.setEnabled(false);
    EXPECT_EQ(hooks.log,
              Log({"install null", "install a", "uninstall a", "install b", "uninstall b"}));
    EXPECT_FALSE(mod.hooked());
    EXPECT_FALSE(mod.Enabled());
}

TEST_F(SizeLimitModTest, NoWindowLeavesItUnhookedAndTheNextAttemptTriesAgain) {
    mod.setEnabled(true);
    EXPECT_FALSE(mod.hooked());
    mod.setEnabled(true);
    EXPECT_EQ(hooks.log, Log({"install null", "install null"}));
}

TEST_F(SizeLimitModTest, LimitChangesReachTheHookedWindowOnly) {
    mod.setMaxWidth(808);
    mod.setFormhwnd(&a);
    mod.setEnabled(true);
    mod.setMaxHeight(490);
    EXPECT_EQ(hooks.log, Log({"install a", "changed a"}));
}

TEST_F(SizeLimitModTest, QueryReplacesOnlyPositiveLimits) {
    const TrackSize platform{QSize(120, 40), QSize(4000, 3000)};
    struct Case {
        float minW, minH, maxW, maxH;
        TrackSize expected;
    };
    const std::vector<Case> cases = {
        {0, 0, 0, 0, platform},
        {0, 0, 808, 490, {QSize(120, 40), QSize(808, 490)}},
        {100.5f, 101.5f, 0, 0, {QSize(100, 102), QSize(4000, 3000)}},
        {-5, -0.1f, -808, 490, {QSize(120, 40), QSize(4000, 490)}},
        {0.4f, 0, 0, 0, {QSize(0, 40), QSize(4000, 3000)}},
    };
    for (const Case& c : cases) {
        mod.setMinWidth(c.minW);
        mod.setMinHeight(c.minH);
        mod.setMaxWidth(c.maxW);
        mod.setMaxHeight(c.maxH);
        EXPECT_EQ(mod.query(platform), c.expected) << c.minW << " " << c.minH << " " << c.maxW;
    }
}

TEST(SizeLimitRounding, NearestWithTiesToEven) {
    const std::vector<std::pair<float, int>> cases = {
        {100.5f, 100},
        {101.5f, 102},
        {0.5f, 0},
        {1.5f, 2},
        {2.5f, 2},
        {100.4f, 100},
        {100.6f, 101},
        {808, 808},
        {-1.5f, -2},
        {-2.5f, -2},
        {1e30f, (1 << 24) - 1},
        {std::numeric_limits<float>::quiet_NaN(), 0},
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(roundLimit(value), expected) << value;
}

TEST(SizeLimitClientBounds, TakesTheFrameOffAndNeverGoesNegative) {
    const TrackSize outer{QSize(5, 0), QSize(808, 490)};
    EXPECT_EQ(clientBounds(outer, QSize(10, 33)), (TrackSize{QSize(0, 0), QSize(798, 457)}));
    EXPECT_EQ(clientBounds(outer, QSize(0, 0)), outer);
}

} // namespace

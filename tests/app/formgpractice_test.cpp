#include "app/ui/fatal.h"
#include "app/ui/formg.h"
#include "drillfolder.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace radiane;
using radiane::app::Formg;

namespace {

class FirstPlace final : public drill::RandomSource {
public:
    double reseedAndDraw() override { return 0.0; }
};

// Radicals in slots 0, 2, 4 and characters in slots 1, 3 (grey in their
// pictures until the drill paints the radical black).
class MixedSource final : public drill::ItemSource {
public:
    explicit MixedSource(const test::DrillFolder& data) : data_(data) {}
    drill::DrillGroup nextGroup() override {
        drill::DrillGroup group;
        for (int i = 0; i < drill::kSlotCount; ++i) {
            drill::DrillItem& item = group[static_cast<std::size_t>(i)];
            item.key = QStringLiteral("g");
            if (i % 2 == 0) {
                item.picture = data_.radicalNames.at(i);
            } else {
                item.kind = drill::DrillItem::Kind::Character;
                item.character = data_.characters.at(i);
                item.part = QStringLiteral("1");
            }
        }
        return group;
    }

private:
    const test::DrillFolder& data_;
};

struct PracticeCase {
    const char* name;
    const char* setup;  // setup.txt before the run
    int leaveWith;      // 0: close while practising; 1, 2: that option first
    const char* closed; // setup.txt after the close
};

class FormgPractice : public testing::TestWithParam<PracticeCase> {};

TEST_P(FormgPractice, PaintsCharactersAndKeepsTheSeedModeForTheClose) {
    const PracticeCase& c = GetParam();
    QStringList failures;
    app::setFatalHandler([&](const QString& message) { failures << message; });
    test::DrillFolder data;
    data.writeDatabase();
    data.dir.write("setup.txt", c.setup);
    FirstPlace random;
    MixedSource source(data);
    {
        Formg formg(data.dir.folder(), random);
        formg.load();
        formg.show();
        formg.startPractice(source);
        const bool ok = !formg.Option1->isChecked() && !formg.Option2->isChecked() &&
                        formg.drill().mode() == drill::Mode::Practice &&
                        formg.slotImage(1).pixel(50, 50) == qRgb(0, 0, 0) &&
                        formg.slotImage(3).pixel(50, 50) == qRgb(0, 0, 0);
        EXPECT_TRUE(ok) << "practice does not show as expected";
        if (c.leaveWith)
            QTest::mouseClick(c.leaveWith == 1 ? formg.Option1 : formg.Option2, Qt::LeftButton);
        EXPECT_EQ(formg.drill().mode() == drill::Mode::Practice, c.leaveWith == 0);
        formg.close();
    }
    EXPECT_EQ(data.dir.read("setup.txt"), QByteArray(c.closed));
    EXPECT_TRUE(failures.isEmpty()) << failures.join("\n").toStdString();
    app::setFatalHandler({});
}

const PracticeCase kCases[] = {
    {"FromModeOneClosedInPractice", "1\r\n", 0, "1\r\n"},
    {"FromModeTwoClosedInPractice", "2\r\n", 0, "2\r\n"},
    {"LeftForModeOne", "2\r\n", 1, "1\r\n"},
    {"LeftForModeTwo", "1\r\n", 2, "2\r\n"},
};
INSTANTIATE_TEST_SUITE_P(Cases, FormgPractice, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

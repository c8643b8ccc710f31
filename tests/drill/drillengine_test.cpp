#include "drill/drillengine.h"

#include "common/fatalerror.h"
#include "support/tempprogramfolder.h"

#include <QSet>
#include <deque>
#include <gtest/gtest.h>
#include <optional>

// Readable failure messages for Qt strings.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

using radiane::FatalError;
using radiane::drill::DrillEngine;
using radiane::drill::DrillHost;
using radiane::drill::DrillView;
using radiane::drill::findKeyHint;
using radiane::drill::kMarkCount;
using radiane::drill::kSlotCount;
using radiane::drill::Mode;
using radiane::drill::RandomSource;
using radiane::test::TempProgramFolder;

namespace {

const QString kDesignHint = QStringLiteral("提示：a　口诀：王旁青头戋（兼）五笔　例字：表　青　");
const QString kGHint = QStringLiteral("提示：G 键： 王旁青头戋（兼）五一");
const QString kRight = QStringLiteral("↑");
const QString kWrong = QStringLiteral("↑×");
// Key letters of consecutive items: the row order of the hint table.
const QString kKeys = QStringLiteral("gfdsahjklmtrewqyuiopnbvcx");

// Stands in for the main window: records what the drill asks of it. A picture
// with an empty name, or one named in missingPictures, is not found.
class RecordingHost : public DrillHost {
public:
    struct Lookup {
        int slotIndex;
        QString text23;
        QString label7;
    };
    // What the window shows when the Backspace is posted.
    struct AtBackspace {
        QString text1;
        QString arrow;
        bool hintVisible;
        std::array<bool, kMarkCount> marks;
    };

    const DrillEngine* engine = nullptr;
    QStringList pictures; // names in load order
    QList<int> pictureSlots;
    std::vector<Lookup> lookups;
    std::vector<Mode> repaints;
    std::vector<AtBackspace> backspaces;
    QStringList widthAskedFor;
    QSet<QString> missingPictures;
    int outerWidth = 12210;

    void loadPicture(int slot, const QString& name) override {
        if (name.isEmpty() || missingPictures.contains(name))
            throw FatalError(QStringLiteral("bmp/%1.bmp").arg(name), QStringLiteral("找不到图片"));
        pictureSlots.append(slot);
        pictures.append(name);
    }
    void runLookup() override {
        const DrillView& v = engine->view();
        const int i = engine->slotIndex();
        lookups.push_back({i, v.Text23, i < kSlotCount ? v.Label7[i] : QStringLiteral("?")});
    }
    void repaintOptionButton(Mode mode) override { repaints.push_back(mode); }
    void postBackspace() override {
        const DrillView& v = engine->view();
        backspaces.push_back({v.Text1, v.Label3Caption, v.Label4Visible, v.Shape1Visible});
    }
    // 240 twips per character: a 12-point label sizing itself to its caption.
    int hintWidthFor(const QString& caption) override {
        widthAskedFor.append(caption);
        return 240 * static_cast<int>(caption.size());
    }
    int windowOuterWidth() override { return outerWidth; }

    void clear() {
        pictures.clear();
        pictureSlots.clear();
        lookups.clear();
        repaints.clear();
        backspaces.clear();
        widthAskedFor.clear();
    }
};

// A fixed sequence of draws, one per drill start.
class SequenceRandom : public RandomSource {
public:
    std::deque<double> draws;
    double reseedAndDraw() override {
        if (draws.empty()) {
            ADD_FAILURE() << "a start drew more numbers than the test supplied";
            return 0.0;
        }
        const double r = draws.front();
        draws.pop_front();
        return r;
    }
};

// Item k of a single-radical list: its key, then a 3-character picture name
// that is unique per item (one Chinese character and two digits).
QString singleItem(int k, const QString& keys = kKeys) {
    return QString(keys[k % keys.size()]) + QChar(0x4E00 + k / 100) +
           QStringLiteral("%1").arg(k % 100, 2, 10, QChar(u'0'));
}
QString singleList(int items, const QString& keys = kKeys) {
    QString text;
    for (int k = 0; k < items; ++k)
        text += singleItem(k, keys);
    return text;
}
// Item k of a radicals-in-characters list: key, part number, character.
QString charItem(int k, const QString& keys = kKeys, char16_t firstChar = 0x4E00) {
    return QString(keys[k % keys.size()]) + QChar(u'1' + k % 4) + QChar(firstChar + k);
}
QString charList(int items, const QString& keys = kKeys, char16_t firstChar = 0x4E00) {
    QString text;
    for (int k = 0; k < items; ++k)
        text += charItem(k, keys, firstChar);
    return text;
}

std::optional<int> visibleMark(const DrillView& v) {
    std::optional<int> found;
    for (int i = 0; i < kMarkCount; ++i) {
        EXPECT_EQ(v.Shape1Visible[i], v.Shape2Visible[i]) << "red and white mark " << i;
        if (v.Shape1Visible[i]) {
            EXPECT_FALSE(found.has_value()) << "more than one pair visible";
            found = i;
        }
    }
    return found;
}

// Table cases print, and name their tests, by their name.
template <class Case>
requires requires(const Case& c) {
    std::string(c.name);
}
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}
const auto byName = [](const auto& p) { return std::string(p.param.name); };

class DrillTest : public testing::Test {
protected:
    TempProgramFolder folder;
    RecordingHost host;
    SequenceRandom random;
    DrillEngine engine{folder.path(), host, random};

    DrillTest() { host.engine = &engine; }

    const DrillView& view() const { return engine.view(); }

    void startSingle(const QString& list, double r) {
        folder.writeGbk(QStringLiteral("zg.txt"), list + QStringLiteral("\r\n"));
        random.draws.push_back(r);
        engine.startSingleRadicals();
        expectInvariants();
    }
    void startInCharacters(const QString& list, double r) {
        folder.writeGbk(QStringLiteral("zg2.txt"), list + QStringLiteral("\r\n"));
        random.draws.push_back(r);
        engine.startRadicalsInCharacters();
        expectInvariants();
    }
    void start(Mode mode, const QString& list, double r) {
        mode == Mode::SingleRadicals ? startSingle(list, r) : startInCharacters(list, r);
    }

    // The learner's keys land at the end of the answer box.
    void type(const QString& keys) {
        for (QChar key : keys) {
            SCOPED_TRACE(QString(key).toStdString());
            engine.text1Changed(view().Text1 + key);
            expectInvariants();
        }
    }
    void backspace() {
        engine.text1Changed(view().Text1.chopped(1));
        expectInvariants();
    }
    void typeRightKeys(int count) {
        for (int n = 0; n < count; ++n)
            type(view().Label2);
    }

    // What holds after every event.
    void expectInvariants() const {
        const DrillView& v = view();
        const int i = engine.slotIndex();
        ASSERT_LT(i, kSlotCount);
        EXPECT_EQ(engine.slotNo(), i + 1);
        EXPECT_EQ(v.Label2, v.Label1[i]);
        EXPECT_EQ(v.Shape11Left, 1092 + 1980 * i);
        EXPECT_EQ(v.Label3Left, 1790 + 1980 * i);
        EXPECT_EQ(v.Shape11Top, 720);
        EXPECT_EQ(v.Label3Top, 2595);
        for (const QString& key : v.Label1) {
            EXPECT_FALSE(key.isEmpty());
        }
        if (engine.mode() == Mode::RadicalsInCharacters) {
            EXPECT_EQ(v.Text23, v.Label6[i]);
        }
        const auto* row = findKeyHint(v.Label2);
        EXPECT_EQ(visibleMark(v), row ? std::optional<int>(row->markIndex) : std::nullopt);
    }

    // The five items from these 1-based positions are shown, slot by slot.
    void expectSingleGroup(const QList<int>& positions) const {
        ASSERT_EQ(positions.size(), kSlotCount);
        QStringList names;
        for (int i = 0; i < kSlotCount; ++i) {
            const QString item = engine.zgText().mid(positions[i] - 1, 4);
            EXPECT_EQ(view().Label1[i], item.left(1)) << "slot " << i;
            names.append(item.right(3));
        }
        EXPECT_EQ(host.pictures.mid(host.pictures.size() - kSlotCount), names);
        EXPECT_EQ(engine.zgPos(), positions.last());
    }
    void expectCharacterGroup(const QList<int>& positions) const {
        ASSERT_EQ(positions.size(), kSlotCount);
        QStringList names;
        for (int i = 0; i < kSlotCount; ++i) {
            const QString item = engine.zg2Text().mid(positions[i] - 1, 3);
            EXPECT_EQ(view().Label1[i], item.left(1)) << "slot " << i;
            EXPECT_EQ(view().Label7[i], item.mid(1, 1)) << "slot " << i;
            EXPECT_EQ(view().Label6[i], item.right(1)) << "slot " << i;
            names.append(item.right(1));
        }
        EXPECT_EQ(host.pictures.mid(host.pictures.size() - kSlotCount), names);
        EXPECT_EQ(engine.zg2Pos(), positions.last());
        // The lookup ran once per slot, with the slot's index and character.
        ASSERT_GE(host.lookups.size(), std::size_t(kSlotCount));
        for (int i = 0; i < kSlotCount; ++i) {
            const auto& lookup = host.lookups[host.lookups.size() - kSlotCount + i];
            EXPECT_EQ(lookup.slotIndex, i);
            EXPECT_EQ(lookup.text23, view().Label6[i]);
            EXPECT_EQ(lookup.label7, view().Label7[i]);
        }
    }
    void expectGroup(Mode mode, const QList<int>& positions) const {
        mode == Mode::SingleRadicals ? expectSingleGroup(positions)
                                     : expectCharacterGroup(positions);
    }
};

// ---------------------------------------------------------------- drill starts

struct GroupCase {
    const char* name;
    Mode mode;
    QString list;
    double r;
    QList<int> positions; // of the five items shown
};

class StartTest : public DrillTest, public testing::WithParamInterface<GroupCase> {};

TEST_P(StartTest, FillsTheRowFromTheDrawnItem) {
    const GroupCase& c = GetParam();
    const bool single = c.mode == Mode::SingleRadicals;
    start(c.mode, c.list, c.r);
    expectGroup(c.mode, c.positions);
    EXPECT_EQ(single ? engine.zgLen() : engine.zg2Len(), c.list.size());
    EXPECT_EQ(engine.mode(), c.mode);
    // The other mode's option button is repainted.
    EXPECT_EQ(host.repaints,
              std::vector<Mode>{single ? Mode::RadicalsInCharacters : Mode::SingleRadicals});
    EXPECT_EQ(host.pictureSlots, (QList<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(host.lookups.size(), single ? 0u : std::size_t(kSlotCount));
    EXPECT_EQ(engine.slotIndex(), 0);
    EXPECT_FALSE(view().Label4Visible);
    EXPECT_TRUE(view().Text1.isEmpty());
}

constexpr Mode kSingle = Mode::SingleRadicals;
constexpr Mode kChars = Mode::RadicalsInCharacters;

const GroupCase kStarts[] = {
    {"Items54FirstStart", kSingle, singleList(54), 0.0, {1, 5, 9, 13, 17}},
    {"Items54MiddleStart", kSingle, singleList(54), 0.5, {101, 105, 109, 113, 117}},
    {"Items54LargestStart", kSingle, singleList(54), 0.9999999, {197, 201, 205, 209, 213}},
    {"LongListStartsAmongFirst50", kSingle, singleList(1000), 0.9999999, {197, 201, 205, 209, 213}},
    {"StrayCharactersIgnoredByStart",
     kSingle,
     singleList(54) + QStringLiteral("k口"),
     0.9999999,
     {197, 201, 205, 209, 213}},
    // Shorter than 54 items: the start draws among the list's own whole items
    // and wraps, so no slot ever gets an empty picture name.
    {"Items53WrapsAtStart", kSingle, singleList(53), 0.9999999, {209, 1, 5, 9, 13}},
    {"Items10", kSingle, singleList(10), 0.99, {37, 1, 5, 9, 13}},
    {"ThreeItemsAndStrays", kSingle, singleList(3) + QStringLiteral("k口"), 0.99, {9, 13, 1, 5, 9}},
    {"OneItem", kSingle, singleList(1), 0.7, {1, 1, 1, 1, 1}},
    // A faulty random source still yields an item boundary inside the list.
    {"DrawOfOne", kSingle, singleList(54), 1.0, {197, 201, 205, 209, 213}},
    {"NegativeDraw", kSingle, singleList(54), -0.5, {1, 5, 9, 13, 17}},
    {"Items304FirstStart", kChars, charList(304), 0.0, {1, 4, 7, 10, 13}},
    {"Items304LargestStart", kChars, charList(304), 0.9999999, {898, 901, 904, 907, 910}},
    {"LongListStartsAmongFirst300", kChars, charList(2000), 0.9999999, {898, 901, 904, 907, 910}},
    {"Items303WrapsAtStart", kChars, charList(303), 0.9999, {907, 1, 4, 7, 10}},
    {"TwoItemsAndAStray", kChars, charList(2) + QStringLiteral("k"), 0.6, {4, 7, 1, 4, 7}},
};
INSTANTIATE_TEST_SUITE_P(Cases, StartTest, testing::ValuesIn(kStarts), byName);

TEST_F(DrillTest, ShortStrayItemHasTwoCharacterPictureName) {
    startSingle(singleList(54) + QStringLiteral("k口"), 0.9999999);
    host.clear();
    typeRightKeys(5);
    expectSingleGroup({217, 1, 5, 9, 13});
    EXPECT_EQ(host.pictures.first(), QStringLiteral("k口"));
    EXPECT_EQ(view().Label1[0], QStringLiteral("k"));
}

// Next groups walk the list in order and start over after its last item.
class RefillTest : public DrillTest, public testing::WithParamInterface<GroupCase> {};

TEST_P(RefillTest, FifthRightKeyLoadsTheNextFiveItems) {
    const GroupCase& c = GetParam();
    start(c.mode, c.list, c.r);
    typeRightKeys(4);
    EXPECT_EQ(engine.slotNo(), 5);
    host.clear();
    type(view().Label2);
    expectGroup(c.mode, c.positions);
    EXPECT_EQ(host.pictureSlots, (QList<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(host.lookups.size(), c.mode == kSingle ? 0u : std::size_t(kSlotCount));
    EXPECT_EQ(engine.slotIndex(), 0);
    EXPECT_EQ(view().Label5, QStringLiteral("1"));
    EXPECT_EQ(view().Label3Caption, kRight);
    EXPECT_TRUE(view().Text1.isEmpty());
    EXPECT_TRUE(host.repaints.empty());
}

const GroupCase kRefills[] = {
    {"SingleWrapsAfter213", kSingle, singleList(54), 0.9999999, {1, 5, 9, 13, 17}},
    {"SingleWrapsInsideGroup", kSingle, singleList(56), 0.9999999, {217, 221, 1, 5, 9}},
    {"CharactersContinue", kChars, charList(304), 0.0, {16, 19, 22, 25, 28}},
    {"CharactersWrapAfter910", kChars, charList(304), 0.9999999, {1, 4, 7, 10, 13}},
};
INSTANTIATE_TEST_SUITE_P(Cases, RefillTest, testing::ValuesIn(kRefills), byName);

TEST_F(DrillTest, SwitchingModesRestartsWithAFreshRead) {
    startInCharacters(charList(304), 0.0);
    typeRightKeys(2);
    folder.writeGbk(QStringLiteral("zg.txt"), singleList(54) + QStringLiteral("\r\n"));
    random.draws.push_back(0.5);
    engine.startSingleRadicals();
    expectInvariants();
    EXPECT_EQ(engine.zg2Pos(), 13); // the other mode's state is left as it was
    expectSingleGroup({101, 105, 109, 113, 117});

    const QString other = charList(304, QStringLiteral("hjkl"), 0x5000);
    host.clear();
    startInCharacters(other, 0.9999999);
    EXPECT_EQ(engine.zg2Text(), other);
    expectCharacterGroup({898, 901, 904, 907, 910});
    EXPECT_EQ(engine.zgPos(), 117);
    EXPECT_EQ(view().Label3Left, 1790);
}

// Positions and lengths beyond the 16-bit range: a long list is walked to its
// end and wraps like any other.
TEST_F(DrillTest, ListsLongerThan32767CharactersAreWalkedToTheirEnd) {
    startSingle(singleList(8200), 0.0); // 32800 characters
    typeRightKeys(8200 - 5);
    expectSingleGroup({32781, 32785, 32789, 32793, 32797});
    typeRightKeys(5);
    expectSingleGroup({1, 5, 9, 13, 17});

    startInCharacters(charList(11000), 0.0); // 33000 characters
    typeRightKeys(11000 - 5);
    expectCharacterGroup({32986, 32989, 32992, 32995, 32998});
    typeRightKeys(5);
    expectCharacterGroup({1, 4, 7, 10, 13});
}

// ------------------------------------------------------------ bad list files

struct BadListCase {
    const char* name;
    Mode mode;
    std::optional<QByteArray> bytes; // none: no file
};

class BadListTest : public DrillTest, public testing::WithParamInterface<BadListCase> {};

TEST_P(BadListTest, EndsWithAMessageNamingTheFile) {
    const BadListCase& c = GetParam();
    const bool single = c.mode == Mode::SingleRadicals;
    const QString name = single ? QStringLiteral("zg.txt") : QStringLiteral("zg2.txt");
    if (c.bytes)
        folder.write(name, *c.bytes);
    random.draws.push_back(0.0);
    try {
        if (single)
            engine.startSingleRadicals();
        else
            engine.startRadicalsInCharacters();
        FAIL() << "the start did not fail";
    } catch (const FatalError& e) {
        EXPECT_EQ(e.file(), folder.file(name));
        EXPECT_TRUE(e.message().contains(name));
        EXPECT_TRUE(e.reason().contains(single ? QStringLiteral("单个字根图")
                                               : QStringLiteral("汉字中的字根图")))
            << e.reason().toStdString();
    }
    EXPECT_TRUE(host.pictures.isEmpty());
}

const BadListCase kBadLists[] = {
    {"SingleMissing", Mode::SingleRadicals, std::nullopt},
    {"SingleEmptyFile", Mode::SingleRadicals, QByteArray()},
    {"SingleOnlyBlanks", Mode::SingleRadicals, QByteArray("   ")},
    {"SingleEmptyLine", Mode::SingleRadicals, QByteArray("\r\n")},
    {"SingleEmptyFirstField", Mode::SingleRadicals, QByteArray(",gabc\r\n")},
    {"SingleNoWholeItem", Mode::SingleRadicals, QByteArray("gab\r\n")},
    {"CharactersMissing", Mode::RadicalsInCharacters, std::nullopt},
    {"CharactersEmptyFile", Mode::RadicalsInCharacters, QByteArray()},
    {"CharactersNoWholeItem", Mode::RadicalsInCharacters, QByteArray("g1\r\n")},
};
INSTANTIATE_TEST_SUITE_P(Cases, BadListTest, testing::ValuesIn(kBadLists), byName);

TEST_F(DrillTest, MissingPictureAtStartOrOfANewGroupPropagates) {
    host.missingPictures.insert(singleItem(2).right(3));
    folder.writeGbk(QStringLiteral("zg.txt"), singleList(54));
    random.draws.push_back(0.0);
    EXPECT_THROW(engine.startSingleRadicals(), FatalError);

    startInCharacters(charList(304), 0.0);
    host.missingPictures.insert(charItem(7).right(1));
    typeRightKeys(4);
    EXPECT_THROW(type(view().Label2), FatalError);
}

// ------------------------------------------------------------ keystroke check

// Starts a single-radical drill whose slots expect g, f, d, s, a.
class CheckTest : public DrillTest {
protected:
    void SetUp() override { startSingle(singleList(60), 0.0); }
};

TEST_F(CheckTest, WrongWrongRight) {
    type(QStringLiteral("x"));
    EXPECT_EQ(view().Label3Caption, kWrong);
    EXPECT_FALSE(view().Label4Visible);
    type(QStringLiteral("y"));
    EXPECT_EQ(view().Text1, QStringLiteral("xy"));
    EXPECT_EQ(view().Label3Caption, kWrong);
    EXPECT_FALSE(view().Label4Visible);
    EXPECT_EQ(engine.slotIndex(), 0);

    type(QStringLiteral("g"));
    EXPECT_TRUE(view().Text1.isEmpty());
    EXPECT_EQ(view().Label3Caption, kRight);
    EXPECT_FALSE(view().Label4Visible);
    EXPECT_EQ(engine.slotIndex(), 1); // frame and arrow one slot on: see expectInvariants
    EXPECT_EQ(view().Label5, QStringLiteral("2"));
    EXPECT_EQ(view().Label2, QStringLiteral("f"));
    EXPECT_EQ(visibleMark(view()), 12);
    EXPECT_EQ(host.backspaces.size(), 1u);
}

TEST_F(CheckTest, ThirdWrongKeyShowsTheHintCentredAboveTheArrow) {
    type(QStringLiteral("xy"));
    EXPECT_TRUE(host.widthAskedFor.isEmpty());
    type(QStringLiteral("z"));
    EXPECT_TRUE(view().Label4Visible);
    EXPECT_EQ(view().Label4Caption, kGHint);
    EXPECT_EQ(view().Label4Top, 450);
    // 18 characters of 240 twips in a window 12210 twips wide.
    EXPECT_EQ(view().Label4Left, (12210 - 18 * 240) / 2);
    EXPECT_EQ(host.widthAskedFor, QStringList{kGHint});

    host.outerWidth = 9000;
    type(QStringLiteral("w"));
    EXPECT_TRUE(view().Label4Visible);
    EXPECT_EQ(view().Label4Left, (9000 - 18 * 240) / 2);

    type(QStringLiteral("g"));
    EXPECT_FALSE(view().Label4Visible);
    EXPECT_EQ(view().Label3Caption, kRight);
}

TEST_F(CheckTest, LearnersBackspaceChecksTheNewLastCharacter) {
    type(QStringLiteral("xyz"));
    ASSERT_TRUE(view().Label4Visible);
    for (int n = 0; n < 3; ++n) {
        backspace();
        EXPECT_EQ(view().Label3Caption, kWrong);
        EXPECT_TRUE(view().Label4Visible); // a hint that is up stays up
        EXPECT_EQ(engine.slotIndex(), 0);
    }
    EXPECT_TRUE(view().Text1.isEmpty());
    EXPECT_TRUE(host.backspaces.empty());
}

TEST_F(CheckTest, WrongKeys) {
    const char* wrong[] = {"G", "f", "z", " ", "1", "\xef\xbd\x87" /* full-width g */};
    for (const char* key : wrong) {
        SCOPED_TRACE(key);
        type(QString::fromUtf8(key));
        EXPECT_EQ(view().Label3Caption, kWrong);
        EXPECT_EQ(engine.slotIndex(), 0);
        EXPECT_EQ(visibleMark(view()), 13);
    }
}

TEST_F(CheckTest, OnlyTheLastCharacterCounts) {
    engine.text1Changed(QStringLiteral("xyg"));
    expectInvariants();
    EXPECT_EQ(engine.slotIndex(), 1);
    EXPECT_TRUE(view().Text1.isEmpty());
    engine.text1Changed(QStringLiteral("fx"));
    expectInvariants();
    EXPECT_EQ(engine.slotIndex(), 1);
    EXPECT_EQ(view().Label3Caption, kWrong);
}

TEST_F(CheckTest, RightKeyStepsRunInOrder) {
    // A right key at once still runs the nested check on the emptied box.
    type(QStringLiteral("g"));
    ASSERT_EQ(host.backspaces.size(), 1u);
    EXPECT_EQ(host.backspaces[0].arrow, kWrong);
    EXPECT_FALSE(host.backspaces[0].hintVisible);

    type(QStringLiteral("xyz"));
    type(QStringLiteral("f"));
    // When the Backspace is posted the box is empty and the nested check has
    // marked the arrow; hint, arrow and marks are put right only afterwards.
    ASSERT_EQ(host.backspaces.size(), 2u);
    const auto& seen = host.backspaces[1];
    EXPECT_TRUE(seen.text1.isEmpty());
    EXPECT_EQ(seen.arrow, kWrong);
    EXPECT_TRUE(seen.hintVisible);
    EXPECT_TRUE(seen.marks[12]);
    EXPECT_EQ(view().Label3Caption, kRight);
    EXPECT_FALSE(view().Label4Visible);
    EXPECT_EQ(visibleMark(view()), 11);
}

TEST_F(CheckTest, EchoOfTheClearedBoxChangesNothing) {
    type(QStringLiteral("g"));
    const DrillView before = view();
    engine.text1Changed(QString());
    EXPECT_EQ(view().Label3Caption, kRight);
    EXPECT_EQ(view().Label2, before.Label2);
    EXPECT_EQ(engine.slotIndex(), 1);
    EXPECT_EQ(host.backspaces.size(), 1u);
}

TEST_F(CheckTest, FifthRightKeyRefillsAndTurnsSlotNumberToOne) {
    QStringList slotNumbers;
    for (int n = 0; n < 5; ++n) {
        type(view().Label2);
        slotNumbers.append(view().Label5);
    }
    EXPECT_EQ(slotNumbers, (QStringList{"2", "3", "4", "5", "1"}));
    expectSingleGroup({21, 25, 29, 33, 37});
    EXPECT_EQ(view().Label2, QStringLiteral("h"));
    EXPECT_EQ(visibleMark(view()), 14);
    EXPECT_EQ(host.backspaces.size(), 5u);
}

TEST_F(DrillTest, ExpectedKeyWithoutARowKeepsTheCaptionButShowsTheHint) {
    // Slots expect z, G, g, ...
    startSingle(singleList(60, QStringLiteral("zGg")), 0.0);
    EXPECT_EQ(visibleMark(view()), std::nullopt);
    type(QStringLiteral("xyw"));
    EXPECT_TRUE(view().Label4Visible);
    EXPECT_EQ(view().Label4Caption, kDesignHint);
    EXPECT_EQ(view().Label4Top, 450);
    EXPECT_EQ(view().Label4Left, (12210 - 240 * static_cast<int>(kDesignHint.size())) / 2);

    type(QStringLiteral("z")); // right: z is what the slot holds
    EXPECT_EQ(engine.slotIndex(), 1);
    type(QStringLiteral("G")); // right: exact match
    type(QStringLiteral("abc"));
    EXPECT_EQ(view().Label4Caption, kGHint);
    type(QStringLiteral("g"));
    // Next slot expects z again: the g hint stays as the caption.
    type(QStringLiteral("abc"));
    EXPECT_TRUE(view().Label4Visible);
    EXPECT_EQ(view().Label4Caption, kGHint);
}

TEST_F(CheckTest, ChoosingAModeWithWrongLettersInTheBox) {
    type(QStringLiteral("xyz"));
    ASSERT_TRUE(view().Label4Visible);
    startInCharacters(charList(304), 0.0);
    EXPECT_TRUE(view().Text1.isEmpty());
    EXPECT_FALSE(view().Label4Visible);
    EXPECT_EQ(view().Label3Caption, kWrong);
    type(QStringLiteral("x"));
    EXPECT_EQ(view().Label3Caption, kWrong);
    typeRightKeys(1);
    EXPECT_EQ(view().Label3Caption, kRight);
}

TEST_F(CheckTest, ChoosingAModeWithAnEmptyBoxKeepsTheArrow) {
    typeRightKeys(1);
    startSingle(singleList(60), 0.5);
    EXPECT_EQ(view().Label3Caption, kRight);

    type(QStringLiteral("x"));
    backspace();
    ASSERT_EQ(view().Label3Caption, kWrong);
    startSingle(singleList(60), 0.5);
    EXPECT_EQ(view().Label3Caption, kWrong);
}

TEST_F(DrillTest, NoListLoadedExpectsNothing) {
    // A saved mode other than "1" or "2": no start runs.
    engine.setSlotNo(1);
    engine.keytisi();
    EXPECT_EQ(visibleMark(view()), std::nullopt);
    engine.text1Changed(QStringLiteral("a"));
    engine.text1Changed(QString());
    EXPECT_EQ(view().Label3Caption, kWrong);
    EXPECT_EQ(engine.slotIndex(), 0);
    EXPECT_TRUE(host.pictures.isEmpty());
    EXPECT_TRUE(host.backspaces.empty());
}

// -------------------------------------------------------------------- keytisi

struct MarkCase {
    const char* name; // key of the current slot
    std::optional<int> mark;
};

class KeytisiTest : public DrillTest, public testing::WithParamInterface<MarkCase> {};

TEST_P(KeytisiTest, ShowsOnlyThePairOfTheCurrentKey) {
    const MarkCase& c = GetParam();
    startSingle(singleList(60, QString::fromLatin1(c.name) + QStringLiteral("f")), 0.0);
    EXPECT_EQ(visibleMark(view()), c.mark);
    engine.keytisi();
    engine.keytisi();
    EXPECT_EQ(visibleMark(view()), c.mark);
}

const MarkCase kMarks[] = {
    {"g", 13},
    {"p", 24},
    {"a", 9},
    {"z", std::nullopt},
};
INSTANTIATE_TEST_SUITE_P(Cases, KeytisiTest, testing::ValuesIn(kMarks), byName);

TEST_F(CheckTest, KeytisiReadsTheSlotNumber) {
    engine.setSlotNo(3);
    engine.keytisi();
    EXPECT_EQ(visibleMark(view()), 11); // d, the key of slot 3
    engine.setSlotNo(1);
    engine.keytisi();
    EXPECT_EQ(visibleMark(view()), 13);
}

} // namespace

namespace {

using radiane::drill::DrillKind;
using radiane::drill::JudgedKey;

// Keeps what the drill reports, one line per event.
class KeyLog : public radiane::drill::JudgedKeyObserver {
public:
    QStringList lines;
    void drillStarted(DrillKind drill) override {
        lines.append(QStringLiteral("start %1").arg(static_cast<int>(drill)));
    }
    void keyJudged(const JudgedKey& key) override {
        lines.append(QStringLiteral("%1%2 %3>%4 %5")
                         .arg(key.item, key.part, key.expected, key.typed,
                              key.right ? QStringLiteral("right") : QStringLiteral("wrong")));
    }
    void groupFinished() override { lines.append(QStringLiteral("group")); }
};

struct ObserverCase {
    const char* name;
    Mode mode;
    const char* keys; // '<' is the learner's Backspace
    QStringList expected;
};

class ObserverTest : public DrillTest, public testing::WithParamInterface<ObserverCase> {};

} // namespace

// Every key the learner types is reported once, with the item it was asked for;
// the drill's own clearing of the box and a Backspace are not keys.
TEST_P(ObserverTest, ReportsEachTypedKey) {
    const ObserverCase& c = GetParam();
    KeyLog log;
    engine.setObserver(&log);
    start(c.mode, c.mode == Mode::SingleRadicals ? singleList(60) : charList(310), 0.0);
    for (const char key : std::string(c.keys)) {
        if (key == '<')
            backspace();
        else
            type(QString(QChar(key)));
    }
    EXPECT_EQ(log.lines, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Drill, ObserverTest,
    testing::Values(ObserverCase{"RightKeyOfARadical",
                                 Mode::SingleRadicals,
                                 "g",
                                 {"start 0", "一00 g>g right"}},
                    ObserverCase{"WrongThenRight",
                                 Mode::SingleRadicals,
                                 "xg",
                                 {"start 0", "一00 g>x wrong", "一00 g>g right"}},
                    ObserverCase{"BackspaceIsNoKey",
                                 Mode::SingleRadicals,
                                 "x<g",
                                 {"start 0", "一00 g>x wrong", "一00 g>g right"}},
                    ObserverCase{"AGroupEndsAfterItsFifthRightKey",
                                 Mode::SingleRadicals,
                                 "gfdsa",
                                 {"start 0", "一00 g>g right", "一01 f>f right", "一02 d>d right",
                                  "一03 s>s right", "一04 a>a right", "group"}},
                    ObserverCase{"CharacterAndPart",
                                 Mode::RadicalsInCharacters,
                                 "qg",
                                 {"start 1", "一1 g>q wrong", "一1 g>g right"}}),
    byName);

#include "codes/codedrill.h"
#include "codes/keymeaning.h"

#include <gtest/gtest.h>

using namespace radiane::codes;

namespace {

CodeItem item(const char16_t* character, const char16_t* full, const char16_t* shortCode,
              int radicals) {
    CodeItem i;
    i.character = QString::fromUtf16(character);
    i.fullCode = QString::fromUtf16(full);
    i.shortCode = QString::fromUtf16(shortCode);
    for (int k = 0; k < radicals; ++k)
        i.radicals[k] = true;
    return i;
}

// Real codes: 的 and 经 end with a radical and an identification key, 地 and 有
// have three keys, 有's and 为's one-key codes are not their first key. One-key
// codes come in keyboard order: 地 F, 的 R, 有 E, 为 O, 经 X.
const CodeSet kSet({item(u"的", u"rqyy", u"r", 3), item(u"地", u"fbn", u"f", 2),
                    item(u"有", u"def", u"e", 2), item(u"为", u"ylyi", u"o", 3),
                    item(u"如", u"vkg", u"vk", 2), item(u"经", u"xcag", u"x", 3)});

// The drill after keys: '<' is the Backspace.
QString after(Level level, const QString& keys) {
    FrequencyOrder order;
    CodeDrill drill(kSet, order);
    drill.start(level);
    for (const QChar key : keys) {
        if (key == u'<')
            drill.backspace();
        else
            drill.type(key);
    }
    const CodeDrillView& v = drill.view();
    QStringList painted;
    for (const int part : v.painted)
        painted.append(QString::number(part));
    return QStringLiteral("%1 typed=%2 painted=%3 misses=%4%5 done=%6 note=%7 hint=%8")
        .arg(v.character, v.typed, painted.join(u','), QString::number(v.misses),
             v.wrong ? QStringLiteral("×") : QString(), QString::number(v.charactersDone), v.note,
             v.hint.left(7));
}

struct Case {
    const char* name;
    Level level;
    const char16_t* keys;
    const char16_t* expected;
};

const Case kCases[] = {
    {"one key waits for the space bar", Level::OneKey, u"f",
     u"地 typed=f painted=1 misses=0 done=0 note= hint="},
    {"one key and space brings the next", Level::OneKey, u"F ",
     u"的 typed= painted= misses=0 done=1 note= hint="},
    {"one-key code of another radical paints it", Level::OneKey, u"f r e",
     u"有 typed=e painted=2 misses=0 done=2 note= hint="},
    {"one-key code of no radical paints nothing", Level::OneKey, u"f r e o",
     u"为 typed=o painted= misses=0 done=3 note=O：简码键，不是“为”的字根 hint="},
    {"wrong key is refused", Level::OneKey, u"q",
     u"地 typed= painted= misses=1× done=0 note= hint="},
    {"third miss shows the verse", Level::OneKey, u"qqq",
     u"地 typed= painted= misses=3× done=0 note= hint=提示：F 键："},
    {"letter where the space bar is due", Level::OneKey, u"ff",
     u"地 typed=f painted=1 misses=1× done=0 note= hint="},
    {"a right key clears the misses", Level::OneKey, u"qqf",
     u"地 typed=f painted=1 misses=0 done=0 note= hint="},
    {"missed character comes back three later", Level::OneKey, u"qf r e o ",
     u"地 typed= painted= misses=0 done=4 note= hint="},
    {"two keys and space", Level::TwoKeys, u"vk ",
     u"如 typed= painted= misses=0 done=1 note= hint="},
    {"full code at the two-key level is wrong", Level::TwoKeys, u"vkg",
     u"如 typed=vk painted=1,2 misses=1× done=0 note= hint="},
    {"four keys complete without space", Level::FullCodes, u"rqyy",
     u"地 typed= painted= misses=0 done=1 note= hint="},
    {"identification key names stroke and shape", Level::FullCodes, u"rqyyfbn",
     u"地 typed=fbn painted=1,2 misses=0 done=1 note=N：末笔乙，左右型 hint="},
    {"three keys end with the space bar", Level::FullCodes, u"rqyyfbn ",
     u"有 typed= painted= misses=0 done=2 note= hint="},
    {"space before the code is complete", Level::FullCodes, u"rq ",
     u"的 typed=rq painted=1,2 misses=1× done=0 note= hint="},
    {"space bar due: repeated misses say so", Level::FullCodes, u"rqyyfbnxxx",
     u"地 typed=fbn painted=1,2 misses=3× done=1 note=N：末笔乙，左右型 hint=提示：编码已打"},
    {"backspace takes back a radical", Level::FullCodes, u"rq<",
     u"的 typed=r painted=1 misses=0 done=0 note= hint="},
    {"backspace takes back the identification key", Level::FullCodes, u"rqyyfbn<",
     u"地 typed=fb painted=1,2 misses=0 done=1 note= hint="},
    {"backspace after a wrong key clears its mark", Level::FullCodes, u"rxx<",
     u"的 typed=r painted=1 misses=2 done=0 note= hint="},
    {"backspace on nothing typed", Level::FullCodes, u"<<r",
     u"的 typed=r painted=1 misses=0 done=0 note= hint="},
    {"backspace after a completed code stays", Level::OneKey, u"f <",
     u"的 typed= painted= misses=0 done=1 note= hint="},
};

class KeySequences : public testing::TestWithParam<Case> {};

TEST_P(KeySequences, LeaveTheDrillAsExpected) {
    const Case& c = GetParam();
    EXPECT_EQ(after(c.level, QString::fromUtf16(c.keys)).toStdString(),
              QString::fromUtf16(c.expected).toStdString());
}

INSTANTIATE_TEST_SUITE_P(CodeDrill, KeySequences, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& info) {
                             std::string name;
                             for (const char* p = info.param.name; *p; ++p)
                                 name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             return name;
                         });

// Every judged key reaches the observer: the radical it codes, none for the
// identification key and the space bar.
class Log : public radiane::drill::JudgedKeyObserver {
public:
    QStringList keys;
    int starts = 0;
    void drillStarted(radiane::drill::DrillKind) override { ++starts; }
    void keyJudged(const radiane::drill::JudgedKey& k) override {
        keys.append(k.item + k.part + u':' + k.expected + k.typed + (k.right ? u'+' : u'-'));
    }
};

TEST(CodeDrill, ReportsEveryJudgedKey) {
    FrequencyOrder order;
    CodeDrill drill(kSet, order);
    Log log;
    drill.setObserver(&log);
    drill.start(Level::FullCodes);
    for (const QChar key : QStringLiteral("rqyyfbmn< "))
        key == u'<' ? void(drill.backspace()) : void(drill.type(key));
    EXPECT_EQ(log.starts, 1);
    EXPECT_EQ(log.keys.join(u' ').toStdString(),
              "的1:rr+ 的2:qq+ 的3:yy+ 的:yy+ 地1:ff+ 地2:bb+ 地:nm- 地:nn+ 地:n -");
}

// A radical that is a character: its first key paints it whole; the keys after
// it stand for its strokes, or for the key again. Character, code, key index →
// part painted and note.
TEST(CodeDrill, NamesTheKeysOfARadicalThatIsACharacter) {
    const QString cases = QStringLiteral(
        "工aaaa0 1 |工aaaa3 0 A：键名字，连打四下|上hhgg1 0 H：首笔丨|上hhgg2 0 G：次笔一|"
        "上hhgg3 0 G：末笔一|了bnh2 0 H：末笔丨|一ggll1 0 G：首笔一|一ggll2 0 L：单笔画，补足四码");
    for (const QString& c : cases.split(u'|')) {
        const QString key = c.section(u' ', 0, 0);
        CodeItem whole = item(u"", u"", u"", 1);
        whole.character = key.left(1);
        whole.fullCode = key.mid(1, key.size() - 2);
        whole.wholeRadical = true;
        const int index = key.back().digitValue();
        EXPECT_EQ(key + QStringLiteral(" %1 %2")
                            .arg(meaningOf(whole, whole.fullCode, index).part)
                            .arg(keyNote(whole, whole.fullCode, index)),
                  c);
    }
}

} // namespace

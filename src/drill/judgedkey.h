#pragma once

#include <QChar>
#include <QString>

namespace radiane::drill {

// Which way of practising a key was judged in. Stored by name in the progress
// file, so a value once shipped keeps its meaning.
enum class DrillKind {
    SingleRadicals,       // the radical pictures of zg.txt
    RadicalsInCharacters, // the characters of zg2.txt, one radical painted
    Practice,             // targeted practice on chosen keys
    Codes,                // whole codes of characters, level not told (earlier keys)
    CodesOneKey,          // whole codes: 一级简码
    CodesTwoKeys,         // whole codes: 二级简码
    CodesFull             // whole codes: full codes
};

inline bool isCodeDrill(DrillKind kind) {
    return kind == DrillKind::Codes || kind == DrillKind::CodesOneKey ||
           kind == DrillKind::CodesTwoKeys || kind == DrillKind::CodesFull;
}

// One key the learner typed and the drill judged.
struct JudgedKey {
    DrillKind drill = DrillKind::SingleRadicals;
    QString item;   // a radical's picture name, or a character
    QString part;   // the character's radical number ("1".."4"); empty for a radical
    QChar expected; // the key asked for
    QChar typed;    // the key typed
    bool right = false;
};

// Told of every judged key, so a recorder outside the drill can keep them.
// Answer times are the observer's to measure: a slot becomes current when a
// drill starts and after each right key.
class JudgedKeyObserver {
public:
    virtual ~JudgedKeyObserver() = default;
    virtual void drillStarted(DrillKind drill) = 0;
    virtual void keyJudged(const JudgedKey& key) = 0;
    // The five slots of a group are answered; a good moment to save.
    virtual void groupFinished() {}
};

} // namespace radiane::drill

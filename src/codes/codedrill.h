#pragma once

#include "codes/codeset.h"
#include "codes/itemorder.h"
#include "drill/judgedkey.h"

#include <QChar>
#include <QString>
#include <vector>

namespace radiane::codes {

// A wrong key at the same place for the third time shows the expected key's
// radical and verse, as in the radical drill.
inline constexpr int kMissesBeforeHint = 3;
inline constexpr QChar kSpace = u' ';

// The drill kind a level's keys are recorded under.
drill::DrillKind drillKindOf(Level level);

// A character whose code was typed to the end, shown until the next one is.
struct FinishedCode {
    QString character;
    QString code;
    std::vector<int> painted; // every radical its keys coded
    QString note;             // what its last letter key stands for, when no radical
};

// Everything the code drill window shows.
struct CodeDrillView {
    QString character;
    QString code; // the keys to type, lower-case, without the space bar
    bool endsWithSpace = false;
    QString typed;            // the right keys typed so far
    std::vector<int> painted; // radicals (1..4) painted black, in typing order
    QString note;             // what the last right key stands for, when it is no radical
    QChar expected;           // the key asked for now: a letter, or kSpace
    bool wrong = false;       // the last key was wrong
    int misses = 0;           // wrong keys at this place
    QString hint;             // "提示：…" with the verse, after repeated misses
    QString hintPicture;      // picture name of the radical the expected key codes
    FinishedCode previous;    // the last character done
    int charactersDone = 0;
    int keysRight = 0;
    int keysWrong = 0;
};

// The code drill as a state machine without a window: a character is shown, the
// learner types its code key by key; each right key paints the radical it codes,
// a wrong key is refused and marked. The code complete (with the space bar where
// it ends with one), the next character comes.
class CodeDrill {
public:
    enum class KeyResult { Right, Wrong, Completed };

    // set and order must outlive the drill.
    CodeDrill(const CodeSet& set, CodeItemOrder& order) : set_(set), order_(order) {}

    // Told of every judged key; none by default. Not owned.
    void setObserver(drill::JudgedKeyObserver* observer) { observer_ = observer; }

    // Starts a level at its most frequent character. False when the level has no
    // character (the view is then empty).
    bool start(Level level);
    Level level() const { return level_; }
    const std::vector<const CodeItem*>& items() const { return items_; }

    // A key typed: a letter (either case) or the space bar; anything else is a
    // wrong key. Before a start every key is wrong and judged against nothing.
    KeyResult type(QChar key);
    // Right after a wrong key, clears its mark; else takes back the last right
    // key of this character and the paint of its radical. False when there was
    // nothing to take back.
    bool backspace();

    const CodeDrillView& view() const { return view_; }

private:
    void show(std::size_t index);
    void judged(QChar typed, bool right, int part);
    void updateHint();

    const CodeSet& set_;
    CodeItemOrder& order_;
    drill::JudgedKeyObserver* observer_ = nullptr;
    Level level_ = Level::OneKey;
    std::vector<const CodeItem*> items_;
    std::size_t current_ = 0;
    bool missed_ = false;
    CodeDrillView view_;
};

} // namespace radiane::codes

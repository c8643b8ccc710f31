#pragma once

#include "drill/itemsource.h"
#include "drill/judgedkey.h"
#include "drill/keyhinttable.h"
#include "drill/listwalker.h"

#include <QString>
#include <array>
#include <cstdint>
#include <functional>

namespace radiane::drill {

inline constexpr int kMarkCount = 25;

// Layout values (twips) the drill moves. Slot i stands 1980 twips right of slot 0.
inline constexpr int kSlotStep = 1980;
inline constexpr int kArrowLeft0 = 1790;
inline constexpr int kArrowTop = 2595;
inline constexpr int kFrameLeft0 = 1092;
inline constexpr int kFrameTop = 720;
inline constexpr int kHintAboveArrow = 2145;

enum class Mode {
    SingleRadicals = 1,       // Option1, zg.txt, items of 4 characters
    RadicalsInCharacters = 2, // Option2, zg2.txt, items of 3 characters
    Practice = 3              // items from a source outside the drill, neither option
};

// Calls from the drill out to the window layer.
class DrillHost {
public:
    virtual ~DrillHost() = default;
    // Load bmp/<name>.bmp of the program folder into Picture1(slot).
    // Throws radiane::FatalError when the picture is missing or unreadable.
    virtual void loadPicture(int slot, const QString& name) = 0;
    // The lookup (click of Command1): finds Text23 in the code database and
    // paints the radical Label7(slotIndex) names into Picture1(slotIndex).
    virtual void runLookup() = 0;
    // Immediate redraw of the given mode's option button.
    virtual void repaintOptionButton(Mode mode) = 0;
    // Post one Backspace key press to Text1; it arrives after the handler returns.
    virtual void postBackspace() = 0;
    // Width in twips that Label4 takes with this caption (it sizes itself to it).
    virtual int hintWidthFor(const QString& caption) = 0;
    // The main window's outer width in twips (frame included).
    virtual int windowOuterWidth() = 0;
};

// Uniform random numbers in [0, 1), reseeded from the clock at every drill start.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double reseedAndDraw() = 0;
};

// Everything the drill shows, named after the controls that show it. Positions
// in twips relative to the main window's client area (marks: relative to Picture5).
struct DrillView {
    std::array<QString, kSlotCount> Label1; // key letter of each slot
    std::array<QString, kSlotCount> Label6; // character of each slot (mode 2)
    std::array<QString, kSlotCount> Label7; // part number of each slot (mode 2)
    QString Label2;                         // expected key now
    QString Label3Caption = QStringLiteral("↑");
    int Label3Left = kArrowLeft0;
    int Label3Top = kArrowTop;
    int Shape11Left = kFrameLeft0;
    int Shape11Top = kFrameTop;
    QString Label4Caption = QStringLiteral("提示：a　口诀：王旁青头戋（兼）五笔　例字：表　青　");
    bool Label4Visible = false;
    int Label4Left = 2895;
    int Label4Top = 450;
    QString Label5 = QStringLiteral("1");
    QString Text23;
    QString Text1;
    std::array<bool, kMarkCount> Shape1Visible{}; // red key marks, keyboard order
    std::array<bool, kMarkCount> Shape2Visible{}; // white key marks
};

// The radical drill as a state machine without a window: feed it the text of
// the answer box and mode choices, read back what the window shows.
class DrillEngine {
public:
    DrillEngine(QString programFolder, DrillHost& host, RandomSource& random);

    // Drill starts (choosing Option1 / Option2). Throw radiane::FatalError for a
    // missing, empty or unusable list file, or a missing picture.
    void startSingleRadicals();
    void startRadicalsInCharacters();
    // Practice: every group from source (not owned; it must outlive the drill
    // or a later start). Radicals show as in mode 1, characters as in mode 2.
    void startPractice(ItemSource& source);

    // The change handler of Text1: the answer box now holds text. A text equal
    // to what the box already holds is no change and runs nothing, so the window
    // may echo the engine's own clearing of the box back without effect.
    // May throw radiane::FatalError (a picture of a new group is missing).
    void text1Changed(const QString& text);

    // Marks the expected key of the current slot on the keyboard.
    void keytisi();
    // Told of every key typed and judged; none by default. Not owned.
    void setObserver(JudgedKeyObserver* observer) { observer_ = observer; }
    void setSlotNo(std::uint8_t slotNo) { slotNo_ = slotNo; }

    Mode mode() const { return mode_; }
    // The selected option button; changes without starting a drill (load with
    // a saved mode other than "1"/"2" keeps Option1 selected, no list loaded).
    void setMode(Mode mode) { mode_ = mode; }

    const DrillView& view() const { return view_; }
    std::uint8_t slotNo() const { return slotNo_; }
    std::uint8_t slotIndex() const { return slotIndex_; }
    int zgPos() const { return singleList_.pos(); }
    int zgLen() const { return singleList_.length(); }
    int zg2Pos() const { return charactersList_.pos(); }
    int zg2Len() const { return charactersList_.length(); }
    const QString& zgText() const { return singleList_.text(); }
    const QString& zg2Text() const { return charactersList_.text(); }
    // What slot i asks for now.
    const DrillItem& slotItem(int slot) const { return slotItems_.at(slot); }

private:
    void placeMarkerOnFirstSlot();
    // A group filled: the first slot is asked for, as a start of the given drill.
    void showFirstSlot(DrillKind drill);
    void fillGroup(ItemSource& source);
    ItemSource* currentSource();
    // Text1 set from code: a change runs the check, nested, as typing does.
    void setText1(const QString& text);
    void check(bool keyTyped);
    void reportJudged(bool right);
    void rightKey();
    void wrongKey();

    QString programFolder_;
    DrillHost& host_;
    RandomSource& random_;
    Mode mode_ = Mode::SingleRadicals;
    DrillView view_;
    JudgedKeyObserver* observer_ = nullptr;
    DrillGroup slotItems_;
    std::uint8_t slotNo_ = 0;
    std::uint8_t slotIndex_ = 0;
    ListWalker singleList_{ListWalker::Layout::Radicals};
    ListWalker charactersList_{ListWalker::Layout::Characters};
    ItemSource* practice_ = nullptr;
};

} // namespace radiane::drill

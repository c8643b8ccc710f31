#include "drill/drillengine.h"

#include "common/fatalerror.h"
#include "common/textfield.h"

#include <algorithm>
#include <cmath>

namespace radiane::drill {

namespace {

// What a start needs to know about one of the two lists. A start takes five
// items from one of the first 50 (resp. 300) item boundaries without wrapping,
// so a list needs 54 (resp. 304) whole items for that.
struct ListFile {
    const char16_t* fileName; // in the program folder
    const char16_t* modeCaption;
    int itemWidth;    // characters per item
    int randomStarts; // a start picks one of the first randomStarts items
    int minimumItems; // the fewest whole items that never run past the end
};

const ListFile kSingle{u"zg.txt", u"单个字根图", 4, 50, 54};
const ListFile kInCharacters{u"zg2.txt", u"汉字中的字根图", 3, 300, 304};

// Reads the list (first field of its file) or throws FatalError.
QString readList(const QString& programFolder, const ListFile& list) {
    const QString path = programFolder + QStringLiteral("/") + QString::fromUtf16(list.fileName);
    const QString caption = QString::fromUtf16(list.modeCaption);
    const FieldRead read = readFirstField(path, GbkCheck::Strict);
    if (!read.ok())
        throw FatalError(path, QStringLiteral("%1，无法开始“%2”练习。").arg(read.reason, caption));
    // Without one whole item the drill has no key to ask for and no picture to show.
    if (read.value.size() < list.itemWidth)
        throw FatalError(path, QStringLiteral("练习列表里没有一个完整的条目（每条 %1 个字符），"
                                              "无法开始“%2”练习。")
                                   .arg(list.itemWidth)
                                   .arg(caption));
    return read.value;
}

bool isShort(const ListFile& list, int length) {
    return length / list.itemWidth < list.minimumItems;
}

// The 1-based position of a start's first item: a random item boundary.
int drawStart(RandomSource& random, const ListFile& list, int length) {
    const double r = random.reseedAndDraw();
    // A list shorter than the minimum draws among its own whole items, so the
    // five items taken (with the wrap) never run past its end.
    const int starts = isShort(list, length) ? length / list.itemWidth : list.randomStarts;
    // A draw outside [0, 1) (a faulty source) still lands on a whole item.
    const double scaled = std::floor(r * starts);
    const int item = scaled >= 0 ? static_cast<int>(std::min<double>(scaled, starts - 1)) : 0;
    return item * list.itemWidth + 1;
}

} // namespace

DrillEngine::DrillEngine(QString programFolder, DrillHost& host, RandomSource& random)
    : programFolder_(std::move(programFolder)), host_(host), random_(random) {}

void DrillEngine::placeMarkerOnFirstSlot() {
    view_.Label3Top = kArrowTop;
    view_.Label3Left = kArrowLeft0;
    view_.Shape11Left = kFrameLeft0;
    view_.Shape11Top = kFrameTop;
}

void DrillEngine::startSingleRadicals() {
    mode_ = Mode::SingleRadicals;
    host_.repaintOptionButton(Mode::RadicalsInCharacters);
    view_.Label4Visible = false;
    setText1(QString());
    slotIndex_ = 0;
    placeMarkerOnFirstSlot();

    QString text = readList(programFolder_, kSingle);
    const int length = static_cast<int>(text.size());
    const int pos = drawStart(random_, kSingle, length) - kSingle.itemWidth;
    singleList_.restart(std::move(text), pos, isShort(kSingle, length));
    fillGroup(singleList_);

    view_.Label2 = view_.Label1[0];
    slotIndex_ = 0;
    slotNo_ = 1;
    keytisi();
    if (observer_)
        observer_->drillStarted(DrillKind::SingleRadicals);
}

void DrillEngine::startRadicalsInCharacters() {
    mode_ = Mode::RadicalsInCharacters;
    host_.repaintOptionButton(Mode::SingleRadicals);
    view_.Label4Visible = false;
    setText1(QString());
    slotIndex_ = 0;
    placeMarkerOnFirstSlot();

    QString text = readList(programFolder_, kInCharacters);
    const int length = static_cast<int>(text.size());
    const int pos = drawStart(random_, kInCharacters, length) - kInCharacters.itemWidth;
    charactersList_.restart(std::move(text), pos, isShort(kInCharacters, length));
    fillGroup(charactersList_);

    showFirstSlot(DrillKind::RadicalsInCharacters);
}

void DrillEngine::startPractice(ItemSource& source) {
    mode_ = Mode::Practice;
    practice_ = &source;
    view_.Label4Visible = false;
    setText1(QString());
    slotIndex_ = 0;
    placeMarkerOnFirstSlot();
    fillGroup(source);

    showFirstSlot(DrillKind::Practice);
}

void DrillEngine::showFirstSlot(DrillKind drill) {
    view_.Label2 = view_.Label1[0];
    view_.Text23 = view_.Label6[0];
    slotIndex_ = 0;
    slotNo_ = 1;
    keytisi();
    if (observer_)
        observer_->drillStarted(drill);
}

ItemSource* DrillEngine::currentSource() {
    switch (mode_) {
    case Mode::SingleRadicals:
        return &singleList_;
    case Mode::RadicalsInCharacters:
        return &charactersList_;
    case Mode::Practice:
        return practice_;
    }
    return nullptr;
}

void DrillEngine::fillGroup(ItemSource& source) {
    slotItems_ = source.nextGroup();
    for (int i = 0; i < kSlotCount; ++i) {
        const DrillItem& item = slotItems_[i];
        view_.Label1[i] = item.key;
        if (item.kind == DrillItem::Kind::Radical) {
            // Modes 1 and 2 keep each other's labels; practice mixes both kinds.
            if (mode_ == Mode::Practice) {
                view_.Label6[i].clear();
                view_.Label7[i].clear();
            }
            host_.loadPicture(i, item.picture);
            continue;
        }
        view_.Label7[i] = item.part;
        view_.Label6[i] = item.character;
        host_.loadPicture(i, item.character);
        // The lookup reads the slot being filled from slotIndex.
        slotIndex_ = static_cast<std::uint8_t>(i);
        view_.Text23 = view_.Label6[i];
        host_.runLookup();
    }
}

void DrillEngine::setText1(const QString& text) {
    if (view_.Text1 == text)
        return;
    // A longer text is a key typed; the drill's own clearing and a Backspace are not.
    const bool keyTyped = text.size() > view_.Text1.size();
    view_.Text1 = text;
    check(keyTyped);
}

void DrillEngine::text1Changed(const QString& text) {
    setText1(text);
}

void DrillEngine::check(bool keyTyped) {
    // Only the last character typed counts. An empty box is always a wrong
    // answer, also before any list is loaded (when no key is expected).
    const QString last = view_.Text1.right(1);
    const bool right = !last.isEmpty() && last == view_.Label2;
    if (keyTyped)
        reportJudged(right);
    if (right)
        rightKey();
    else
        wrongKey();
}

void DrillEngine::reportJudged(bool right) {
    if (!observer_ || view_.Label2.isEmpty() || slotIndex_ >= kSlotCount)
        return;
    JudgedKey key;
    key.expected = view_.Label2.front();
    key.typed = view_.Text1.back();
    key.right = right;
    switch (mode_) {
    case Mode::SingleRadicals:
        key.drill = DrillKind::SingleRadicals;
        break;
    case Mode::RadicalsInCharacters:
        key.drill = DrillKind::RadicalsInCharacters;
        break;
    case Mode::Practice:
        key.drill = DrillKind::Practice;
        break;
    }
    const DrillItem& item = slotItems_[slotIndex_];
    if (item.kind == DrillItem::Kind::Radical) {
        key.item = item.picture;
    } else {
        key.item = item.character;
        key.part = item.part;
    }
    observer_->keyJudged(key);
}

void DrillEngine::rightKey() {
    ++slotIndex_;
    ++slotNo_;
    if (slotNo_ == 6)
        slotNo_ = 1;
    view_.Label5 = QString::number(slotNo_);

    const bool groupDone = slotIndex_ == kSlotCount;
    if (groupDone) {
        view_.Label3Left = kArrowLeft0;
        view_.Shape11Left = kFrameLeft0;
    } else {
        view_.Label3Left += kSlotStep;
        view_.Shape11Left += kSlotStep;
    }

    if (groupDone && observer_)
        observer_->groupFinished();
    if (groupDone) {
        if (ItemSource* source = currentSource()) {
            fillGroup(*source);
            view_.Label2 = view_.Label1[0];
            slotIndex_ = 0;
        }
    }

    view_.Text23 = view_.Label6[slotIndex_];
    view_.Label2 = view_.Label1[slotIndex_];

    // Emptying the box runs the check once more (a wrong answer on an empty
    // box, which marks the arrow); the two steps after the Backspace undo it.
    setText1(QString());
    host_.postBackspace();
    view_.Label4Visible = false;
    view_.Label3Caption = QStringLiteral("↑");
    keytisi();
}

void DrillEngine::wrongKey() {
    view_.Label3Caption = QStringLiteral("↑×");
    if (view_.Text1.size() <= 2)
        return;
    // From the third character in the box on, the verse of the expected key
    // stands centred across the window above the row.
    if (const KeyHintRow* row = findKeyHint(view_.Label2))
        view_.Label4Caption = hintText(*row);
    view_.Label4Top = view_.Label3Top - kHintAboveArrow;
    view_.Label4Left = (host_.windowOuterWidth() - host_.hintWidthFor(view_.Label4Caption)) / 2;
    view_.Label4Visible = true;
}

void DrillEngine::keytisi() {
    view_.Shape1Visible.fill(false);
    view_.Shape2Visible.fill(false);
    if (slotNo_ < 1 || slotNo_ > kSlotCount)
        return;
    if (const KeyHintRow* row = findKeyHint(view_.Label1[slotNo_ - 1])) {
        view_.Shape1Visible[row->markIndex] = true;
        view_.Shape2Visible[row->markIndex] = true;
    }
}

} // namespace radiane::drill

#include "codes/codedrill.h"

#include "codes/keymeaning.h"
#include "drill/keyhinttable.h"

namespace radiane::codes {

namespace {

// The radical drill reports a group every five items; the code drill does the same.
constexpr int kCharactersPerGroup = 5;

} // namespace

drill::DrillKind drillKindOf(Level level) {
    switch (level) {
    case Level::OneKey:
        return drill::DrillKind::CodesOneKey;
    case Level::TwoKeys:
        return drill::DrillKind::CodesTwoKeys;
    case Level::FullCodes:
        break;
    }
    return drill::DrillKind::CodesFull;
}

bool CodeDrill::start(Level level) {
    level_ = level;
    items_ = set_.level(level);
    view_ = CodeDrillView{};
    order_.reset(level, items_);
    if (observer_)
        observer_->drillStarted(drillKindOf(level));
    if (items_.empty())
        return false;
    show(order_.next());
    return true;
}

void CodeDrill::show(std::size_t index) {
    current_ = index < items_.size() ? index : 0;
    missed_ = false;
    const CodeItem& item = *items_[current_];
    view_.character = item.character;
    view_.code = codeAt(item, level_);
    view_.endsWithSpace = endsWithSpace(item, level_);
    view_.typed.clear();
    view_.painted.clear();
    view_.note.clear();
    view_.expected = view_.code.front();
    view_.wrong = false;
    view_.misses = 0;
    updateHint();
}

CodeDrill::KeyResult CodeDrill::type(QChar key) {
    const QChar typed = key.toLower();
    if (items_.empty()) {
        judged(typed, false, 0);
        return KeyResult::Wrong;
    }
    const CodeItem& item = *items_[current_];
    const qsizetype place = view_.typed.size();
    const bool right = typed == view_.expected;
    const int part = place < view_.code.size() ? meaningOf(item, view_.code, int(place)).part : 0;
    judged(typed, right, part);
    if (!right) {
        missed_ = true;
        view_.wrong = true;
        ++view_.misses;
        ++view_.keysWrong;
        updateHint();
        return KeyResult::Wrong;
    }
    ++view_.keysRight;
    view_.wrong = false;
    view_.misses = 0;
    const bool complete =
        typed == kSpace || (!view_.endsWithSpace && place + 1 == view_.code.size());
    if (complete) {
        FinishedCode& done = view_.previous;
        done.character = view_.character;
        done.code = view_.code;
        done.painted = view_.painted;
        done.note = view_.note;
        if (typed != kSpace) {
            if (part != 0)
                done.painted.push_back(part);
            done.note = keyNote(item, view_.code, int(place));
        }
        ++view_.charactersDone;
        order_.finished(current_, missed_);
        if (observer_ && view_.charactersDone % kCharactersPerGroup == 0)
            observer_->groupFinished();
        show(order_.next());
        return KeyResult::Completed;
    }
    view_.typed += typed;
    if (part != 0)
        view_.painted.push_back(part);
    view_.note = keyNote(item, view_.code, int(place));
    view_.expected =
        view_.typed.size() < view_.code.size() ? view_.code[view_.typed.size()] : kSpace;
    updateHint();
    return KeyResult::Right;
}

bool CodeDrill::backspace() {
    // After a wrong key it takes back that key, as an input method would; the
    // drill never took it, so only its mark goes.
    if (view_.wrong) {
        view_.wrong = false;
        return true;
    }
    if (items_.empty() || view_.typed.isEmpty())
        return false;
    const CodeItem& item = *items_[current_];
    const int place = int(view_.typed.size()) - 1;
    if (meaningOf(item, view_.code, place).part != 0)
        view_.painted.pop_back();
    view_.typed.chop(1);
    view_.misses = 0;
    view_.note = place > 0 ? keyNote(item, view_.code, place - 1) : QString();
    view_.expected = view_.code[place];
    updateHint();
    return true;
}

void CodeDrill::judged(QChar typed, bool right, int part) {
    if (!observer_)
        return;
    drill::JudgedKey key;
    key.drill = drillKindOf(level_);
    key.item = view_.character;
    key.part = part != 0 ? QString::number(part) : QString();
    key.expected = view_.expected;
    key.typed = typed;
    key.right = right;
    observer_->keyJudged(key);
}

void CodeDrill::updateHint() {
    view_.hint.clear();
    view_.hintPicture.clear();
    if (view_.misses < kMissesBeforeHint || items_.empty())
        return;
    if (view_.expected == kSpace) {
        view_.hint = QStringLiteral("提示：编码已打完，按空格键");
        return;
    }
    if (const drill::KeyHintRow* row = drill::findKeyHint(QString(view_.expected)))
        view_.hint = drill::hintText(*row);
    const int part = meaningOf(*items_[current_], view_.code, int(view_.typed.size())).part;
    if (part != 0)
        view_.hintPicture = items_[current_]->radicalPictures[part - 1];
}

} // namespace radiane::codes

#include "codes/scheduledorder.h"

#include "codes/codedrill.h"

#include <algorithm>
#include <utility>

namespace radiane::codes {

namespace {

QChar levelLetter(Level level) {
    switch (level) {
    case Level::OneKey:
        return u'1';
    case Level::TwoKeys:
        return u'2';
    case Level::FullCodes:
        break;
    }
    return u'4';
}

// A key's id is its level, character and the number of the radical it codes, if any.
QString characterOf(const QString& id) {
    const QString rest = id.mid(1);
    return !rest.isEmpty() && rest.back().isDigit() ? rest.chopped(1) : rest;
}

} // namespace

QString codeKeyId(drill::DrillKind drill, const QString& character, const QString& part) {
    for (const Level level : {Level::OneKey, Level::TwoKeys, Level::FullCodes})
        if (drillKindOf(level) == drill)
            return levelLetter(level) + character + part;
    return {};
}

CharacterAnswers::CharacterAnswers(const practice::AttemptHistory& keys, Level level)
    : keys_(keys), level_(levelLetter(level)) {}

void CharacterAnswers::read() const {
    for (const practice::Attempt& key : keys_.attemptsFrom(keysRead_)) {
        ++keysRead_;
        if (!key.item.startsWith(level_))
            continue;
        const QString character = characterOf(key.item);
        if (open_ && open_->item != character)
            answers_.push_back(*std::exchange(open_, std::nullopt));
        if (!open_) {
            open_ = practice::Attempt{character, key.whenMs, key.right, key.answerMs};
            continue;
        }
        open_->whenMs = key.whenMs;
        open_->right = open_->right && key.right;
        open_->answerMs = std::max(open_->answerMs, key.answerMs);
    }
}

void CharacterAnswers::close() {
    read();
    if (open_)
        answers_.push_back(*std::exchange(open_, std::nullopt));
}

std::vector<practice::Attempt> CharacterAnswers::attemptsFrom(qsizetype from) const {
    read();
    if (from >= static_cast<qsizetype>(answers_.size()))
        return {};
    return {answers_.begin() + from, answers_.end()};
}

ScheduledOrder::ScheduledOrder(const practice::AttemptHistory& keys,
                               practice::Scheduler::Clock clock)
    : keys_(keys), clock_(std::move(clock)) {}

ScheduledOrder::~ScheduledOrder() = default;

void ScheduledOrder::reset(Level level, const std::vector<const CodeItem*>& items) {
    // Keys typed before (an earlier run, a character left half typed) are done.
    auto answers = std::make_unique<CharacterAnswers>(keys_, level);
    answers->close();
    practice::ItemPool pool;
    index_.clear();
    for (std::size_t i = 0; i < items.size(); ++i) {
        drill::DrillItem item;
        item.kind = drill::DrillItem::Kind::Character;
        item.key = items[i]->fullCode.left(1);
        item.character = items[i]->character;
        pool.items.push_back({items[i]->character, item});
        index_.insert(items[i]->character, i);
    }
    pool.characterCount = static_cast<int>(items.size());
    // Picked groups are taken as they come, so the seed of arranging them plays no part.
    scheduler_ = std::make_unique<practice::Scheduler>(std::move(pool), *answers, clock_, 0);
    answers_ = std::move(answers);
    queue_.clear();
    last_.reset();
}

std::size_t ScheduledOrder::next() {
    if (queue_.empty() && scheduler_) {
        for (const QString& id : scheduler_->nextIds())
            queue_.push_back(index_.value(id));
        // A character missed last in a group heads the next one: one other goes first.
        const auto other = std::find_if(queue_.begin(), queue_.end(),
                                        [this](std::size_t i) { return i != last_; });
        if (other != queue_.end())
            std::iter_swap(queue_.begin(), other);
    }
    if (queue_.empty())
        return 0;
    last_ = queue_.front();
    queue_.pop_front();
    return *last_;
}

void ScheduledOrder::finished(std::size_t /*index*/, bool /*missed*/) {
    // The scheduler reads the miss from the keys themselves.
    if (answers_)
        answers_->close();
}

} // namespace radiane::codes

#include "practice/scheduler.h"

#include <algorithm>
#include <climits>
#include <tuple>

namespace radiane::practice {

namespace {

constexpr qint64 kDayMs = 24LL * 60 * 60 * 1000;

std::size_t distinct(std::vector<int> items) {
    std::sort(items.begin(), items.end());
    return static_cast<std::size_t>(std::unique(items.begin(), items.end()) - items.begin());
}

} // namespace

Scheduler::Scheduler(ItemPool pool, const AttemptHistory& history, Clock clock, quint32 seed)
    : pool_(std::move(pool)), history_(history), clock_(std::move(clock)), random_(seed),
      states_(pool_.items.size()) {
    std::array<bool, 26> keys{};
    for (std::size_t i = 0; i < pool_.items.size(); ++i) {
        index_.insert(pool_.items[i].id, static_cast<int>(i));
        keys[keySlot(static_cast<int>(i))] = true;
    }
    keyCount_ = static_cast<int>(std::count(keys.begin(), keys.end(), true));
    catchUp();
}

void Scheduler::catchUp() {
    for (const Attempt& attempt : history_.attemptsFrom(read_))
        learn(attempt, read_++);
}

void Scheduler::learn(const Attempt& attempt, qint64 index) {
    const auto it = index_.constFind(attempt.item);
    if (it == index_.constEnd())
        return;
    State& s = states_[static_cast<std::size_t>(*it)];
    // The right key typed after a wrong one for the same slot only moves on.
    const bool correction = attempt.right && s.seen && s.lastAttempt == index - 1 && !s.lastRight;
    s.seen = true;
    s.lastAttempt = index;
    s.lastRight = attempt.right;
    if (correction)
        return;
    if (!attempt.right || attempt.answerMs > kFastMs) {
        s.streak = 0;
        s.dueGroup = group_ + (attempt.right ? kSlowAfterGroups : kMissedAfterGroups);
        return;
    }
    if (known(s) && attempt.whenMs < s.dueMs)
        return;
    ++s.streak;
    if (known(s)) {
        const std::size_t step = std::min<std::size_t>(
            static_cast<std::size_t>(s.streak - kKnownStreak), kKnownIntervalDays.size() - 1);
        s.dueMs = attempt.whenMs + kKnownIntervalDays[step] * kDayMs;
    } else {
        s.dueGroup = group_ + kLearningAfterGroups[static_cast<std::size_t>(s.streak - 1)];
    }
}

std::vector<int> Scheduler::ranked(qint64 now, std::size_t perClass) const {
    std::vector<int> dueLearning, dueKnown, fresh, laterLearning, laterKnown;
    int learning = 0;
    for (int i = 0; i < static_cast<int>(states_.size()); ++i) {
        const State& s = states_[static_cast<std::size_t>(i)];
        if (!s.seen)
            fresh.push_back(i);
        else if (known(s))
            (s.dueMs <= now ? dueKnown : laterKnown).push_back(i);
        else {
            ++learning;
            (s.dueGroup <= group_ ? dueLearning : laterLearning).push_back(i);
        }
    }
    const auto byGroup = [this](int a, int b) {
        const State& x = states_[static_cast<std::size_t>(a)];
        const State& y = states_[static_cast<std::size_t>(b)];
        return std::tie(x.dueGroup, x.streak, a) < std::tie(y.dueGroup, y.streak, b);
    };
    const auto byTime = [this](int a, int b) {
        return std::tie(states_[static_cast<std::size_t>(a)].dueMs, a) <
               std::tie(states_[static_cast<std::size_t>(b)].dueMs, b);
    };
    // Only the head of each class can make it into a group.
    const auto head = [perClass](std::vector<int>& v, auto less) {
        const std::size_t n = std::min(perClass, v.size());
        std::partial_sort(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(n), v.end(), less);
        v.resize(n);
    };
    head(dueLearning, byGroup);
    head(laterLearning, byGroup);
    head(dueKnown, byTime);
    // Known items ahead of their date only fill a row: the longest unseen first,
    // so the same few do not come back group after group.
    head(laterKnown, [this](int a, int b) {
        return std::tie(states_[static_cast<std::size_t>(a)].lastAttempt, a) <
               std::tie(states_[static_cast<std::size_t>(b)].lastAttempt, b);
    });

    const std::size_t newNow =
        learning >= kLearningLimit
            ? 0
            : std::min({static_cast<std::size_t>(kNewPerGroup),
                        static_cast<std::size_t>(kLearningLimit - learning), fresh.size()});
    fresh.resize(std::min(fresh.size(), perClass + newNow));
    std::vector<int> out = std::move(dueLearning);
    out.insert(out.end(), dueKnown.begin(), dueKnown.end());
    out.insert(out.end(), fresh.begin(), fresh.begin() + static_cast<std::ptrdiff_t>(newNow));
    out.insert(out.end(), laterLearning.begin(), laterLearning.end());
    out.insert(out.end(), fresh.begin() + static_cast<std::ptrdiff_t>(newNow), fresh.end());
    out.insert(out.end(), laterKnown.begin(), laterKnown.end());
    return out;
}

std::vector<int> Scheduler::pick(const std::vector<int>& ranked) const {
    // At most three of one key leave a row of five whose neighbours differ.
    const int keyLimit = keyCount_ >= 2 ? (drill::kSlotCount + 1) / 2 : drill::kSlotCount;
    std::array<int, 26> perKey{};
    std::vector<int> picked;
    for (int i : ranked) {
        if (picked.size() == drill::kSlotCount)
            break;
        int& count = perKey[keySlot(i)];
        if (count < keyLimit) {
            ++count;
            picked.push_back(i);
        }
    }
    // A pool of fewer than five items has to repeat some.
    for (std::size_t i = 0; picked.size() < drill::kSlotCount && !ranked.empty(); ++i)
        picked.push_back(picked[i]);
    return picked;
}

std::size_t Scheduler::keySlot(int item) const {
    const QString& key = pool_.items[static_cast<std::size_t>(item)].item.key;
    const char16_t c = key.isEmpty() ? u'a' : key.front().unicode();
    return c >= u'a' && c <= u'z' ? static_cast<std::size_t>(c - u'a') : 0;
}

std::vector<int> Scheduler::arrange(const std::vector<int>& picked) {
    const auto& items = pool_.items;
    const auto score = [&](const std::vector<int>& order) {
        int bad = 0;
        for (std::size_t i = 0; i < order.size(); ++i) {
            const PoolItem& item = items[static_cast<std::size_t>(order[i])];
            // The same item in the same place would look like the row did not change.
            bad += item.id == lastIds_[i] ? 1 : 0;
            const PoolItem* before = nullptr;
            if (i > 0)
                before = &items[static_cast<std::size_t>(order[i - 1])];
            if (before) {
                bad += item.id == before->id ? 4 : 0;
                bad += item.item.key == before->item.key ? 2 : 0;
            } else if (!lastIds_[drill::kSlotCount - 1].isEmpty()) {
                // Across groups only a little: the row starts over on screen.
                const auto last = index_.constFind(lastIds_[drill::kSlotCount - 1]);
                if (last != index_.constEnd())
                    bad += items[static_cast<std::size_t>(*last)].item.key == item.item.key ? 1 : 0;
            }
        }
        return bad;
    };
    std::vector<int> order = picked;
    std::sort(order.begin(), order.end());
    std::vector<std::vector<int>> best;
    int bestScore = INT_MAX;
    do {
        const int s = score(order);
        if (s < bestScore) {
            bestScore = s;
            best.clear();
        }
        if (s == bestScore)
            best.push_back(order);
    } while (std::next_permutation(order.begin(), order.end()));
    return best[random_.bounded(static_cast<quint32>(best.size()))];
}

std::vector<int> Scheduler::pickNext() {
    catchUp();
    ++group_;
    if (pool_.items.empty())
        return {};
    const qint64 now = clock_();
    // A few candidates of each class do, unless one key fills them all.
    std::vector<int> picked = pick(ranked(now, 4 * drill::kSlotCount));
    if (distinct(picked) < drill::kSlotCount && distinct(picked) < pool_.items.size())
        picked = pick(ranked(now, pool_.items.size()));
    return picked;
}

drill::DrillGroup Scheduler::nextGroup() {
    drill::DrillGroup group;
    const std::vector<int> picked = pickNext();
    if (picked.empty())
        return group;
    const std::vector<int> order = arrange(picked);
    for (std::size_t slot = 0; slot < group.size(); ++slot) {
        const PoolItem& item = pool_.items[static_cast<std::size_t>(order[slot])];
        group[slot] = item.item;
        lastIds_[slot] = item.id;
    }
    return group;
}

std::vector<QString> Scheduler::nextIds() {
    std::vector<QString> ids;
    const std::vector<int> picked = pickNext();
    for (std::size_t slot = 0; slot < picked.size() && slot < lastIds_.size(); ++slot) {
        lastIds_[slot] = pool_.items[static_cast<std::size_t>(picked[slot])].id;
        ids.push_back(lastIds_[slot]);
    }
    return ids;
}

Scheduler::Mastery Scheduler::mastery() const {
    Mastery m;
    for (std::size_t i = 0; i < states_.size(); ++i) {
        const bool radical = pool_.items[i].item.kind == drill::DrillItem::Kind::Radical;
        (radical ? m.radicals : m.characters) += 1;
        if (known(states_[i]))
            (radical ? m.radicalsKnown : m.charactersKnown) += 1;
    }
    return m;
}

} // namespace radiane::practice

#include "progress/statistics.h"

#include <QHash>
#include <algorithm>
#include <map>
#include <tuple>

namespace radiane::progress {

namespace {

double perMinute(qint64 keys, qint64 answeringMs) {
    return answeringMs > 0 ? keys * 60000.0 / answeringMs : 0;
}

int keyIndex(QChar key) {
    const char16_t c = key.unicode();
    return c >= u'a' && c <= u'y' ? c - u'a' : -1;
}

} // namespace

std::optional<double> KeyFigures::accuracy() const {
    if (count == 0)
        return std::nullopt;
    return double(right) / count;
}

SessionFigures sessionFigures(const std::vector<KeyRecord>& keys) {
    SessionFigures figures;
    figures.keys = static_cast<int>(keys.size());
    if (keys.empty())
        return figures;
    qint64 answering = 0;
    std::vector<int> times;
    times.reserve(keys.size());
    for (const KeyRecord& key : keys) {
        times.push_back(key.answerMs);
        if (key.right) {
            ++figures.right;
            answering += key.answerMs;
        }
    }
    figures.accuracy = double(figures.right) / figures.keys;
    figures.keysPerMinute = perMinute(figures.right, answering);
    const auto middle = times.begin() + times.size() / 2;
    std::nth_element(times.begin(), middle, times.end());
    if (times.size() % 2 == 1) {
        figures.medianAnswerMs = *middle;
    } else {
        const int upper = *middle;
        const int lower = *std::max_element(times.begin(), middle);
        figures.medianAnswerMs = static_cast<int>((qint64(lower) + upper) / 2);
    }
    return figures;
}

ProgressSummary summarize(const std::vector<KeyTally>& tallies,
                          std::optional<drill::DrillKind> only) {
    ProgressSummary summary;
    for (int i = 0; i < 25; ++i)
        summary.perKey[i].key = QChar(u'a' + i);
    std::array<qint64, 25> keyAnswering{};

    using ItemKey = std::tuple<drill::DrillKind, QString, QString>;
    std::map<ItemKey, ItemFigures> items;
    std::map<ItemKey, QHash<QChar, int>> typedInstead;
    struct Day {
        int keys = 0;
        int right = 0;
        qint64 answering = 0;
    };
    std::map<qint64, Day> days;

    for (const KeyTally& t : tallies) {
        if (only && t.drill != *only)
            continue;
        summary.keys += t.count;
        if (const int i = keyIndex(t.expected); i >= 0) {
            KeyFigures& key = summary.perKey[i];
            key.count += t.count;
            if (t.right) {
                key.right += t.count;
                keyAnswering[i] += t.answerMs;
            }
        }
        const ItemKey id{t.drill, t.item, t.part};
        ItemFigures& item = items[id];
        item.count += t.count;
        if (t.right)
            item.right += t.count;
        else
            typedInstead[id][t.typed] += t.count;
        if (item.item.isEmpty()) {
            item.drill = t.drill;
            item.item = t.item;
            item.part = t.part;
            item.expected = t.expected;
        }
        Day& day = days[t.day];
        day.keys += t.count;
        if (t.right) {
            day.right += t.count;
            day.answering += t.answerMs;
        }
    }

    for (int i = 0; i < 25; ++i) {
        KeyFigures& key = summary.perKey[i];
        if (key.right > 0)
            key.meanAnswerMs = static_cast<int>(keyAnswering[i] / key.right);
    }

    for (auto& [id, item] : items) {
        if (item.right == item.count)
            continue;
        for (auto it = typedInstead[id].cbegin(); it != typedInstead[id].cend(); ++it)
            item.confusions.push_back({it.key(), it.value()});
        std::sort(item.confusions.begin(), item.confusions.end(),
                  [](const Confusion& a, const Confusion& b) {
                      return std::tie(b.count, a.typed) < std::tie(a.count, b.typed);
                  });
        if (item.confusions.size() > kConfusionsShown)
            item.confusions.resize(kConfusionsShown);
        summary.weakest.push_back(std::move(item));
    }
    // Most wrong keys first; of as many, the lower accuracy, then list order.
    std::stable_sort(summary.weakest.begin(), summary.weakest.end(),
                     [](const ItemFigures& a, const ItemFigures& b) {
                         const int wrongA = a.count - a.right;
                         const int wrongB = b.count - b.right;
                         if (wrongA != wrongB)
                             return wrongA > wrongB;
                         return a.accuracy() < b.accuracy();
                     });
    if (summary.weakest.size() > kWeakestShown)
        summary.weakest.resize(kWeakestShown);

    for (const auto& [julian, day] : days) {
        DayFigures figures;
        figures.day = QDate::fromJulianDay(julian);
        figures.keys = day.keys;
        figures.right = day.right;
        figures.accuracy = day.keys ? double(day.right) / day.keys : 0;
        figures.keysPerMinute = perMinute(day.right, day.answering);
        summary.days.push_back(figures);
    }
    return summary;
}

std::vector<KeyTally> tallyRecords(const std::vector<KeyRecord>& keys) {
    std::vector<KeyTally> tallies;
    tallies.reserve(keys.size());
    for (const KeyRecord& key : keys) {
        KeyTally t;
        t.day = localDay(key.when);
        t.drill = key.drill;
        t.item = key.item;
        t.part = key.part;
        t.expected = key.expected;
        t.typed = key.typed;
        t.right = key.right;
        t.count = 1;
        t.answerMs = key.answerMs;
        tallies.push_back(std::move(t));
    }
    return tallies;
}

} // namespace radiane::progress

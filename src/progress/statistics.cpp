#include "progress/statistics.h"

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

using ItemId = std::tuple<drill::DrillKind, QString, QString>;

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

ProgressSummary summarize(const ProgressTotals& totals, std::optional<drill::DrillKind> only) {
    const auto wanted = [&](drill::DrillKind kind) { return !only || kind == *only; };
    ProgressSummary summary;
    for (int i = 0; i < 25; ++i)
        summary.perKey[i].key = QChar(u'a' + i);

    std::array<qint64, 25> keyAnswering{};
    for (const KeyTotal& t : totals.keys) {
        if (!wanted(t.drill))
            continue;
        summary.keys += t.keys;
        if (const int i = keyIndex(t.expected); i >= 0) {
            summary.perKey[i].count += t.keys;
            summary.perKey[i].right += t.right;
            keyAnswering[i] += t.rightMs;
        }
    }
    for (int i = 0; i < 25; ++i) {
        KeyFigures& key = summary.perKey[i];
        if (key.right > 0)
            key.meanAnswerMs = static_cast<int>(keyAnswering[i] / key.right);
    }

    // A code drill's character counts as a whole: the keys of its code together.
    const auto partOf = [](drill::DrillKind kind, const QString& part) {
        return drill::isCodeDrill(kind) ? QString() : part;
    };
    std::map<ItemId, std::map<QChar, int>> confusions;
    for (const ConfusionTotal& t : totals.confusions) {
        if (wanted(t.drill))
            confusions[{t.drill, t.item, partOf(t.drill, t.part)}][t.typed] += t.keys;
    }
    std::vector<ItemFigures> items; // in stored order
    std::map<ItemId, std::size_t> itemIndex;
    for (const ItemTotal& t : totals.items) {
        if (!wanted(t.drill))
            continue;
        const ItemId id{t.drill, t.item, partOf(t.drill, t.part)};
        const auto [at, added] = itemIndex.try_emplace(id, items.size());
        if (added)
            items.push_back({t.drill,
                             t.item,
                             std::get<2>(id),
                             drill::isCodeDrill(t.drill) ? QChar() : t.expected,
                             0,
                             0,
                             {}});
        items[at->second].count += t.keys;
        items[at->second].right += t.right;
    }
    for (ItemFigures& item : items) {
        if (item.right == item.count)
            continue;
        for (const auto& [typed, count] : confusions[{item.drill, item.item, item.part}])
            item.confusions.push_back({typed, count});
        std::sort(item.confusions.begin(), item.confusions.end(),
                  [](const Confusion& a, const Confusion& b) {
                      return std::tie(b.count, a.typed) < std::tie(a.count, b.typed);
                  });
        if (item.confusions.size() > kConfusionsShown)
            item.confusions.resize(kConfusionsShown);
        summary.weakest.push_back(std::move(item));
    }
    // Most wrong keys first; of as many, the lower accuracy, then the stored order.
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

    for (const drill::DrillKind kind : kAllDrillKinds) {
        DrillFigures figures{kind, 0, 0, 0, 0};
        qint64 rightMs = 0;
        for (const DayTotal& t : totals.days) {
            if (t.drill == kind) {
                figures.keys += t.keys;
                figures.right += t.right;
                rightMs += t.rightMs;
            }
        }
        if (figures.keys == 0)
            continue;
        figures.accuracy = double(figures.right) / figures.keys;
        figures.keysPerMinute = perMinute(figures.right, rightMs);
        summary.drills.push_back(figures);
    }

    std::map<qint64, DayTotal> days;
    for (const DayTotal& t : totals.days) {
        if (!wanted(t.drill))
            continue;
        DayTotal& day = days[t.day];
        day.keys += t.keys;
        day.right += t.right;
        day.rightMs += t.rightMs;
    }
    for (const auto& [julian, day] : days) {
        DayFigures figures;
        figures.day = QDate::fromJulianDay(julian);
        figures.keys = day.keys;
        figures.right = day.right;
        figures.accuracy = day.keys ? double(day.right) / day.keys : 0;
        figures.keysPerMinute = perMinute(day.right, day.rightMs);
        summary.days.push_back(figures);
    }
    return summary;
}

ProgressTotals totalsOf(const std::vector<KeyRecord>& keys) {
    std::map<std::tuple<drill::DrillKind, QChar>, KeyTotal> perKey;
    std::map<std::tuple<drill::DrillKind, qint64>, DayTotal> perDay;
    std::map<ItemId, ItemTotal> perItem;
    std::map<std::tuple<drill::DrillKind, QString, QString, QChar>, ConfusionTotal> confusions;
    for (const KeyRecord& key : keys) {
        const int right = key.right ? 1 : 0;
        const qint64 rightMs = key.right ? key.answerMs : 0;
        KeyTotal& k = perKey[{key.drill, key.expected}];
        k = {key.drill, key.expected, k.keys + 1, k.right + right, k.rightMs + rightMs};
        const qint64 julian = localDay(key.when);
        DayTotal& d = perDay[{key.drill, julian}];
        d = {key.drill, julian, d.keys + 1, d.right + right, d.rightMs + rightMs};
        ItemTotal& i = perItem[{key.drill, key.item, key.part}];
        i = {key.drill, key.item, key.part, key.expected, i.keys + 1, i.right + right};
        if (!key.right) {
            ConfusionTotal& c = confusions[{key.drill, key.item, key.part, key.typed}];
            c = {key.drill, key.item, key.part, key.typed, c.keys + 1};
        }
    }
    ProgressTotals totals;
    for (const auto& [id, t] : perKey)
        totals.keys.push_back(t);
    for (const auto& [id, t] : perDay)
        totals.days.push_back(t);
    for (const auto& [id, t] : perItem)
        totals.items.push_back(t);
    for (const auto& [id, t] : confusions)
        totals.confusions.push_back(t);
    return totals;
}

} // namespace radiane::progress

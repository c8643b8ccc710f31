#include "practice/itempool.h"

#include "common/textfield.h"
#include "practice/attempt.h"

#include <QFile>
#include <QHash>
#include <QStringList>
#include <algorithm>
#include <climits>

namespace radiane::practice {

namespace {

using KeyLists = QHash<QChar, std::vector<PoolItem>>;

// Chart position of each picture name: the rows of radicals.tsv (key, radical,
// source, glyph, strokes, picture name, note), the key-name radical first.
QHash<QString, int> chartOrder(const ProgramFolder& folder) {
    QHash<QString, int> order;
    QFile file(folder.file(QStringLiteral("radicals.tsv")));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text) || file.size() > kMaxTextFileBytes)
        return order;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    for (const QString& line : lines) {
        if (line.startsWith(u'#'))
            continue;
        const QStringList columns = line.split(u'\t');
        if (columns.size() >= 6 && !order.contains(columns[5]))
            order.insert(columns[5], static_cast<int>(order.size()));
    }
    return order;
}

struct ListRead {
    QString text;
    QString problem; // naming the file, when it cannot be read
};

ListRead readList(const ProgramFolder& folder, const QString& name) {
    const QString path = folder.file(name);
    const FieldRead read = readFirstField(path, GbkCheck::Strict);
    if (!read.ok())
        return {{}, QStringLiteral("%1：%2，无法开始专项练习。").arg(path, read.reason)};
    return {read.value, {}};
}

bool isKey(QChar c) {
    return c >= u'a' && c <= u'y';
}

void addRadicals(const QString& list, const QString& keys, const ProgramFolder& folder,
                 KeyLists& byKey) {
    QHash<QString, bool> seen;
    for (qsizetype at = 0; at + 4 <= list.size(); at += 4) {
        drill::DrillItem item;
        item.key = list.mid(at, 1);
        item.picture = list.mid(at + 1, 3);
        if (!isKey(item.key[0]) || !keys.contains(item.key) || seen.contains(item.picture))
            continue;
        seen.insert(item.picture, true);
        byKey[item.key[0]].push_back({item.picture, item});
    }
    const QHash<QString, int> order = chartOrder(folder);
    const auto position = [&](const PoolItem& p) { return order.value(p.item.picture, INT_MAX); };
    for (std::vector<PoolItem>& items : byKey)
        std::stable_sort(items.begin(), items.end(), [&](const PoolItem& a, const PoolItem& b) {
            return position(a) < position(b);
        });
}

void addCharacters(const QString& list, const QString& keys, KeyLists& byKey) {
    QHash<QString, bool> seen;
    for (qsizetype at = 0; at + 3 <= list.size(); at += 3) {
        drill::DrillItem item;
        item.kind = drill::DrillItem::Kind::Character;
        item.key = list.mid(at, 1);
        item.part = list.mid(at + 1, 1);
        item.character = list.mid(at + 2, 1);
        const QString id = attemptItemId(item.character, item.part);
        if (!isKey(item.key[0]) || !keys.contains(item.key) || seen.contains(id))
            continue;
        seen.insert(id, true);
        byKey[item.key[0]].push_back({id, item});
    }
}

// The keys' lists taken in turn: first items of every key, then the second ...
void interleave(const QString& keys, const KeyLists& byKey, std::vector<PoolItem>& out) {
    for (std::size_t round = 0;; ++round) {
        bool any = false;
        for (QChar key : keys) {
            const auto it = byKey.find(key);
            if (it != byKey.end() && round < it->size()) {
                out.push_back((*it)[round]);
                any = true;
            }
        }
        if (!any)
            return;
    }
}

} // namespace

std::variant<ItemPool, QString> loadPool(const ProgramFolder& folder, const Scope& scope) {
    ItemPool pool;
    if (includesRadicals(scope.content)) {
        const ListRead list = readList(folder, QStringLiteral("zg.txt"));
        if (!list.problem.isEmpty())
            return list.problem;
        KeyLists byKey;
        addRadicals(list.text, scope.keys, folder, byKey);
        interleave(scope.keys, byKey, pool.items);
        pool.radicalCount = static_cast<int>(pool.items.size());
    }
    if (includesCharacters(scope.content)) {
        const ListRead list = readList(folder, QStringLiteral("zg2.txt"));
        if (!list.problem.isEmpty())
            return list.problem;
        KeyLists byKey;
        addCharacters(list.text, scope.keys, byKey);
        interleave(scope.keys, byKey, pool.items);
        pool.characterCount = static_cast<int>(pool.items.size()) - pool.radicalCount;
    }
    if (pool.items.empty())
        return QStringLiteral("键位“%1”在练习列表里没有可练的条目，无法开始专项练习。")
            .arg(scope.keys);
    return pool;
}

} // namespace radiane::practice

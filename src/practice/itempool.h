#pragma once

#include "common/programfolder.h"
#include "drill/itemsource.h"
#include "practice/scope.h"

#include <QString>
#include <variant>
#include <vector>

namespace radiane::practice {

struct PoolItem {
    QString id; // as attemptItemId names it
    drill::DrillItem item;
};

// The items of a scope, each once, in the order new ones are taught: every
// key's key-name radical, then its other radicals in chart order, then the
// characters in list order (most frequent first), keys taken in turn.
struct ItemPool {
    std::vector<PoolItem> items;
    int radicalCount = 0;
    int characterCount = 0;
};

// The pool from zg.txt and zg2.txt (the drill lists) and radicals.tsv (the
// chart order; without it radicals come in list order). A message naming the
// file and the reason when a list the scope needs cannot be read, or the scope
// holds no item.
std::variant<ItemPool, QString> loadPool(const ProgramFolder& folder, const Scope& scope);

} // namespace radiane::practice

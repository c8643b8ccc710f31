#pragma once

#include "codes/codeset.h"

#include <cstddef>
#include <deque>
#include <vector>

namespace radiane::codes {

// Which character the code drill asks for next, as an index into the level's
// items (most frequent first). A scheduler that draws on the learner's history
// can take this part over.
class CodeItemOrder {
public:
    virtual ~CodeItemOrder() = default;
    // A level starts over with these items (not owned; valid until the next reset).
    virtual void reset(Level level, const std::vector<const CodeItem*>& items) = 0;
    virtual std::size_t next() = 0;
    // The item's code is typed; missed when a key of it was wrong.
    virtual void finished(std::size_t index, bool missed) = 0;
};

// Frequency order, round and round; a missed character comes back after the
// next kComeBackAfter characters (and again, while it is missed).
class FrequencyOrder : public CodeItemOrder {
public:
    static constexpr int kComeBackAfter = 3;

    void reset(Level level, const std::vector<const CodeItem*>& items) override;
    std::size_t next() override;
    void finished(std::size_t index, bool missed) override;

private:
    struct Due {
        std::size_t index;
        int after; // characters still to come before it
    };
    std::size_t count_ = 0;
    std::size_t position_ = 0;
    std::deque<Due> due_;
};

} // namespace radiane::codes

#include "codes/itemorder.h"

#include <algorithm>

namespace radiane::codes {

void FrequencyOrder::reset(Level /*level*/, const std::vector<const CodeItem*>& items) {
    count_ = items.size();
    position_ = 0;
    due_.clear();
}

std::size_t FrequencyOrder::next() {
    if (!due_.empty() && due_.front().after <= 0) {
        const std::size_t index = due_.front().index;
        due_.pop_front();
        return index;
    }
    for (Due& due : due_)
        --due.after;
    if (count_ == 0)
        return 0;
    const std::size_t index = position_;
    position_ = (position_ + 1) % count_;
    return index;
}

void FrequencyOrder::finished(std::size_t index, bool missed) {
    if (!missed || count_ < 2)
        return;
    const bool waiting = std::any_of(due_.begin(), due_.end(),
                                     [index](const Due& due) { return due.index == index; });
    if (!waiting)
        due_.push_back({index, kComeBackAfter});
}

} // namespace radiane::codes

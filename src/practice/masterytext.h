#pragma once

#include "practice/scheduler.h"

#include <QString>

namespace radiane::practice {

// The progress line of a practice, e.g. "已掌握 37 / 58 个字根".
QString masteryText(const Scheduler::Mastery& mastery);

} // namespace radiane::practice

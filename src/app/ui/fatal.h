#pragma once

#include "common/fatalerror.h"

#include <QString>
#include <functional>

namespace radiane::app {

// What happens when an error ends the program. The default shows a message box
// naming the failure and ends the process at once, writing nothing back; tests
// replace it to observe the failure instead.
using FatalHandler = std::function<void(const QString& message)>;
void setFatalHandler(FatalHandler handler);
void endWithError(const QString& message);

// Runs an event handler; an error it raises ends the program with its message.
template <typename Fn> void guarded(Fn&& handler) {
    try {
        handler();
    } catch (const FatalError& error) {
        endWithError(error.message());
    }
}

} // namespace radiane::app

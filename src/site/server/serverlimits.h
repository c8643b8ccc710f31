#pragma once

#include <QtGlobal>
#include <chrono>

namespace radiane::site {

// What one client may cost the help site's server.
struct ServerLimits {
    qsizetype maxHeadBytes = 16 * 1024;            // request line and header fields
    qsizetype maxQueuedBytes = 1024 * 1024;        // answers a client has not read yet
    int maxConnections = 64;                       // well under the usual 1,024 descriptors
    std::chrono::milliseconds idleTimeout{30'000}; // no request and no bytes read by the client
};

} // namespace radiane::site

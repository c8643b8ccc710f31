#pragma once

#include <QtGlobal>

namespace radiane::site {

// Ends the sending half of a connected socket (the peer reads the end of the
// stream) while its receiving half stays open.
void shutDownSending(qintptr descriptor);

} // namespace radiane::site

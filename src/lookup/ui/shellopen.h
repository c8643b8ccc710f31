#pragma once

#include <QUrl>

class QWidget;

namespace radiane::lookup {

// The desktop's "open" operation: hands address (a web page or a mailto:
// address) to the user's default program and returns at once. owner is the
// window the request comes from. Whether a program could be found is not
// examined: a missing browser or an unreachable page is no concern of ours.
void shellOpen(QWidget* owner, const QUrl& address);

} // namespace radiane::lookup

#pragma once

#include <QUrl>
#include <functional>

class QWidget;

namespace radiane::lookup {

// The desktop's "open" operation: hands address (a web page or a mailto:
// address) to the user's default program and returns at once. owner is the
// window the request comes from. Whether a program could be found is not
// examined: a missing browser or an unreachable page is no concern of ours.
// The address passes through the installed resolver first.
void shellOpen(QWidget* owner, const QUrl& address);

// Rewrites an address before it is opened (the program installs one that gives
// the built-in site's addresses their port). Empty: addresses open as they are.
using AddressResolver = std::function<QUrl(const QUrl&)>;
void setAddressResolver(AddressResolver resolver);

} // namespace radiane::lookup

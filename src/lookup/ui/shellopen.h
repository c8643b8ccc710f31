#pragma once

#include <QString>
#include <QUrl>
#include <functional>

class QWidget;

namespace radiane::lookup {

// The desktop's "open" operation: hands address (a web page or a mailto:
// address) to the user's default program and returns at once. owner is the
// window the request comes from. Whether a program could be found is not
// examined: a missing browser or an unreachable page is no concern of ours.
// The address passes through the installed resolver first; when the resolver
// refuses it, owner shows the reason instead.
void shellOpen(QWidget* owner, const QUrl& address);

// What a resolver makes of an address: the address to open, or, when refusal
// is not empty, the learner's message saying why it cannot be opened.
struct ResolvedAddress {
    QUrl address;
    QString refusal;
};

// Rewrites an address before it is opened (the program installs one that gives
// the built-in site's addresses their port). Empty: addresses open as they are.
using AddressResolver = std::function<ResolvedAddress(const QUrl&)>;
void setAddressResolver(AddressResolver resolver);

} // namespace radiane::lookup

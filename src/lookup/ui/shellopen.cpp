#include "lookup/ui/shellopen.h"

#include <QDesktopServices>

namespace radiane::lookup {

namespace {

AddressResolver& installedResolver() {
    static AddressResolver resolver;
    return resolver;
}

} // namespace

void setAddressResolver(AddressResolver resolver) {
    installedResolver() = std::move(resolver);
}

void shellOpen(QWidget* owner, const QUrl& address) {
    // The desktop opens addresses on its own; it takes no owner window.
    Q_UNUSED(owner);
    const AddressResolver& resolver = installedResolver();
    QDesktopServices::openUrl(resolver ? resolver(address) : address);
}

} // namespace radiane::lookup

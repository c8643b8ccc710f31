#include "lookup/ui/shellopen.h"

#include <QDesktopServices>
#include <QMessageBox>

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
    const AddressResolver& resolver = installedResolver();
    const ResolvedAddress resolved = resolver ? resolver(address) : ResolvedAddress{address, {}};
    if (!resolved.refusal.isEmpty()) {
        QMessageBox::warning(owner, QStringLiteral("Radiane"), resolved.refusal);
        return;
    }
    // The desktop opens addresses on its own; it takes no owner window.
    QDesktopServices::openUrl(resolved.address);
}

} // namespace radiane::lookup

#include "lookup/ui/shellopen.h"

#include <QDesktopServices>

namespace radiane::lookup {

void shellOpen(QWidget* owner, const QUrl& address) {
    // The desktop opens addresses on its own; it takes no owner window.
    Q_UNUSED(owner);
    QDesktopServices::openUrl(address);
}

} // namespace radiane::lookup

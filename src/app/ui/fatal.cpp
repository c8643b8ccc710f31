#include "app/ui/fatal.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>

namespace radiane::app {

namespace {

void showAndEnd(const QString& message) {
    std::fprintf(stderr, "radiane: %s\n", qPrintable(message));
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        QMessageBox::critical(nullptr, QStringLiteral("Radiane"),
                              message + QStringLiteral("\n\n程序将退出。"));
    std::fflush(nullptr);
    std::_Exit(EXIT_FAILURE);
}

FatalHandler& handler() {
    static FatalHandler current = showAndEnd;
    return current;
}

} // namespace

void setFatalHandler(FatalHandler h) {
    handler() = h ? std::move(h) : FatalHandler(showAndEnd);
}

void endWithError(const QString& message) {
    handler()(message);
}

} // namespace radiane::app

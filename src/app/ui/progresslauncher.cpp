#include "app/ui/progresslauncher.h"

#include "progress/ui/progressmodule.h"

#include <QEvent>
#include <QLibrary>
#include <QMessageBox>
#include <QTimer>

namespace radiane::app {

ProgressLauncher::ProgressLauncher(ProgramFolder folder, Formg& formg)
    : QObject(&formg), folder_(std::move(folder)), formg_(formg) {
    formg_.installEventFilter(this);
    connect(&formg_, &Formg::progressRequested, this, &ProgressLauncher::showWindow);
}

bool ProgressLauncher::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &formg_ && event->type() == QEvent::Paint) {
        formg_.removeEventFilter(this);
        // After this frame is on the screen.
        QTimer::singleShot(0, this, &ProgressLauncher::load);
    }
    return QObject::eventFilter(watched, event);
}

void ProgressLauncher::load() {
    if (std::exchange(tried_, true))
        return;
    // Never unloaded: the controller lives on in the main window.
    QLibrary module(folder_.file(QString::fromLatin1(kProgressModuleName)));
    const auto start =
        reinterpret_cast<ProgressStartFunction>(module.resolve(kProgressStartSymbol));
    if (!start) {
        loadError_ = module.errorString();
        return;
    }
    const QString& path = folder_.path();
    drill::JudgedKeyObserver* observer = nullptr;
    controller_ =
        start(reinterpret_cast<const char16_t*>(path.utf16()), path.size(), &formg_, &observer);
    formg_.setDrillObserver(observer);
}

void ProgressLauncher::showWindow() {
    load();
    if (controller_) {
        QMetaObject::invokeMethod(controller_, "showWindow");
        return;
    }
    QMessageBox::warning(
        &formg_, QStringLiteral("Radiane"),
        QStringLiteral("学习进度无法打开：%1 无法载入（%2）。")
            .arg(folder_.file(QString::fromLatin1(kProgressModuleName)), loadError_));
}

} // namespace radiane::app

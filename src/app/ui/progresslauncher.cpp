#include "app/ui/progresslauncher.h"

#include "progress/ui/progressmodule.h"

#include <QEvent>
#include <QLibrary>
#include <QMessageBox>
#include <QTimer>

namespace radiane::app {

ProgressLauncher::ProgressLauncher(ProgramFolder folder, Formg& formg, RecorderReady recorderReady)
    : QObject(&formg), folder_(std::move(folder)), formg_(formg),
      recorderReady_(std::move(recorderReady)) {
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
    QLibrary module(modulePath());
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
    if (observer)
        recorderReady_(*observer);
}

QString ProgressLauncher::modulePath() const {
    return folder_.file(QString::fromLatin1(kProgressModuleName));
}

std::vector<progress::KeyRecord> ProgressLauncher::earlierKeys(qint64 before) {
    std::vector<progress::KeyRecord> keys;
    QLibrary module(modulePath());
    const auto read =
        reinterpret_cast<ProgressReadEarlierFunction>(module.resolve(kProgressReadEarlierSymbol));
    if (!read || !read(reinterpret_cast<const char16_t*>(folder_.path().utf16()),
                       folder_.path().size(), before, &keys))
        keys.clear();
    return keys;
}

void ProgressLauncher::showWindow() {
    load();
    if (controller_) {
        if (practiceStanding_)
            QMetaObject::invokeMethod(controller_, "setPracticeStanding",
                                      Q_ARG(QString, practiceStanding_()));
        QMetaObject::invokeMethod(controller_, "showWindow");
        return;
    }
    QMessageBox::warning(
        &formg_, QStringLiteral("Radiane"),
        QStringLiteral("学习进度无法打开：%1 无法载入（%2）。").arg(modulePath(), loadError_));
}

} // namespace radiane::app

#include "codes/ui/codeslauncher.h"

#include "codes/ui/codeswindow.h"
#include "common/fatalerror.h"

#include <QMessageBox>
#include <utility>

namespace radiane::codes {

CodesLauncher::CodesLauncher(ProgramFolder folder, QWidget* parent)
    : folder_(std::move(folder)), parent_(parent) {}

CodesLauncher::~CodesLauncher() {
    delete window_.data();
}

CodesWindow* CodesLauncher::open() {
    if (!window_) {
        if (const auto beforeFirstOpen = std::exchange(beforeFirstOpen_, nullptr))
            beforeFirstOpen();
        try {
            const QString path = folder_.file(QStringLiteral("wwbb11.dat"));
            if (!database_.isOpen() &&
                database_.open(path) == lookup::CodeDatabase::OpenResult::Failed)
                throw FatalError(path, database_.errorString());
            window_ = new CodesWindow(folder_, database_, CodeSet::load(folder_, database_), order_,
                                      parent_);
            window_->setObserver(observer_);
            if (parent_)
                window_->move(parent_->frameGeometry().center() - window_->rect().center());
            window_->startLevel(Level::OneKey);
        } catch (const FatalError& error) {
            delete window_.data();
            QMessageBox::warning(parent_, QStringLiteral("Radiane"),
                                 QStringLiteral("编码练习无法开始。\n%1").arg(error.message()));
            return nullptr;
        }
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
    return window_;
}

} // namespace radiane::codes

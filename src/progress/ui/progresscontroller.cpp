#include "progress/ui/progresscontroller.h"

#include "progress/progressstore.h"
#include "progress/ui/progresswindow.h"

#include <QDateTime>
#include <QMessageBox>

namespace radiane::progress {

namespace {

QString storePath(const ProgramFolder& folder) {
    return folder.file(QString::fromLatin1(kProgressFileName));
}

} // namespace

ProgressController::ProgressController(ProgramFolder folder, QWidget* window,
                                       KeyRecorder::Clock clock)
    : folder_(std::move(folder)), mainWindow_(window), writer_(storePath(folder_)),
      recorder_(std::move(clock), *this) {
    connect(&writer_, &ProgressWriter::failed, this, &ProgressController::recordingFailed);
}

ProgressController::~ProgressController() {
    delete window_;
}

ProgressWindow* ProgressController::window() const {
    return window_;
}

qint64 ProgressController::systemClock() {
    return QDateTime::currentMSecsSinceEpoch();
}

void ProgressController::start() {
    writer_.start();
}

void ProgressController::keyRecorded(const KeyRecord& key) {
    if (!problem_)
        writer_.add(key);
}

void ProgressController::groupFinished() {
    writer_.commit();
}

void ProgressController::recordingFailed(const QString& message) {
    problem_ = message;
    // Told without taking the keyboard from the drill.
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Radiane 学习进度"), message,
                                QMessageBox::Ok, mainWindow_);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setAttribute(Qt::WA_ShowWithoutActivating);
    box->setWindowModality(Qt::NonModal);
    box->show();
    if (window_ && window_->isVisible())
        showWindow();
}

void ProgressController::showWindow() {
    writer_.sync();
    ProgressTotals totals;
    std::optional<QString> problem = problem_;
    ProgressStore store(storePath(folder_));
    std::optional<QString> unreadable = store.open(ProgressStore::Access::ReadOnly);
    if (!unreadable)
        unreadable = store.readTotals(totals);
    if (unreadable) {
        // What this run has typed is still known.
        totals = totalsOf(recorder_.session());
        problem = problem.value_or(*unreadable);
    }
    if (!window_) {
        window_ = new ProgressWindow(folder_, mainWindow_);
        connect(window_, &ProgressWindow::exportRequested, this, &ProgressController::exportTo);
    }
    window_->showProgress(sessionFigures(recorder_.session()), std::move(totals), problem);
    window_->showPracticeStanding(practiceStanding_);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void ProgressController::exportTo(const QString& path) {
    writer_.sync();
    ProgressStore store(storePath(folder_));
    std::optional<QString> problem = store.open(ProgressStore::Access::ReadOnly);
    if (!problem)
        problem = store.exportCsv(path);
    if (problem)
        QMessageBox::warning(window_, QStringLiteral("Radiane"), *problem);
    else
        QMessageBox::information(window_, QStringLiteral("Radiane"),
                                 QStringLiteral("学习记录已导出到 %1。").arg(path));
}

} // namespace radiane::progress

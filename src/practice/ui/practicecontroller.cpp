#include "practice/ui/practicecontroller.h"

#include "practice/masterytext.h"
#include "practice/scopesetting.h"
#include "practice/ui/scopedialog.h"

#include <QLabel>
#include <QMessageBox>
#include <QRandomGenerator>
#include <utility>

namespace radiane::practice {

PracticeController::PracticeController(ProgramFolder folder, QWidget* window, QLabel* line,
                                       StartDrill startDrill, const AttemptHistory& history,
                                       Scheduler::Clock clock)
    : folder_(std::move(folder)), window_(window), line_(line), startDrill_(std::move(startDrill)),
      history_(history), clock_(std::move(clock)) {}

PracticeController::~PracticeController() = default;

Scope PracticeController::savedScope() const {
    return readScope(folder_).scope;
}

void PracticeController::choose() {
    const ScopeRead saved = readScope(folder_);
    const std::optional<Scope> scope =
        ScopeDialog::choose(window_, saved.scope, saved.problem.value_or(QString()));
    if (!scope)
        return;
    const WriteResult written = writeScope(folder_, *scope);
    if (!written.ok)
        QMessageBox::warning(
            window_, QStringLiteral("专项练习"),
            QStringLiteral("%1：%2，这次的选择下次不会记得。")
                .arg(folder_.file(QString::fromLatin1(kScopeFile)), written.reason));
    start(*scope);
}

bool PracticeController::start(const Scope& scope) {
    loadEarlierHistory();
    std::variant<ItemPool, QString> pool = loadPool(folder_, scope);
    if (const QString* problem = std::get_if<QString>(&pool)) {
        QMessageBox::warning(window_, QStringLiteral("专项练习"), *problem);
        return false;
    }
    // The drill holds on to the old scheduler until the new one has started.
    auto next = std::make_unique<Scheduler>(std::get<ItemPool>(std::move(pool)), history_, clock_,
                                            QRandomGenerator::global()->generate());
    startDrill_(*next);
    scheduler_ = std::move(next);
    keys_ = scope.keys.toUpper();
    showMastery();
    return true;
}

void PracticeController::loadEarlierHistory() {
    if (const auto beforeFirstStart = std::exchange(beforeFirstStart_, nullptr))
        beforeFirstStart();
}

QString PracticeController::standing() {
    loadEarlierHistory();
    const Scope scope = savedScope();
    std::variant<ItemPool, QString> pool = loadPool(folder_, scope);
    if (!std::holds_alternative<ItemPool>(pool))
        return {};
    Scheduler scheduler(std::get<ItemPool>(std::move(pool)), history_, clock_, 0);
    scheduler.catchUp();
    return QStringLiteral("专项 %1　%2")
        .arg(scope.keys.toUpper(), masteryText(scheduler.mastery()));
}

void PracticeController::drillStarted(drill::DrillKind drill) {
    practising_ = drill == drill::DrillKind::Practice;
    line_->setVisible(practising_);
}

void PracticeController::keyJudged(const drill::JudgedKey&) {
    if (practising_)
        showMastery();
}

void PracticeController::showMastery() {
    if (!scheduler_)
        return;
    scheduler_->catchUp();
    line_->setText(QStringLiteral("专项 %1　%2").arg(keys_, masteryText(scheduler_->mastery())));
}

} // namespace radiane::practice

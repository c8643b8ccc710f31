#pragma once

#include "common/programfolder.h"
#include "drill/judgedkey.h"
#include "practice/attempt.h"
#include "practice/scheduler.h"
#include "practice/scope.h"

#include <QObject>
#include <functional>
#include <memory>

class QLabel;
class QWidget;

namespace radiane::practice {

// Targeted practice in the main window: asks for the scope, remembers it,
// feeds the drill from a scheduler over the learner's history and keeps the
// progress line up to date (register it as an observer after whatever records
// the history, so the line counts the key just typed).
class PracticeController : public QObject, public drill::JudgedKeyObserver {
    Q_OBJECT
public:
    using StartDrill = std::function<void(drill::ItemSource&)>;
    // window: parent of the dialogs; line: shows the mastery while practising.
    // history: not owned, outlives the controller.
    PracticeController(ProgramFolder folder, QWidget* window, QLabel* line, StartDrill startDrill,
                       const AttemptHistory& history, Scheduler::Clock clock);
    ~PracticeController() override;

    // The dialog, then the practice it asks for.
    void choose();
    // Practice on scope now. False (and the learner told) when it cannot start.
    bool start(const Scope& scope);
    // The saved scope, or the default.
    Scope savedScope() const;
    // Where the learner stands in the saved scope, as the practice line says it
    // ("专项 GFDSA　已掌握 37 / 58 个字根"); empty when its lists cannot be read.
    QString standing();
    // Runs once, before the first practice starts: where the history of earlier
    // runs is read in.
    void setBeforeFirstStart(std::function<void()> beforeFirstStart) {
        beforeFirstStart_ = std::move(beforeFirstStart);
    }

    void drillStarted(drill::DrillKind drill) override;
    void keyJudged(const drill::JudgedKey& key) override;

private:
    void loadEarlierHistory();
    void showMastery();

    ProgramFolder folder_;
    QWidget* window_;
    QLabel* line_;
    StartDrill startDrill_;
    const AttemptHistory& history_;
    Scheduler::Clock clock_;
    std::function<void()> beforeFirstStart_;
    std::unique_ptr<Scheduler> scheduler_;
    bool practising_ = false;
    QString keys_; // of the practice running, as the line shows them
};

} // namespace radiane::practice

#pragma once

#include "app/ui/formg.h"
#include "common/programfolder.h"
#include "progress/keyrecord.h"

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

namespace radiane::app {

// Starts the learner's progress (module radiane-progress) once the main
// window has painted its first frame: from then on the drill's judged keys are
// recorded, and F2 and the progress button open the progress window.
class ProgressLauncher : public QObject {
    Q_OBJECT
public:
    // recorderReady receives the recorder to hand every drill's judged keys.
    using RecorderReady = std::function<void(drill::JudgedKeyObserver&)>;
    ProgressLauncher(ProgramFolder folder, Formg& formg, RecorderReady recorderReady);

    void showWindow();
    // What the window says of targeted practice, asked for at each opening.
    void setPracticeStanding(std::function<QString()> standing) {
        practiceStanding_ = std::move(standing);
    }
    // Loads the module now if it is not yet (its recorder starts at once).
    void load();
    // The keys recorded before the time `before` (ms since the epoch), oldest
    // first; none when the module or the file cannot be read.
    std::vector<progress::KeyRecord> earlierKeys(qint64 before);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString modulePath() const;

    ProgramFolder folder_;
    Formg& formg_;
    RecorderReady recorderReady_;
    std::function<QString()> practiceStanding_;
    QObject* controller_ = nullptr; // a child of the main window
    bool tried_ = false;
    QString loadError_;
};

} // namespace radiane::app

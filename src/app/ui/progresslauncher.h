#pragma once

#include "app/ui/formg.h"
#include "common/programfolder.h"

#include <QObject>
#include <QString>

namespace radiane::app {

// Starts the learner's progress (module radiane-progress.so) once the main
// window has painted its first frame: from then on the drill's judged keys are
// recorded, and F2 and the progress button open the progress window.
class ProgressLauncher : public QObject {
    Q_OBJECT
public:
    ProgressLauncher(ProgramFolder folder, Formg& formg);

    void showWindow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void load();

    ProgramFolder folder_;
    Formg& formg_;
    QObject* controller_ = nullptr; // a child of the main window
    bool tried_ = false;
    QString loadError_;
};

} // namespace radiane::app

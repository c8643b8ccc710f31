#pragma once

#include "common/programfolder.h"
#include "progress/keyrecorder.h"
#include "progress/progresswriter.h"

#include <QObject>
#include <QPointer>
#include <optional>

namespace radiane::progress {

class ProgressWindow;

// The learner's progress in the program: records every judged key the drill
// reports (recorder()) into progress.sqlite and shows the progress window. A
// file that cannot be used is told once; the drill goes on without recording.
class ProgressController : public QObject, private KeySink {
    Q_OBJECT
public:
    // window: the main window, parent of the progress window and of the message.
    ProgressController(ProgramFolder folder, QWidget* window,
                       KeyRecorder::Clock clock = &ProgressController::systemClock);
    ~ProgressController() override;

    drill::JudgedKeyObserver& recorder() { return recorder_; }
    const std::vector<KeyRecord>& session() const { return recorder_.session(); }
    // Opens the file, on the writing thread.
    void start();
    // The file could not be used (the message told), or nullopt.
    const std::optional<QString>& problem() const { return problem_; }

    Q_INVOKABLE void showWindow();
    // Shown in the window from its next opening on.
    Q_INVOKABLE void setPracticeStanding(const QString& standing) { practiceStanding_ = standing; }
    ProgressWindow* window() const;

    static qint64 systemClock();

private:
    void keyRecorded(const KeyRecord& key) override;
    void groupFinished() override;
    void recordingFailed(const QString& message);
    void exportTo(const QString& path);

    ProgramFolder folder_;
    QWidget* mainWindow_;
    ProgressWriter writer_;
    KeyRecorder recorder_;
    QPointer<ProgressWindow> window_;
    std::optional<QString> problem_;
    QString practiceStanding_;
};

} // namespace radiane::progress

#pragma once

#include "common/programfolder.h"
#include "progress/statistics.h"

#include <QWidget>
#include <optional>

class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;

namespace radiane::progress {

class HistoryChart;
class KeyboardHeatmap;

// The learner's progress: this run's figures, the keyboard coloured by
// accuracy, the weakest radicals and characters with the keys typed instead,
// and accuracy and speed by day. Shows what it is given; reads no file but
// the pictures.
class ProgressWindow : public QWidget {
    Q_OBJECT
public:
    explicit ProgressWindow(ProgramFolder folder, QWidget* parent = nullptr);

    // Everything recorded, and this run's figures; problem: why recording stopped.
    void showProgress(const SessionFigures& session, ProgressTotals totals,
                      const std::optional<QString>& problem);
    // Where the learner stands in targeted practice; hidden when empty.
    void showPracticeStanding(const QString& standing);

    // Shown, for the tests that read the window.
    QLabel* sessionKeys = nullptr;
    QLabel* sessionAccuracy = nullptr;
    QLabel* sessionSpeed = nullptr;
    QLabel* sessionMedian = nullptr;
    QLabel* problemLine = nullptr;
    QLabel* drillFigures = nullptr;     // keys, accuracy and speed of each drill kind, all days
    QLabel* practiceStanding = nullptr; // the mastered count of the practice scope
    QComboBox* kindChoice = nullptr;
    QPushButton* exportButton = nullptr;
    KeyboardHeatmap* heatmap = nullptr;
    HistoryChart* history = nullptr;
    QWidget* weakestList = nullptr;

signals:
    // The learner chose a CSV file to export to.
    void exportRequested(const QString& path);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showSummary();
    void showWeakest(const std::vector<ItemFigures>& items);
    QPixmap itemPicture(const QString& item) const;

    ProgramFolder folder_;
    ProgressTotals totals_;
    QGridLayout* weakestGrid_ = nullptr;
};

// "93.3%"; "—" without keys.
QString percentText(int right, int keys);

} // namespace radiane::progress

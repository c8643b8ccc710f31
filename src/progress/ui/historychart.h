#pragma once

#include "progress/statistics.h"

#include <QChartView>

class QChart;

namespace radiane::progress {

// Accuracy and speed by day, as two lines over a time axis; its colours follow
// the window's palette, so it reads in every skin.
class HistoryChart : public QChartView {
    Q_OBJECT
public:
    explicit HistoryChart(QWidget* parent = nullptr);

    void setDays(const std::vector<DayFigures>& days);

protected:
    void changeEvent(QEvent* event) override;

private:
    void applyPalette();
};

} // namespace radiane::progress

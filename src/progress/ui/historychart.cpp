#include "progress/ui/historychart.h"

#include <QChart>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QEvent>
#include <QLegendMarker>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>

namespace radiane::progress {

namespace {

constexpr qint64 kDayMs = 24 * 3600 * 1000;

qint64 noonOf(const QDate& day) {
    return QDateTime(day, QTime(12, 0)).toMSecsSinceEpoch();
}

} // namespace

HistoryChart::HistoryChart(QWidget* parent) : QChartView(parent) {
    setObjectName(QStringLiteral("historyChart"));
    setRenderHint(QPainter::Antialiasing);
    auto* chart = new QChart;
    chart->setTitle(QStringLiteral("每日进度"));
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    setChart(chart);
    setMinimumHeight(220);
    applyPalette();
}

void HistoryChart::setDays(const std::vector<DayFigures>& days) {
    QChart* chart = this->chart();
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }

    auto* accuracy = new QLineSeries;
    accuracy->setName(QStringLiteral("正确率（%）"));
    auto* speed = new QLineSeries;
    speed->setName(QStringLiteral("速度（每分钟答对键数）"));
    double topSpeed = 10;
    for (const DayFigures& day : days) {
        accuracy->append(noonOf(day.day), day.accuracy * 100);
        speed->append(noonOf(day.day), day.keysPerMinute);
        topSpeed = std::max(topSpeed, day.keysPerMinute);
    }
    for (QLineSeries* series : {accuracy, speed}) {
        series->setPointsVisible(true);
        QPen pen = series->pen();
        pen.setWidthF(2.5);
        series->setPen(pen);
        chart->addSeries(series);
    }
    accuracy->setColor(QColor(0, 150, 60));
    speed->setColor(QColor(30, 100, 220));

    auto* time = new QDateTimeAxis;
    time->setFormat(QStringLiteral("MM-dd"));
    const qint64 first = days.empty() ? noonOf(QDate::currentDate()) : noonOf(days.front().day);
    const qint64 last = days.empty() ? first : noonOf(days.back().day);
    time->setRange(QDateTime::fromMSecsSinceEpoch(first - kDayMs),
                   QDateTime::fromMSecsSinceEpoch(last + kDayMs));
    time->setTickCount(std::clamp(int((last - first) / kDayMs) + 3, 3, 8));
    auto* percent = new QValueAxis;
    percent->setRange(0, 100);
    percent->setTickCount(5);
    percent->setLabelFormat(QStringLiteral("%d%%"));
    auto* perMinute = new QValueAxis;
    perMinute->setRange(0, topSpeed);
    perMinute->applyNiceNumbers();
    perMinute->setLabelFormat(QStringLiteral("%d"));
    // Its labels are measured before they take the window's font: never elide them.
    perMinute->setTruncateLabels(false);
    chart->addAxis(time, Qt::AlignBottom);
    chart->addAxis(percent, Qt::AlignLeft);
    chart->addAxis(perMinute, Qt::AlignRight);
    accuracy->attachAxis(time);
    accuracy->attachAxis(percent);
    speed->attachAxis(time);
    speed->attachAxis(perMinute);
    applyPalette();
}

void HistoryChart::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange)
        applyPalette();
    QChartView::changeEvent(event);
}

void HistoryChart::applyPalette() {
    QChart* chart = this->chart();
    if (!chart)
        return;
    const QPalette palette = this->palette();
    const QColor text = palette.color(QPalette::WindowText);
    QColor grid = text;
    grid.setAlpha(60);
    setBackgroundBrush(palette.window());
    chart->setBackgroundBrush(palette.window());
    chart->setBackgroundPen(Qt::NoPen);
    chart->setPlotAreaBackgroundVisible(false);
    QFont font = this->font();
    chart->setTitleBrush(text);
    QFont title = font;
    title.setBold(true);
    chart->setTitleFont(title);
    chart->legend()->setLabelColor(text);
    chart->legend()->setFont(font);
    for (QAbstractAxis* axis : chart->axes()) {
        axis->setLabelsBrush(text);
        axis->setLabelsFont(font);
        axis->setTitleBrush(text);
        axis->setTitleFont(font);
        axis->setLinePenColor(text);
        axis->setGridLineColor(grid);
    }
}

} // namespace radiane::progress

#pragma once

#include "common/programfolder.h"

#include <QImage>

class QPainter;

namespace radiane::chart {

// The chart picture's file in the program folder.
inline constexpr char kChartFileName[] = "chart.png";

// Loads the chart picture. A missing or unreadable file throws FatalError.
QImage loadChartImage(const ProgramFolder& folder);

// Draws the chart on a page whose painter starts at the printable area's top
// left, the device having the given resolution in dots per inch.
void paintChartPage(QPainter& painter, const QImage& chart, int dpiX, int dpiY);

} // namespace radiane::chart

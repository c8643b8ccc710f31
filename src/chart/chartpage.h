#pragma once

#include "common/programfolder.h"

#include <QImage>

class QPainter;

namespace radiane::chart {

// The chart picture's file in the program folder.
inline constexpr char kChartFileName[] = "chart.png";

// Loads the chart picture at a scale (1, or 2 for the picture at twice the
// resolution, which then has that device pixel ratio). A missing or unreadable
// file throws FatalError.
QImage loadChartImage(const ProgramFolder& folder, int scale = 1);

// Draws the chart on a page whose painter starts at the printable area's top
// left, the device having the given resolution in dots per inch. A chart of a
// higher device pixel ratio prints at the same size, with more detail.
void paintChartPage(QPainter& painter, const QImage& chart, int dpiX, int dpiY);

} // namespace radiane::chart

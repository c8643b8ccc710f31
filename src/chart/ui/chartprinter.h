#pragma once

#include <QImage>
#include <QPrinter>
#include <memory>

namespace radiane::chart {

// A printer for the system's default print queue, the job titled 五笔字根表,
// or null when there is none.
std::unique_ptr<QPrinter> defaultPrinter();

// Sets the page the chart is printed on: one A4 page, portrait, the painter
// starting at the printer's printable area (its margins are the printer's
// minimum ones).
void preparePage(QPrinter& printer);

// Prints the chart on one A4 page of the given printer and ends the document.
// False when the printer could not start or finish the job.
bool printChart(QPrinter& printer, const QImage& chart);

} // namespace radiane::chart

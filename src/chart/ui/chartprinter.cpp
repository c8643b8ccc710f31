#include "chart/ui/chartprinter.h"

#include "chart/chartpage.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinterInfo>

namespace radiane::chart {

std::unique_ptr<QPrinter> defaultPrinter() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

void preparePage(QPrinter& printer) {
    printer.setDocName(QStringLiteral("五笔字根表"));
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(false); // the painter starts at the printable area
    printer.setCopyCount(1);
    printer.setFromTo(0, 0);
}

bool printChart(QPrinter& printer, const QImage& chart) {
    preparePage(printer);

    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    paintChartPage(painter, chart, printer.resolution(), printer.resolution());
    if (!painter.end())
        return false;
    return printer.printerState() != QPrinter::Error;
}

} // namespace radiane::chart

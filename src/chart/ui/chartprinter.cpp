#include "chart/ui/chartprinter.h"

#include "chart/chartpage.h"

#include <QLibrary>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinterInfo>

#ifdef RADIANE_HAVE_CUPS
#include <cups/cups.h>
#endif

namespace radiane::chart {

namespace {

#ifdef RADIANE_HAVE_CUPS
// The print client library is looked up when a job has been handed over, not
// linked: Qt's print plugin has loaded it by then, and the program starts
// without the thirty libraries it would bring in.
bool printServiceRefusedJob() {
    using LastError = ipp_status_t (*)();
    const auto lastError =
        reinterpret_cast<LastError>(QLibrary::resolve(QStringLiteral("cups"), 2, "cupsLastError"));
    return lastError && lastError() >= IPP_STATUS_ERROR_BAD_REQUEST;
}
#endif

} // namespace

std::unique_ptr<QPrinter> defaultPrinter() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer->setDocName(QStringLiteral("五笔字根表"));
    return printer;
}

void preparePage(QPrinter& printer) {
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    // The painter starts at the printable area: no margins of Qt's own on top
    // of what the printer cannot reach.
    printer.setFullPage(false);
    const QPageLayout layout = printer.pageLayout();
    printer.setPageMargins(layout.minimumMargins(), layout.units());
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
#ifdef RADIANE_HAVE_CUPS
    // Ending the document hands the job to the print service in this thread;
    // a queue that refuses it is an error Qt passes over in silence.
    if (printer.outputFormat() == QPrinter::NativeFormat && printServiceRefusedJob())
        return false;
#endif
    return printer.printerState() != QPrinter::Error;
}

} // namespace radiane::chart

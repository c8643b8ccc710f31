#include "chart/chartpage.h"

#include "chart/placement.h"
#include "common/fatalerror.h"
#include "common/picturefile.h"
#include "common/picturescale.h"

#include <QPainter>

namespace radiane::chart {

QImage loadChartImage(const ProgramFolder& folder, int scale) {
    const QString path = folder.file(scaledPictureName(QString::fromLatin1(kChartFileName), scale));
    PictureRead read = readPictureFile(path);
    if (read.status == FileBytes::Status::Missing)
        throw FatalError(path, QStringLiteral("找不到字根表图片"));
    if (!read.ok())
        throw FatalError(path, read.reason);
    read.image.setDevicePixelRatio(scale);
    return std::move(read.image);
}

void paintChartPage(QPainter& painter, const QImage& chart, int dpiX, int dpiY) {
    const double ratio = chart.devicePixelRatio();
    const PrintPlacement placement =
        printPlacement((QSizeF(chart.size()) / ratio).toSize(), dpiX, dpiY);
    const QRectF source(QPointF(placement.source.topLeft()) * ratio,
                        QSizeF(placement.source.size()) * ratio);
    // Enlarged pixel by pixel and stored without loss (not as JPEG in a PDF):
    // a 16-colour chart of small characters stays crisp on paper.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setRenderHint(QPainter::LosslessImageRendering, true);
    painter.drawImage(QRectF(placement.target), chart, source);
}

} // namespace radiane::chart

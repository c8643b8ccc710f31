#include "chart/chartpage.h"

#include "chart/placement.h"
#include "common/fatalerror.h"
#include "common/picturescale.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

namespace radiane::chart {

QImage loadChartImage(const ProgramFolder& folder, int scale) {
    const QString path = folder.file(scaledPictureName(QString::fromLatin1(kChartFileName), scale));
    if (!QFileInfo(path).isFile())
        throw FatalError(path, QStringLiteral("找不到字根表图片"));
    QImageReader reader(path);
    QImage image = reader.read();
    if (image.isNull())
        throw FatalError(path,
                         QStringLiteral("字根表图片无法读取（%1）").arg(reader.errorString()));
    image.setDevicePixelRatio(scale);
    return image;
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

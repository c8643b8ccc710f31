#include "common/picturescale.h"

namespace radiane {

int pictureScale(double devicePixelRatio) {
    return devicePixelRatio > 1.0 ? kHighDensityScale : 1;
}

QString scaledPictureName(const QString& name, int scale) {
    if (scale == 1)
        return name;
    const qsizetype dot = name.lastIndexOf(u'.');
    const qsizetype slash = name.lastIndexOf(u'/');
    const QString stem = dot > slash ? name.left(dot) : name;
    return stem + QStringLiteral("@%1x.png").arg(scale);
}

QImage pictureForRatio(const QImage& picture, double devicePixelRatio) {
    if (picture.isNull() || qFuzzyCompare(picture.devicePixelRatio(), devicePixelRatio))
        return picture;
    const QSizeF logical = QSizeF(picture.size()) / picture.devicePixelRatio();
    // Scaled in full colour: a palette picture would come back dithered to its palette.
    const QImage full = picture.convertToFormat(
        picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    QImage shown = full.scaled((logical * devicePixelRatio).toSize(), Qt::IgnoreAspectRatio,
                               Qt::SmoothTransformation);
    shown.setDevicePixelRatio(devicePixelRatio);
    return shown;
}

} // namespace radiane

// `datagen icons`: the two 16 × 16 pictures of the keyboard panel toggle and the scalable
// application icon.
#include "command.h"
#include "radicalart.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

namespace datagen {

namespace {

const QColor kFace(0xf2, 0xf4, 0xf7);
const QColor kEdge(0x8a, 0x93, 0xa3);
const QColor kMark(0x3b, 0x42, 0x50);

// A small button face with a chevron pointing up (fold the panel away) or down (unfold it).
QImage toggleIcon(bool up, int renderScale = 1) {
    QImage image(16 * renderScale, 16 * renderScale, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(renderScale, renderScale);
    p.setPen(QPen(kEdge, 1));
    p.setBrush(kFace);
    p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
    QPainterPath chevron;
    const double tip = up ? 5.0 : 11.0, base = up ? 10.5 : 5.5;
    chevron.moveTo(3.5, base);
    chevron.lineTo(8.0, tip);
    chevron.lineTo(12.5, base);
    p.setPen(QPen(kMark, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(chevron);
    return image;
}

QString svgNumber(double v) {
    return QString::number(v, 'f', 1);
}

// SVG path data of a painter path (moves, lines and cubic curves).
QString svgPath(const QPainterPath& path) {
    QString d;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            d += QStringLiteral("M%1 %2").arg(svgNumber(e.x), svgNumber(e.y));
        } else if (e.isLineTo()) {
            d += QStringLiteral("L%1 %2").arg(svgNumber(e.x), svgNumber(e.y));
        } else if (e.isCurveTo()) {
            const QPainterPath::Element c2 = path.elementAt(i + 1), end = path.elementAt(i + 2);
            d += QStringLiteral("C%1 %2 %3 %4 %5 %6")
                     .arg(svgNumber(e.x), svgNumber(e.y), svgNumber(c2.x), svgNumber(c2.y),
                          svgNumber(end.x), svgNumber(end.y));
            i += 2;
        }
    }
    return d + QLatin1Char('Z');
}

// Outline of text fitted into box (centre), in the box's units.
QPainterPath fittedText(const QString& text, const QFont& font, const QRectF& box) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF ink = path.boundingRect();
    const double scale = std::min(box.width() / ink.width(), box.height() / ink.height());
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(scale, scale);
    t.translate(-ink.center().x(), -ink.center().y());
    return t.map(path);
}

// The application icon: a key cap carrying 五, with the key's letter G at its corner.
QString appIconSvg() {
    const QPainterPath wu =
        fittedText(QStringLiteral("五"), songFont(200, true), QRectF(70, 78, 124, 118));
    QFont latin(QStringLiteral("DejaVu Sans"));
    latin.setPixelSize(100);
    latin.setBold(true);
    const QPainterPath g = fittedText(QStringLiteral("G"), latin, QRectF(44, 40, 30, 32));
    return QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
                          "viewBox=\"0 0 256 256\">\n"
                          "  <defs>\n"
                          "    <linearGradient id=\"face\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">\n"
                          "      <stop offset=\"0\" stop-color=\"#fdf6ec\"/>\n"
                          "      <stop offset=\"1\" stop-color=\"#f1e3cf\"/>\n"
                          "    </linearGradient>\n"
                          "  </defs>\n"
                          "  <rect x=\"16\" y=\"20\" width=\"224\" height=\"224\" rx=\"36\" "
                          "fill=\"#3b4250\"/>\n"
                          "  <rect x=\"24\" y=\"16\" width=\"208\" height=\"204\" rx=\"30\" "
                          "fill=\"#c96a2b\"/>\n"
                          "  <rect x=\"32\" y=\"22\" width=\"192\" height=\"188\" rx=\"26\" "
                          "fill=\"url(#face)\"/>\n"
                          "  <path fill=\"#1f2933\" d=\"%1\"/>\n"
                          "  <path fill=\"#c81010\" stroke=\"#c81010\" stroke-width=\"4\" "
                          "stroke-linejoin=\"round\" d=\"%2\"/>\n"
                          "</svg>\n")
        .arg(svgPath(g), svgPath(wu));
}

} // namespace

} // namespace datagen

using namespace datagen;

DATAGEN_COMMAND(icons, "icons",
                "<data-folder>: panel-shown.png, panel-folded.png and radiane.svg") {
    QTextStream err(stderr);
    if (args.isEmpty()) {
        err << "usage: datagen icons <data-folder>\n";
        return 2;
    }
    const QDir data(args[0]);
    if (!toggleIcon(true).save(data.filePath(QStringLiteral("panel-shown.png")), "PNG") ||
        !toggleIcon(false).save(data.filePath(QStringLiteral("panel-folded.png")), "PNG") ||
        !toggleIcon(true, 2).save(data.filePath(QStringLiteral("panel-shown@2x.png")), "PNG") ||
        !toggleIcon(false, 2).save(data.filePath(QStringLiteral("panel-folded@2x.png")), "PNG")) {
        err << "datagen icons: cannot write the toggle pictures\n";
        return 1;
    }
    QFile svg(data.filePath(QStringLiteral("radiane.svg")));
    if (!svg.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        svg.write(appIconSvg().toUtf8()) < 0) {
        err << "datagen icons: cannot write radiane.svg\n";
        return 1;
    }
    return 0;
}

#include "site/htmlpage.h"
#include "site/pages.h"

namespace radiane::site {

namespace {

QString polyline(const QList<QPoint>& points, const char* cls) {
    QStringList xy;
    for (const QPoint& p : points)
        xy << QStringLiteral("%1,%2").arg(p.x()).arg(p.y());
    return QStringLiteral("<polyline class=\"%1\" points=\"%2\"/>")
        .arg(QLatin1String(cls), xy.join(u' '));
}

} // namespace

// One square per stroke on a guide grid: the strokes before it grey, the stroke itself black
// with a red dot where the pen starts, and its number.
QString strokeOrder(const QList<QList<QPoint>>& strokes) {
    QString html = QStringLiteral("<ol class=\"strokes\">");
    for (qsizetype n = 0; n < strokes.size(); ++n) {
        QString svg = QStringLiteral(
                          "<svg viewBox=\"0 0 128 128\" role=\"img\" aria-label=\"第 %1 笔\">"
                          "<path class=\"grid\" d=\"M0 64H128M64 0V128M0 0L128 128M128 0L0 128\"/>")
                          .arg(n + 1);
        for (qsizetype before = 0; before < n; ++before)
            svg += polyline(strokes[before], "done");
        svg += polyline(strokes[n], "now");
        const QPoint start = strokes[n].front();
        svg += QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"6\"/></svg>")
                   .arg(start.x())
                   .arg(start.y());
        html += QStringLiteral("<li>%1<span>%2</span></li>").arg(svg).arg(n + 1);
    }
    return html + QStringLiteral("</ol>");
}

} // namespace radiane::site

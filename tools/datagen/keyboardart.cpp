#include "keyboardart.h"

#include <algorithm>

#include "common/twips.h"

namespace datagen {

int zoneOf(const QString& key) {
    static const QString zones[] = {QStringLiteral("gfdsa"), QStringLiteral("hjklm"),
                                    QStringLiteral("trewq"), QStringLiteral("yuiop"),
                                    QStringLiteral("nbvcx")};
    if (key.size() != 1)
        return 0;
    for (int z = 0; z < 5; ++z)
        if (zones[z].contains(key))
            return z + 1;
    return 0;
}

QString zoneNumber(const QString& key) {
    static const QString zones[] = {QStringLiteral("gfdsa"), QStringLiteral("hjklm"),
                                    QStringLiteral("trewq"), QStringLiteral("yuiop"),
                                    QStringLiteral("nbvcx")};
    const int z = zoneOf(key);
    if (z == 0)
        return {};
    return QString::number(z) + QString::number(zones[z - 1].indexOf(key) + 1);
}

QColor zoneFace(const QString& key) {
    switch (zoneOf(key)) {
    case 1:
        return QColor(0xfb, 0xe3, 0xd6); // peach
    case 2:
        return QColor(0xd8, 0xe8, 0xfa); // blue
    case 3:
        return QColor(0xdc, 0xf1, 0xd8); // green
    case 4:
        return QColor(0xf7, 0xef, 0xc6); // yellow
    case 5:
        return QColor(0xec, 0xdf, 0xf5); // lavender
    default:
        return kPlainKeyFace;
    }
}

std::vector<QRectF> gridCells(const QRectF& area, int count, QSizeF maxSize) {
    int bestColumns = 1;
    double best = 0;
    for (int columns = 1; columns <= std::max(count, 1); ++columns) {
        const int rows = (count + columns - 1) / columns;
        const double side = std::min({area.width() / columns, area.height() / std::max(rows, 1),
                                      maxSize.width(), maxSize.height()});
        if (side >= best - 1e-9) {
            best = side;
            bestColumns = columns;
        }
    }
    const int rows = (count + bestColumns - 1) / bestColumns;
    const double w = std::min(area.width() / bestColumns, maxSize.width());
    const double h = std::min(area.height() / std::max(rows, 1), maxSize.height());
    std::vector<QRectF> cells;
    for (int i = 0; i < count; ++i)
        cells.emplace_back(area.left() + (i % bestColumns) * w, area.top() + (i / bestColumns) * h,
                           w, h);
    return cells;
}

QList<QRect> keyClickAreas() {
    // Left and top in twips of the areas for a..y; each is 975 × 915 twips.
    static const int areas[25][2] = {
        {930, 1260},  {5850, 2310}, {3660, 2340}, {3150, 1260}, {2550, 180},
        {4230, 1230}, {5340, 1260}, {6450, 1230}, {8010, 180},  {7530, 1260},
        {8640, 1260}, {9720, 1230}, {8040, 2340}, {6930, 2340}, {9120, 180},
        {10200, 180}, {330, 180},   {3630, 180},  {2040, 1260}, {4740, 150},
        {6900, 180},  {4770, 2340}, {1440, 180},  {2580, 2340}, {5790, 180}};
    QList<QRect> out;
    for (const auto& a : areas)
        out.append(radiane::pxRect(a[0], a[1], 975, 915));
    return out;
}

} // namespace datagen

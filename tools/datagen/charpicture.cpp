#include "charpicture.h"

#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <vector>

namespace datagen {

namespace {

// Which colour group draws each stroke: the part it belongs to, or the middle group.
QList<int> strokeGroups(const Split& split) {
    QList<int> groups(split.strokeCount, 4);
    for (int part = 1; part <= 4; ++part)
        for (int s : partStrokes(split, part))
            groups[s] = part - 1;
    return groups;
}

// 4-connected components of one palette index; each is a list of pixels.
QList<QList<QPoint>> components(const QImage& img, int index) {
    const int w = img.width(), h = img.height();
    std::vector<int> seen(size_t(w) * size_t(h), 0);
    QList<QList<QPoint>> out;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (seen[size_t(y) * w + x] || img.pixelIndex(x, y) != index)
                continue;
            QList<QPoint> comp;
            QList<QPoint> stack{{x, y}};
            seen[size_t(y) * w + x] = 1;
            while (!stack.isEmpty()) {
                const QPoint p = stack.takeLast();
                comp.append(p);
                const QPoint next[4] = {
                    {p.x() + 1, p.y()}, {p.x() - 1, p.y()}, {p.x(), p.y() + 1}, {p.x(), p.y() - 1}};
                for (const QPoint& q : next) {
                    if (q.x() < 0 || q.y() < 0 || q.x() >= w || q.y() >= h)
                        continue;
                    int& s = seen[size_t(q.y()) * w + q.x()];
                    if (!s && img.pixelIndex(q) == index) {
                        s = 1;
                        stack.append(q);
                    }
                }
            }
            out.append(comp);
        }
    return out;
}

// The pixel of a component farthest (4-connected steps) from any pixel outside it: a point
// well inside the stroke, never on its edge when the stroke is wider than two pixels.
QPoint deepestPoint(const QList<QPoint>& comp, int w, int h) {
    std::vector<int> dist(size_t(w) * size_t(h), -1);
    for (const QPoint& p : comp)
        dist[size_t(p.y()) * w + p.x()] = 0;
    QList<QPoint> frontier;
    auto inside = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < w && y < h && dist[size_t(y) * w + x] >= 0;
    };
    for (const QPoint& p : comp) {
        if (!inside(p.x() + 1, p.y()) || !inside(p.x() - 1, p.y()) || !inside(p.x(), p.y() + 1) ||
            !inside(p.x(), p.y() - 1)) {
            dist[size_t(p.y()) * w + p.x()] = 1;
            frontier.append(p);
        }
    }
    for (qsizetype i = 0; i < frontier.size(); ++i) {
        const QPoint p = frontier[i];
        const int d = dist[size_t(p.y()) * w + p.x()];
        const QPoint next[4] = {
            {p.x() + 1, p.y()}, {p.x() - 1, p.y()}, {p.x(), p.y() + 1}, {p.x(), p.y() - 1}};
        for (const QPoint& q : next)
            if (inside(q.x(), q.y()) && dist[size_t(q.y()) * w + q.x()] == 0) {
                dist[size_t(q.y()) * w + q.x()] = d + 1;
                frontier.append(q);
            }
    }
    // Deepest pixel; ties go to the one nearest the component's centre, then raster order.
    double cx = 0, cy = 0;
    for (const QPoint& p : comp) {
        cx += p.x();
        cy += p.y();
    }
    cx /= comp.size();
    cy /= comp.size();
    QPoint best = comp.first();
    int bestD = -1;
    double bestC = 0;
    for (const QPoint& p : comp) {
        const int d = dist[size_t(p.y()) * w + p.x()];
        const double c = (p.x() - cx) * (p.x() - cx) + (p.y() - cy) * (p.y() - cy);
        if (d > bestD || (d == bestD && c < bestC) ||
            (d == bestD && c == bestC &&
             (p.y() < best.y() || (p.y() == best.y() && p.x() < best.x())))) {
            best = p;
            bestD = d;
            bestC = c;
        }
    }
    return best;
}

// Grows a piece of colour `index` by rings of white pixels around it, at most two, until one of
// its pixels has all four neighbours in it; false when that does not happen.
bool thicken(QImage& img, QList<QPoint> piece, int index) {
    auto inside = [&](const QPoint& p) {
        const QPoint next[4] = {
            {p.x() + 1, p.y()}, {p.x() - 1, p.y()}, {p.x(), p.y() + 1}, {p.x(), p.y() - 1}};
        return std::all_of(next, next + 4, [&](const QPoint& q) {
            return img.valid(q) && img.pixelIndex(q) == index;
        });
    };
    for (int ring = 0; ring < 2; ++ring) {
        QList<QPoint> grown;
        for (const QPoint& p : piece) {
            const QPoint next[4] = {
                {p.x() + 1, p.y()}, {p.x() - 1, p.y()}, {p.x(), p.y() + 1}, {p.x(), p.y() - 1}};
            for (const QPoint& q : next)
                if (img.valid(q) && img.pixelIndex(q) == 0) {
                    img.setPixel(q, uint(index));
                    grown.append(q);
                }
        }
        piece += grown;
        if (std::any_of(piece.cbegin(), piece.cend(), inside))
            return true;
    }
    return false;
}

} // namespace

int partGrey(int group) {
    return kGreyBase + group;
}

namespace {

// The radical colour (1..5) that a piece of colour own touches most, 0 when it touches none.
int mostTouchedColour(const QImage& img, const QList<QPoint>& piece, int own) {
    int votes[6] = {0, 0, 0, 0, 0, 0};
    for (const QPoint& p : piece) {
        const QPoint next[4] = {
            {p.x() + 1, p.y()}, {p.x() - 1, p.y()}, {p.x(), p.y() + 1}, {p.x(), p.y() - 1}};
        for (const QPoint& q : next)
            if (img.valid(q) && img.pixelIndex(q) != own && img.pixelIndex(q) != 0)
                ++votes[img.pixelIndex(q)];
    }
    const int to = int(std::max_element(votes, votes + 6) - votes);
    return votes[to] == 0 ? 0 : to;
}

} // namespace

std::optional<CharPicture> drawCharacter(const CharStrokes& strokes, const Split& split,
                                         int renderScale) {
    const int width = kPictureWidth * renderScale, height = kPictureHeight * renderScale;
    QImage img(width, height, QImage::Format_Indexed8);
    QList<QRgb> palette{qRgb(255, 255, 255)};
    for (int g = 0; g < 5; ++g)
        palette.append(qRgb(partGrey(g), partGrey(g), partGrey(g)));
    img.setColorTable(palette);
    img.fill(0);

    // Large and centred: the outline's bounding box, scaled to fill most of the picture.
    const QRectF bounds = strokes.outline().boundingRect();
    const double side = std::max(bounds.width(), bounds.height());
    const double scale = std::min(104.0 / side, 104.0 / 1024.0 * 1.08);
    QTransform t;
    t.translate(width / 2.0, height / 2.0);
    t.scale(scale * renderScale, scale * renderScale);
    t.translate(-bounds.center().x(), -bounds.center().y());

    const QList<int> groups = strokeGroups(split);
    // Draw into an RGB image (QPainter cannot paint indexed images), then map back.
    QImage rgb(width, height, QImage::Format_RGB32);
    rgb.fill(Qt::white);
    {
        QPainter p(&rgb);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(Qt::NoPen);
        p.setTransform(t);
        for (int s = 0; s < strokes.count(); ++s) {
            const int g = partGrey(groups[s]);
            p.setBrush(QColor(g, g, g));
            p.drawPath(strokes.strokes[s]);
        }
    }
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int v = qRed(rgb.pixel(x, y));
            img.setPixel(x, y, v == 255 ? 0 : v - kGreyBase + 1);
        }

    // Where each stroke lies, to tell a sliver cut off a stroke from a whole small stroke.
    QList<QImage> strokeMasks;
    for (int s = 0; s < strokes.count(); ++s) {
        QImage mask(width, height, QImage::Format_Grayscale8);
        mask.fill(0);
        QPainter p(&mask);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.setTransform(t);
        p.drawPath(strokes.strokes[s]);
        strokeMasks.append(mask);
    }
    // True when the piece holds every visible pixel of some stroke of its colour.
    auto holdsWholeStroke = [&](const QList<QPoint>& piece, int index) {
        for (int s = 0; s < strokes.count(); ++s) {
            if (groups[s] + 1 != index)
                continue;
            int visible = 0, inPiece = 0;
            for (int y = 0; y < height; ++y) {
                const uchar* mask = strokeMasks[s].constScanLine(y);
                const uchar* colour = img.constScanLine(y);
                for (int x = 0; x < width; ++x)
                    visible += mask[x] != 0 && colour[x] == index;
            }
            for (const QPoint& q : piece)
                inPiece += strokeMasks[s].constScanLine(q.y())[q.x()] != 0;
            if (visible > 0 && inPiece == visible)
                return true;
        }
        return false;
    };

    // Slivers of a radical cut off by another's overlapping stroke (pieces without a single
    // pixel whose four neighbours are all in the piece) take the colour of the radical they touch
    // most, so that every piece left has a fill point well inside it. A piece that is a whole
    // stroke (a small 丶 touching a 丨) keeps its colour and is thickened instead.
    for (int index = 1; index <= 5; ++index)
        for (const QList<QPoint>& comp : components(img, index)) {
            bool hasInside = false;
            for (const QPoint& p : comp) {
                const QPoint next[4] = {
                    {p.x() + 1, p.y()}, {p.x() - 1, p.y()}, {p.x(), p.y() + 1}, {p.x(), p.y() - 1}};
                hasInside = std::all_of(next, next + 4, [&](const QPoint& q) {
                    return img.valid(q) && img.pixelIndex(q) == index;
                });
                if (hasInside)
                    break;
            }
            if (hasInside)
                continue;
            const int to = holdsWholeStroke(comp, index) ? 0 : mostTouchedColour(img, comp, index);
            if (to == 0) {
                // A thin piece standing alone (a hairline stroke) or a whole small stroke is
                // thickened into the white around it until it has a safe point inside.
                if (!thicken(img, comp, index))
                    return std::nullopt;
                continue;
            }
            for (const QPoint& p : comp)
                img.setPixel(p, uint(to));
        }

    CharPicture out;
    out.image = img;
    for (int part = 1; part <= 4; ++part) {
        if (partStrokes(split, part).isEmpty())
            continue;
        const QList<QList<QPoint>> comps = components(img, part);
        if (comps.isEmpty() || comps.size() > kMaxSeeds)
            return std::nullopt;
        for (const QList<QPoint>& comp : comps)
            out.seeds[part - 1].append(deepestPoint(comp, width, height));
    }
    return out;
}

bool fitToSeeds(CharPicture& scaled, const CharPicture& base, int renderScale) {
    QImage& img = scaled.image;
    for (int part = 1; part <= 4; ++part) {
        QList<QPoint>& seeds = scaled.seeds[part - 1];
        seeds.clear();
        for (const QPoint& s : base.seeds[part - 1]) {
            seeds.append(s * renderScale);
            if (img.pixelIndex(seeds.last()) != part)
                return false;
        }
        for (const QList<QPoint>& comp : components(img, part)) {
            if (std::any_of(seeds.begin(), seeds.end(),
                            [&](const QPoint& s) { return comp.contains(s); }))
                continue;
            const int to = mostTouchedColour(img, comp, part);
            if (to == 0)
                return false;
            for (const QPoint& p : comp)
                img.setPixel(p, uint(to));
        }
    }
    return true;
}

CharPicture enlarged(const CharPicture& base, int renderScale) {
    CharPicture out;
    out.image = base.image.scaled(base.image.size() * renderScale);
    for (int part = 0; part < 4; ++part)
        for (const QPoint& s : base.seeds[part])
            out.seeds[part].append(s * renderScale);
    return out;
}

int floodFill4(QImage& image, QPoint seed, QRgb fill) {
    if (!image.valid(seed))
        return 0;
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32)
        image = image.convertToFormat(QImage::Format_RGB32);
    const QRgb target = image.pixel(seed);
    if (target == fill)
        return 0;
    int count = 0;
    QList<QPoint> stack{seed};
    while (!stack.isEmpty()) {
        const QPoint p = stack.takeLast();
        if (!image.valid(p) || image.pixel(p) != target)
            continue;
        image.setPixel(p, fill);
        ++count;
        stack.append({p.x() + 1, p.y()});
        stack.append({p.x() - 1, p.y()});
        stack.append({p.x(), p.y() + 1});
        stack.append({p.x(), p.y() - 1});
    }
    return count;
}

} // namespace datagen

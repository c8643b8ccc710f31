#include "lookup/floodfill.h"

#include "common/twips.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace radiane::lookup {

namespace {

// Restores a surface's fill settings however the fill ends.
class FillSettingsGuard {
public:
    explicit FillSettingsGuard(PictureSurface& surface)
        : surface_(surface), style_(surface.fillStyle), colour_(surface.fillColor) {}
    ~FillSettingsGuard() {
        surface_.fillStyle = style_;
        surface_.fillColor = colour_;
    }
    FillSettingsGuard(const FillSettingsGuard&) = delete;
    FillSettingsGuard& operator=(const FillSettingsGuard&) = delete;

private:
    PictureSurface& surface_;
    FillStyle style_;
    QRgb colour_;
};

// Scanline fill of the 4-connected region of pixels for which inside(pixel)
// holds, starting at (sx, sy). Without tracking, a painted pixel must no longer
// be inside; with tracking each pixel is taken once, so the fill colour may
// itself be inside (a border fill over pixels that already have it).
template <bool Track, typename Inside>
int scanlineFill(QImage& image, int sx, int sy, QRgb paint, Inside inside) {
    const int width = image.width();
    const int height = image.height();
    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    auto row = [&](int y) { return reinterpret_cast<QRgb*>(bits + y * stride); };
    std::vector<uchar> done(Track ? static_cast<std::size_t>(width) * height : 0);
    auto fillable = [&](const QRgb* line, int x, int y) {
        if constexpr (Track) {
            if (done[static_cast<std::size_t>(y) * width + x])
                return false;
        }
        return inside(line[x]);
    };

    struct Seed {
        int x;
        int y;
    };
    std::vector<Seed> stack{{sx, sy}};
    int painted = 0;
    while (!stack.empty()) {
        const Seed seed = stack.back();
        stack.pop_back();
        QRgb* line = row(seed.y);
        if (!fillable(line, seed.x, seed.y))
            continue;
        int left = seed.x;
        while (left > 0 && fillable(line, left - 1, seed.y))
            --left;
        int right = seed.x;
        while (right + 1 < width && fillable(line, right + 1, seed.y))
            ++right;
        std::fill(line + left, line + right + 1, paint);
        if constexpr (Track)
            std::fill_n(done.begin() + static_cast<std::ptrdiff_t>(seed.y) * width + left,
                        right - left + 1, uchar{1});
        painted += right - left + 1;
        // One seed per run of fillable pixels in the rows above and below.
        for (const int ny : {seed.y - 1, seed.y + 1}) {
            if (ny < 0 || ny >= height)
                continue;
            const QRgb* next = row(ny);
            bool inRun = false;
            for (int x = left; x <= right; ++x) {
                const bool ok = fillable(next, x, ny);
                if (ok && !inRun)
                    stack.push_back({x, ny});
                inRun = ok;
            }
        }
    }
    return painted;
}

} // namespace

QPoint twipsToPicturePixel(const QImage& image, int x, int y) {
    const double scale = image.devicePixelRatio() / kTwipsPerPixel;
    // nearbyint rounds a half to the even neighbour in the default rounding mode.
    return {static_cast<int>(std::nearbyint(x * scale)),
            static_cast<int>(std::nearbyint(y * scale))};
}

int FloodFillAt(PictureSurface& surface, int x, int y, QRgb fillColour,
                std::optional<QRgb> borderColour) {
    QImage& image = surface.image;
    const QPoint start = twipsToPicturePixel(image, x, y);
    if (image.isNull() || !image.rect().contains(start))
        return 0;

    const FillSettingsGuard guard(surface);
    surface.fillStyle = FillStyle::Solid;
    surface.fillColor = fillColour;

    // Work on 32-bit pixels so that any colour can be painted (a palette image
    // may not hold the fill colour).
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32)
        image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);

    const QRgb paint = 0xff000000u | (surface.fillColor & 0x00ffffffu);
    if (borderColour) {
        const QRgb border = *borderColour & 0x00ffffffu;
        return scanlineFill<true>(image, start.x(), start.y(), paint,
                                  [border](QRgb p) { return (p & 0x00ffffffu) != border; });
    }
    const QRgb under = image.pixel(start);
    if (under == paint)
        return 0; // the region already has the fill colour
    // pixel() reads an RGB32 pixel as opaque whatever its unused top byte holds
    // (a short or damaged bitmap leaves it unset); compare the same way.
    const QRgb opaque = image.format() == QImage::Format_RGB32 ? 0xff000000u : 0u;
    return scanlineFill<false>(image, start.x(), start.y(), paint,
                               [under, opaque](QRgb p) { return (p | opaque) == under; });
}

} // namespace radiane::lookup

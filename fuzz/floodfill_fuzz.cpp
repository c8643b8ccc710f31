// Picture loading and flood fill: the input is a few control bytes and then a
// BMP or PNG file, loaded as the lookup loads its character pictures, then
// filled from points taken from the input.
#include "fuzzsupport.h"
#include "lookup/floodfill.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>

using namespace radiane;
using namespace radiane::lookup;

namespace {

qsizetype countColour(const QImage& image, QRgb colour) {
    qsizetype n = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            n += line[x] == colour;
    }
    return n;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Keeps a hostile header from asking for a picture larger than the fuzzer
    // may allocate; no character picture comes near this.
    QImageReader::setAllocationLimit(16);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input input(data, size);
    const std::uint8_t control = input.byte();
    const QRgb fill = input.u32();
    const QRgb border = input.u32();
    const bool withBorder = control & 2;
    static const double ratios[] = {1.0, 1.25, 1.5, 2.0};
    const double ratio = ratios[(control >> 2) & 3];
    struct Point {
        int x, y;
    } points[3];
    for (Point& p : points) {
        p.x = static_cast<std::int16_t>(input.u16());
        p.y = static_cast<std::int16_t>(input.u16());
    }

    QByteArray file = input.rest().toByteArray();
    QBuffer buffer(&file);
    QImageReader reader(&buffer, control & 1 ? "PNG" : "BMP");
    PictureSurface surface{reader.read()};
    if (surface.image.isNull())
        return 0;
    surface.image.setDevicePixelRatio(ratio);
    const QSize imageSize = surface.image.size();

    for (const Point p : points) {
        // The fill works on 32-bit pixels; count on the same so as to check it.
        QImage before = surface.image.convertToFormat(
            surface.image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        const QRgb paint = 0xff000000u | (fill & 0x00ffffffu);
        const QPoint start = twipsToPicturePixel(surface.image, p.x, p.y);
        const bool inside = before.rect().contains(start);
        const QRgb under = inside ? before.pixel(start) : 0;

        const int painted = withBorder ? FloodFillAt(surface, p.x, p.y, fill, border)
                                       : FloodFillAt(surface, p.x, p.y, fill);
        fuzz::check(surface.fillStyle == FillStyle::Transparent &&
                        surface.fillColor == qRgb(0, 0, 0),
                    "fill settings not restored");
        fuzz::check(surface.image.size() == imageSize, "the fill changed the picture's size");
        fuzz::check(painted >= 0 && painted <= imageSize.width() * imageSize.height(),
                    "more pixels painted than the picture has");
        if (!inside) {
            fuzz::check(painted == 0, "a point outside the picture painted");
            continue;
        }
        if (!withBorder) {
            if (under == paint) {
                fuzz::check(painted == 0, "a region of the fill colour was painted");
            } else {
                fuzz::check(painted > 0, "the pixel under the point was not painted");
                fuzz::check(countColour(surface.image, paint) ==
                                countColour(before, paint) + painted,
                            "the count of painted pixels is wrong");
                fuzz::check(surface.image.pixel(start) == paint, "the start pixel is not painted");
            }
        }
    }
    return 0;
}

// `datagen chart`: the radical chart shown and printed by the chart window: the keys in their
// keyboard rows with letter, zone-and-position number and every radical, then the verse of
// each key with a short remark in two columns. 651 × 523 px in a 16-colour palette; the lower
// right corner stays empty, since the window's buttons lie over it.
#include "command.h"
#include "keyboardart.h"
#include "radicalart.h"
#include "radicaltable.h"
#include "strokedata.h"

#include "drill/keyhinttable.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTextStream>
#include <array>
#include <map>

namespace datagen {

namespace {

constexpr int kWidth = 651;
constexpr int kHeight = 523;
// Everything right of x and below y of this point lies under the window's buttons.
constexpr QPoint kButtonCorner(430, 440);

// The palette: greys for anti-aliased black on white, the five zone tints, red and its
// anti-aliasing tint for the key names, blue for the verse letters.
const std::array<QRgb, 16> kPalette = {
    qRgb(255, 255, 255),    qRgb(0, 0, 0),          qRgb(64, 64, 64),       qRgb(118, 118, 118),
    qRgb(170, 170, 170),    qRgb(214, 214, 214),    qRgb(0xf9, 0xd3, 0xbe), qRgb(0xc6, 0xdd, 0xf6),
    qRgb(0xcd, 0xeb, 0xc5), qRgb(0xf3, 0xe6, 0xa6), qRgb(0xe0, 0xcd, 0xef), qRgb(0xc8, 0x10, 0x10),
    qRgb(0xe8, 0x9c, 0x9c), qRgb(0x1f, 0x3a, 0x93), qRgb(0x8f, 0x9f, 0xcf), qRgb(0x3b, 0x42, 0x50)};

const QColor kRed(kPalette[11]);
const QColor kBlue(kPalette[13]);
const QColor kRemark(kPalette[2]);
const QColor kFrame(kPalette[15]);

QColor zoneBand(const QString& key) {
    const int z = zoneOf(key);
    return z == 0 ? QColor(kPalette[5]) : QColor(kPalette[5 + z]);
}

// Short remarks after each verse: what the less obvious words of the verse stand for.
const std::map<QString, QString>& remarks() {
    static const std::map<QString, QString> r = {
        {"g", "青头即龶"}, {"f", "另有革字底"},   {"d", "羊底 ナ 丆 镸"}, {"s", "西含覀"},
        {"a", "右框即匚"}, {"h", "虎头 皮头 龰"}, {"j", "两竖即刂"},      {"k", "川含三竖"},
        {"l", "方框即囗"}, {"m", "下框即冂"},     {"t", "攵 夂 彳"},      {"r", "龵 扌 𠂆"},
        {"e", "豕 𧘇 爫"}, {"w", "祭头 登头"},    {"q", "勹 ⺈"},         {"y", "高头即亠"},
        {"u", "丷 冫 疒"}, {"i", "氵 ⺌ ⺍"},     {"o", "灬 业头"},       {"p", "宀 冖 礻 衤"},
        {"n", "折即乙"},   {"b", "框向上即凵"},   {"v", "山朝西即彐"},    {"c", "丢矢矣即厶"},
        {"x", "幺 纟"}};
    return r;
}

// Text drawn as outlines, so that a thin extra outline can strengthen the strokes of small
// Chinese text before the image is reduced to its palette. Returns the advance.
double drawText(QPainter& p, QPointF baseline, const QString& text, const QFont& font,
                const QColor& colour, double bolden = 0.0) {
    QPainterPath path;
    path.addText(baseline, font, text);
    p.save();
    p.setBrush(colour);
    if (bolden > 0)
        p.setPen(QPen(colour, bolden, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    else
        p.setPen(Qt::NoPen);
    p.drawPath(path);
    p.restore();
    return QFontMetricsF(font).horizontalAdvance(text);
}

QFont latinFont(int pixelSize, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

constexpr int kKeyW = 60, kKeyH = 82, kPitch = 64, kBand = 16;

void drawKeyBox(QPainter& p, const QRect& box, const QString& key,
                const std::vector<Radical>& radicals, const std::vector<RadicalArt>& arts) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(box);
    p.setBrush(zoneBand(key));
    p.drawRect(QRect(box.left(), box.top(), box.width(), kBand));
    p.setPen(QPen(kFrame, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5));
    p.restore();

    // The band's letter and number are drawn without smoothing: anti-aliased text on a tint
    // would fall between the palette's colours.
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    drawText(p, QPointF(box.left() + 4, box.top() + 13), key.toUpper(), latinFont(13, true),
             Qt::black);
    const QString number = zoneNumber(key);
    const QFont small = latinFont(11, false);
    drawText(
        p,
        QPointF(box.right() - 3 - QFontMetricsF(small).horizontalAdvance(number), box.top() + 12),
        number, small, Qt::black);
    p.restore();

    const QRectF area(box.left() + 1, box.top() + kBand + 1, box.width() - 2,
                      box.height() - kBand - 2);
    const std::vector<QRectF> cells = gridCells(area, int(radicals.size()), QSizeF(14.5, 16));
    for (std::size_t i = 0; i < radicals.size(); ++i) {
        const double side = std::min(cells[i].width(), cells[i].height());
        drawRadical(p, arts[i], cells[i], Fit{side, side * 0.59, side * 0.9, 0.5},
                    i == 0 ? kRed : QColor(Qt::black));
    }
}

void drawPlainBox(QPainter& p, const QRect& box, const QString& legend) {
    p.save();
    p.setPen(QPen(kFrame, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5));
    p.setRenderHint(QPainter::Antialiasing, false);
    const QFont font = latinFont(22, true);
    const QFontMetricsF fm(font);
    drawText(
        p, QPointF(box.center().x() + 0.5 - fm.horizontalAdvance(legend) / 2, box.center().y() + 8),
        legend, font, Qt::black);
    p.restore();
}

QImage quantise(const QImage& image) {
    QList<QRgb> table(kPalette.begin(), kPalette.end());
    QImage out(image.size(), QImage::Format_Indexed8);
    out.setColorTable(table);
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* src = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        uchar* dst = out.scanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            int best = 0, bestDist = INT_MAX;
            for (int i = 0; i < int(table.size()); ++i) {
                const int dr = qRed(src[x]) - qRed(table[i]),
                          dg = qGreen(src[x]) - qGreen(table[i]),
                          db = qBlue(src[x]) - qBlue(table[i]);
                const int d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
                if (d < bestDist) {
                    bestDist = d;
                    best = i;
                }
            }
            dst[x] = uchar(best);
        }
    }
    return out;
}

} // namespace

QImage chartPicture(const std::vector<Radical>& table, const StrokeData& strokes,
                    int renderScale = 1) {
    QImage image(kWidth * renderScale, kHeight * renderScale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(renderScale, renderScale);

    const QFont title = songFont(17, true);
    const QString titleText = QStringLiteral("五笔字型（86版）字根总表");
    drawText(p, QPointF((kWidth - QFontMetricsF(title).horizontalAdvance(titleText)) / 2, 19),
             titleText, title, kFrame);

    const QString rows[3] = {QStringLiteral("qwertyuiop"), QStringLiteral("asdfghjkl"),
                             QStringLiteral("zxcvbnm,")};
    const int rowLeft[3] = {6, 22, 38};
    const int top = 26;
    for (int r = 0; r < 3; ++r)
        for (int i = 0; i < rows[r].size(); ++i) {
            const QString key = rows[r].mid(i, 1);
            const QRect box(rowLeft[r] + i * kPitch, top + r * (kKeyH + 4), kKeyW, kKeyH);
            if (key == QLatin1String("z"))
                drawPlainBox(p, box, QStringLiteral("Z"));
            else if (key == QLatin1String(","))
                drawPlainBox(p, box, QStringLiteral(","));
            else {
                const std::vector<Radical> radicals = radicalsOfKey(table, key);
                std::vector<RadicalArt> arts;
                for (const Radical& rad : radicals)
                    arts.push_back(radicalArt(rad, strokes));
                drawKeyBox(p, box, key, radicals, arts);
            }
        }

    // The verses: zone 1, 3, 5 on the left, zone 2, 4 on the right.
    const int versesTop = top + 3 * (kKeyH + 4) + 4;
    p.save();
    p.setPen(QPen(kFrame, 1));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.drawLine(6, versesTop - 3, kWidth - 7, versesTop - 3);
    p.restore();
    const QString left = QStringLiteral("gfdsatrewqnbvcx"), right = QStringLiteral("hjklmyuiop");
    const double lineH = (kHeight - 4 - versesTop) / 15.0;
    const QFont verse = songFont(13);
    const QFont remark = songFont(12);
    const QFont letter = latinFont(12, true);
    auto drawColumn = [&](const QString& keys, double x, double maxX) {
        for (int i = 0; i < keys.size(); ++i) {
            const QString key = keys.mid(i, 1);
            const radiane::drill::KeyHintRow* row = radiane::drill::findKeyHint(key);
            if (!row)
                throw std::runtime_error("the key hint table lacks a key");
            const double base = versesTop + (i + 1) * lineH - 4;
            double cx = x;
            p.save();
            p.setRenderHint(QPainter::Antialiasing, false);
            drawText(p, QPointF(cx, base), key.toUpper(), letter, kBlue);
            p.restore();
            cx += 14;
            cx += drawText(p, QPointF(cx, base), row->verse, verse, Qt::black, 0.35);
            const QString note = QStringLiteral("（%1）").arg(remarks().at(key));
            const double w = QFontMetricsF(remark).horizontalAdvance(note);
            if (cx + 2 + w <= maxX)
                drawText(p, QPointF(maxX - w, base), note, remark, kRemark, 0.3);
        }
    };
    drawColumn(left, 8, 352);
    drawColumn(right, 366, kWidth - 6);
    p.end();
    return quantise(image);
}

} // namespace datagen

using namespace datagen;

DATAGEN_COMMAND(chart, "chart",
                "<radicals.tsv> <data-folder> [review-folder]: the chart image chart.png") {
    QTextStream err(stderr);
    if (args.size() < 2) {
        err << "usage: datagen chart <radicals.tsv> <data-folder> [review-folder]\n";
        return 2;
    }
    try {
        const std::vector<Radical> table = loadRadicalTable(args[0]);
        QImage image;
        for (int scale : {2, 1}) {
            image = chartPicture(table, StrokeData(), scale);
            // The button corner must stay blank.
            for (int y = kButtonCorner.y() * scale; y < image.height(); ++y)
                for (int x = kButtonCorner.x() * scale; x < image.width(); ++x)
                    if (image.pixelIndex(x, y) != 0)
                        throw std::runtime_error("the chart reaches under the buttons");
            const QString file = QDir(args[1]).filePath(
                scale == 1 ? QStringLiteral("chart.png") : QStringLiteral("chart@2x.png"));
            if (!image.save(file, "PNG"))
                throw std::runtime_error(QStringLiteral("cannot write %1").arg(file).toStdString());
        }
        if (args.size() > 2) {
            QDir().mkpath(args[2]);
            image.scaled(image.size() * 2)
                .save(QDir(args[2]).filePath(QStringLiteral("chart-2x.png")));
        }
    } catch (const std::exception& e) {
        err << "datagen chart: " << e.what() << "\n";
        return 1;
    }
    return 0;
}

// `datagen keyboard`: the keyboard picture of the main window's keyboard panel. Each letter key
// lies exactly under its mark pair and click area, so the key face is the red mark's rectangle.
#include "command.h"
#include "keyboardart.h"
#include "radicalart.h"
#include "radicaltable.h"
#include "strokedata.h"

#include "common/twips.h"
#include "drill/keyhinttable.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTextStream>
#include <map>

namespace datagen {

namespace {

constexpr int kWidth = 774;  // 11610 twips
constexpr int kHeight = 234; // 3510 twips
constexpr int kPitch = 73;   // key pitch of the marks, px

QRect twipsRect(const radiane::drill::MarkGeometry& g) {
    return radiane::pxRect(g.left, g.top, g.width, g.height);
}

// A key cap: a slightly rounded face with a darker lower lip, drawn inside rect.
void drawCap(QPainter& p, const QRect& rect, const QColor& face) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(face.darker(135));
    p.drawRoundedRect(QRectF(rect), 4, 4);
    p.setBrush(face);
    p.drawRoundedRect(QRectF(rect.adjusted(0, 0, 0, -3)), 4, 4);
    p.setPen(QPen(face.lighter(112), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(rect.adjusted(0, 0, 0, -3)).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    p.restore();
}

void drawPlainKey(QPainter& p, const QRect& rect, const QString& legend, int pixelSize = 11,
                  Qt::Alignment align = Qt::AlignLeft) {
    drawCap(p, rect, kPlainKeyFace);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    p.setFont(font);
    p.setPen(QColor(0x4a, 0x50, 0x5c));
    p.drawText(rect.adjusted(6, 4, -7, -6), align | Qt::AlignTop, legend);
}

// A letter key: the letter at the top left, the key-name radical large at the top right, every
// other radical of the key small below, in as many rows as they need (smaller when there are
// many). The outer 4 px stay quiet, since the red mark is drawn over them.
void drawLetterKey(QPainter& p, const QRect& rect, const QString& key,
                   const std::vector<Radical>& radicals, const std::vector<RadicalArt>& arts) {
    drawCap(p, rect, zoneFace(key));
    QFont letter(QStringLiteral("DejaVu Sans"));
    letter.setPixelSize(16);
    letter.setBold(true);
    p.setFont(letter);
    p.setPen(kLetterColour);
    p.drawText(QRect(rect.left() + 6, rect.top() + 4, 20, 20), Qt::AlignLeft | Qt::AlignTop,
               key.toUpper());

    if (radicals.empty())
        return;
    const int others = int(radicals.size()) - 1;
    const bool crowded = others > 8;
    const QRectF name = crowded ? QRectF(rect.left() + 28, rect.top() + 4, 26, 22)
                                : QRectF(rect.left() + 30, rect.top() + 5, 30, 27);
    drawRadical(p, arts[0], name, crowded ? Fit{22, 12, 20, 0.25} : Fit{26, 14, 24, 0.25}, kInk);
    const QRectF area(rect.left() + 5, name.bottom() + 1, rect.width() - 10,
                      rect.bottom() - 5 - name.bottom());
    const std::vector<QRectF> cells = gridCells(area, others, QSizeF(14.25, 15));
    for (int k = 0; k < others; ++k) {
        const double side = std::min(cells[k].width(), cells[k].height());
        drawRadical(p, arts[k + 1], cells[k], Fit{side, side * 0.63, side * 0.91, 0.45}, kInk);
    }
}

} // namespace

QImage keyboardPicture(const std::vector<Radical>& table, const StrokeData& strokes,
                       int renderScale) {
    QImage image(kWidth * renderScale, kHeight * renderScale, QImage::Format_RGB32);
    image.fill(kCaseColour);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(renderScale, renderScale);

    // Letter keys at their marks; remember each row's first and last key for the plain keys.
    std::map<QString, QRect> keys;
    for (const auto& row : radiane::drill::keyHintTable()) {
        const QRect rect = twipsRect(row.red);
        const std::vector<Radical> radicals = radicalsOfKey(table, row.key);
        std::vector<RadicalArt> arts;
        for (const Radical& r : radicals)
            arts.push_back(radicalArt(r, strokes));
        drawLetterKey(p, rect, row.key, radicals, arts);
        keys[row.key] = rect;
    }
    const QRect q = keys.at(QStringLiteral("q")), pKey = keys.at(QStringLiteral("p"));
    const QRect a = keys.at(QStringLiteral("a")), l = keys.at(QStringLiteral("l"));
    const QRect x = keys.at(QStringLiteral("x")), m = keys.at(QStringLiteral("m"));

    // The other keys of the three rows, as plain keys, cut by the picture's edges.
    const int gap = kPitch - q.width();
    drawPlainKey(p, QRect(-30, q.top(), q.left() - gap + 30, q.height()), QString(), 11,
                 Qt::AlignRight);
    drawPlainKey(p, pKey.translated(kPitch, 0), QStringLiteral("["), 13);
    drawPlainKey(p, QRect(-30, a.top(), a.left() - gap + 30, a.height()), QStringLiteral("Caps"),
                 11, Qt::AlignRight);
    drawPlainKey(p, l.translated(kPitch, 0), QStringLiteral(";"), 13);
    const QRect z = x.translated(-kPitch, 0);
    drawPlainKey(p, QRect(-30, x.top(), z.left() - gap + 30, x.height()), QStringLiteral("Shift"),
                 11, Qt::AlignRight);
    drawCap(p, z, kPlainKeyFace);
    {
        QFont letter(QStringLiteral("DejaVu Sans"));
        letter.setPixelSize(16);
        letter.setBold(true);
        p.setFont(letter);
        p.setPen(kLetterColour);
        p.drawText(QRect(z.left() + 6, z.top() + 4, 20, 20), Qt::AlignLeft | Qt::AlignTop,
                   QStringLiteral("Z"));
    }
    drawPlainKey(p, m.translated(kPitch, 0), QStringLiteral(","), 13);
    drawPlainKey(p, m.translated(2 * kPitch, 0), QStringLiteral("."), 13);
    drawPlainKey(p, m.translated(3 * kPitch, 0), QStringLiteral("/"), 13);
    return image;
}

// Review image: the picture at twice its size with every red and white mark and click area
// drawn over it, to check that keys and marks line up.
static QImage keyboardReview(const QImage& keyboard) {
    QImage review = keyboard.scaled(keyboard.size() * 2);
    QPainter p(&review);
    p.scale(2, 2);
    for (const auto& row : radiane::drill::keyHintTable()) {
        p.setPen(QPen(Qt::red, 1));
        p.drawRect(QRectF(twipsRect(row.red)).adjusted(0.5, 0.5, -0.5, -0.5));
        p.setPen(QPen(Qt::white, 0.5));
        p.drawRect(QRectF(twipsRect(row.white)).adjusted(0.25, 0.25, -0.25, -0.25));
    }
    p.setPen(QPen(QColor(0, 160, 255), 0.5, Qt::DashLine));
    for (const QRect& area : keyClickAreas())
        p.drawRect(QRectF(area).adjusted(0.25, 0.25, -0.25, -0.25));
    return review;
}

} // namespace datagen

using namespace datagen;

DATAGEN_COMMAND(keyboard, "keyboard",
                "<radicals.tsv> <data-folder> [review-folder]: the keyboard picture keyboard.png") {
    QTextStream err(stderr);
    if (args.size() < 2) {
        err << "usage: datagen keyboard <radicals.tsv> <data-folder> [review-folder]\n";
        return 2;
    }
    try {
        const std::vector<Radical> table = loadRadicalTable(args[0]);
        const QImage image = keyboardPicture(table, StrokeData());
        const QString file = QDir(args[1]).filePath(QStringLiteral("keyboard.png"));
        if (!image.save(file, "PNG"))
            throw std::runtime_error(QStringLiteral("cannot write %1").arg(file).toStdString());
        const QString file2x = QDir(args[1]).filePath(QStringLiteral("keyboard@2x.png"));
        if (!keyboardPicture(table, StrokeData(), 2).save(file2x, "PNG"))
            throw std::runtime_error(QStringLiteral("cannot write %1").arg(file2x).toStdString());
        if (args.size() > 2) {
            QDir().mkpath(args[2]);
            keyboardReview(image).save(
                QDir(args[2]).filePath(QStringLiteral("keyboard-marks.png")));
        }
    } catch (const std::exception& e) {
        err << "datagen keyboard: " << e.what() << "\n";
        return 1;
    }
    return 0;
}

// `datagen radicals`: the mode-1 drill list zg.txt and one picture per radical.
#include "command.h"
#include "radicalart.h"
#include "radicaltable.h"
#include "strokedata.h"

#include "common/linewriter.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTextStream>
#include <map>
#include <random>
#include <set>

namespace datagen {

namespace {

constexpr int kPictureWidth = 112;  // 1680 twips
constexpr int kPictureHeight = 113; // 1695 twips
constexpr std::uint32_t kOrderSeed = 86;

// Uniform integer in [0, n) from the raw generator output, so the order is the same with every
// standard library (std::uniform_int_distribution is not portable across them).
std::size_t draw(std::mt19937& rng, std::size_t n) {
    return std::size_t(rng() % n);
}

// The drill order: every radical once, drawn at random but never from the key of either of the
// two items before it while another key is left, and weighted towards the keys with the most
// items left so that no key piles up at the end. The list wraps, so the last item is kept off
// the key of the first one too where possible.
std::vector<std::size_t> drillOrder(const std::vector<Radical>& table, std::uint32_t seed) {
    std::mt19937 rng(seed);
    std::map<QString, std::vector<std::size_t>> byKey;
    for (std::size_t i = 0; i < table.size(); ++i)
        byKey[table[i].key].push_back(i);
    for (auto& [key, items] : byKey) // shuffle within each key (Fisher-Yates)
        for (std::size_t i = items.size(); i > 1; --i)
            std::swap(items[i - 1], items[draw(rng, i)]);

    std::vector<std::size_t> order;
    std::vector<QString> recent;
    while (order.size() < table.size()) {
        const std::size_t left = table.size() - order.size();
        auto allowed = [&](const QString& key, std::size_t avoid) {
            for (std::size_t k = 0; k < avoid && k < recent.size(); ++k)
                if (recent[recent.size() - 1 - k] == key)
                    return false;
            if (left == 1 && !order.empty() && table[order.front()].key == key && avoid > 0)
                return false;
            return true;
        };
        std::vector<QString> candidates;
        for (std::size_t avoid : {2u, 1u, 0u}) {
            for (const auto& [key, items] : byKey)
                if (!items.empty() && allowed(key, avoid))
                    // weight: one ticket per remaining item, squared to favour the fuller keys
                    for (std::size_t t = 0; t < items.size() * items.size(); ++t)
                        candidates.push_back(key);
            if (!candidates.empty())
                break;
        }
        const QString key = candidates[draw(rng, candidates.size())];
        order.push_back(byKey[key].back());
        byKey[key].pop_back();
        recent.push_back(key);
    }
    return order;
}

QImage radicalPicture(const RadicalArt& art, int renderScale = 1) {
    QImage image(kPictureWidth * renderScale, kPictureHeight * renderScale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(renderScale, renderScale);
    drawRadical(p, art, QRectF(0, 0, kPictureWidth, kPictureHeight), Fit{100, 58, 90}, Qt::black);
    return image;
}

// A review sheet: every radical picture with its key, name and note, key by key.
void writeSheet(const std::vector<Radical>& table, const std::vector<QImage>& pictures,
                const QString& path) {
    constexpr int cols = 14, cellW = 120, cellH = 150;
    const int rows = int((table.size() + cols - 1) / cols);
    QImage sheet(cols * cellW, rows * cellH, QImage::Format_RGB32);
    sheet.fill(QColor(230, 230, 230));
    QPainter p(&sheet);
    p.setFont(songFont(11));
    for (std::size_t i = 0; i < table.size(); ++i) {
        const int x = int(i % cols) * cellW, y = int(i / cols) * cellH;
        p.drawImage(x + 4, y + 4, pictures[i]);
        p.drawText(QRect(x + 2, y + 118, cellW - 4, 30), Qt::AlignLeft | Qt::TextWordWrap,
                   table[i].key + QLatin1Char(' ') + table[i].name + QLatin1Char(' ') +
                       table[i].note);
    }
    sheet.save(path);
}

} // namespace

} // namespace datagen

using namespace datagen;

DATAGEN_COMMAND(radicals, "radicals",
                "<radicals.tsv> <data-folder> [review-folder]: zg.txt and the radical pictures "
                "bmp/<name>.bmp") {
    QTextStream err(stderr);
    if (args.size() < 2) {
        err << "usage: datagen radicals <radicals.tsv> <data-folder> [review-folder]\n";
        return 2;
    }
    try {
        const std::vector<Radical> table = loadRadicalTable(args[0]);
        const StrokeData strokes;
        const QDir data(args[1]);
        if (!data.mkpath(QStringLiteral("bmp")))
            throw std::runtime_error("cannot create the picture folder");

        std::vector<QImage> pictures;
        for (const Radical& r : table) {
            const RadicalArt art = radicalArt(r, strokes);
            pictures.push_back(radicalPicture(art));
            const QString file = data.filePath(QStringLiteral("bmp/%1.bmp").arg(r.name));
            if (!pictures.back().save(file, "BMP"))
                throw std::runtime_error(QStringLiteral("cannot write %1").arg(file).toStdString());
            const QString file2x = data.filePath(QStringLiteral("bmp/%1@2x.png").arg(r.name));
            if (!radicalPicture(art, 2).save(file2x, "PNG"))
                throw std::runtime_error(
                    QStringLiteral("cannot write %1").arg(file2x).toStdString());
        }

        QString list;
        for (std::size_t i : drillOrder(table, kOrderSeed))
            list += table[i].key + table[i].name;
        const radiane::WriteResult written =
            radiane::writeLine(data.filePath(QStringLiteral("zg.txt")), list);
        if (!written.ok)
            throw std::runtime_error(written.reason.toStdString());

        if (args.size() > 2) {
            QDir().mkpath(args[2]);
            writeSheet(table, pictures, QDir(args[2]).filePath(QStringLiteral("radicals.png")));
        }
        QTextStream(stdout) << "radicals: " << table.size() << " pictures, zg.txt of "
                            << list.size() / 4 << " items\n";
    } catch (const std::exception& e) {
        err << "datagen radicals: " << e.what() << "\n";
        return 1;
    }
    return 0;
}

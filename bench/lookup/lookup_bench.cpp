// The local lookup: one search in the code database, and one whole group of the
// radicals-in-characters drill (five pictures loaded, five lookups with their
// fills). Runs on the shipped data when the program folder holds it, otherwise
// on a generated database of the 6763 common characters and generated pictures.

#include "common/gbk.h"
#include "common/textfield.h"
#include "lookup/codelookup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

using namespace radiane;
using namespace radiane::lookup;

namespace {

struct Item {
    QString character;
    QString part;
};

struct Data {
    QString folder;
    std::vector<Item> items;
    bool shipped = false;
};

QByteArray padded(QByteArray bytes, int width) {
    bytes.resize(width, ' ');
    return bytes;
}

// 6763 records (GBK B0A1 to F7FE, trail A1 to FE, without D7FA-D7FE), each with
// three fill points for radical 1, and pictures for the drilled characters.
Data generate(const QString& folder) {
    Data data;
    data.folder = folder;
    QByteArray file;
    const QByteArray seeds = padded(" 300 750 300 300 3001200", 72);
    for (int lead = 0xB0; lead <= 0xF7; ++lead) {
        for (int trail = 0xA1; trail <= 0xFE; ++trail) {
            if (lead == 0xD7 && trail >= 0xFA)
                continue;
            const char code[] = {static_cast<char>(lead), static_cast<char>(trail)};
            const QByteArray hanzi(code, 2);
            file += hanzi + padded("abcd", 4) + padded("abc", 4) + padded("ab", 4) + seeds + seeds +
                    padded({}, 72) + padded({}, 72);
            if ((lead * 94 + trail) % 97 == 0)
                data.items.push_back({decodeGbk(hanzi), QStringLiteral("1")});
        }
    }
    QFile out(folder + "/wwbb11.dat");
    if (out.open(QIODevice::WriteOnly))
        out.write(file);
    QDir(folder).mkpath("bmp");
    QImage image(112, 113, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.fillRect(QRect(10, 10, 30, 90), Qt::gray);
    painter.fillRect(QRect(60, 10, 30, 90), Qt::gray);
    painter.end();
    for (const Item& item : data.items)
        image.save(folder + "/bmp/" + item.character + ".bmp", "BMP");
    return data;
}

const Data& data() {
    static std::unique_ptr<QTemporaryDir> temp;
    static const Data loaded = [] {
        const QString program = QStringLiteral(RADIANE_PROGRAM_DIR);
        const FieldRead list = readFirstField(program + "/zg2.txt");
        if (QFileInfo::exists(program + "/wwbb11.dat") && list.ok()) {
            Data shipped;
            shipped.folder = program;
            shipped.shipped = true;
            for (qsizetype pos = 0; pos + 3 <= list.value.size(); pos += 3)
                shipped.items.push_back({list.value.mid(pos + 2, 1), list.value.mid(pos + 1, 1)});
            return shipped;
        }
        temp = std::make_unique<QTemporaryDir>();
        return generate(temp->path());
    }();
    return loaded;
}

void BM_Lookup(benchmark::State& state) {
    const Data& d = data();
    CodeDatabase db;
    db.open(d.folder + "/wwbb11.dat");
    std::size_t next = 0;
    int found = 0;
    for (auto _ : state) {
        const FindResult result = db.find(d.items[next].character);
        found += result.found;
        benchmark::DoNotOptimize(result);
        next = (next + 1) % d.items.size();
    }
    state.counters["records"] = db.recordCount();
    state.counters["reads/lookup"] =
        benchmark::Counter(db.recordsRead(), benchmark::Counter::kAvgIterations);
    state.counters["hit%"] = benchmark::Counter(100.0 * found, benchmark::Counter::kAvgIterations);
    state.SetLabel(d.shipped ? "shipped data" : "generated data");
}
BENCHMARK(BM_Lookup);

void BM_Group(benchmark::State& state) {
    const Data& d = data();
    CodeDatabase db;
    db.open(d.folder + "/wwbb11.dat");
    CodeLookup lookup(db);
    std::size_t next = 0;
    PictureSurface pictures[5];
    for (auto _ : state) {
        for (PictureSurface& picture : pictures) {
            const Item& item = d.items[next];
            next = (next + 1) % d.items.size();
            picture.image.load(d.folder + "/bmp/" + item.character + ".bmp");
            lookup.run(item.character, item.part, picture);
        }
        benchmark::DoNotOptimize(pictures);
    }
    state.SetLabel(d.shipped ? "shipped data" : "generated data");
}
BENCHMARK(BM_Group)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

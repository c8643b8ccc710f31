#include "drillfolder.h"

#include "common/gbk.h"

#include <QDir>
#include <QImage>

namespace radiane::test {

namespace {

QString keyLetter(int i) {
    return QString(QChar(u'a' + i % 25));
}

void writePicture(const TempProgramFolder& dir, const QString& name, QRgb ink) {
    QImage image(112, 113, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 30; y < 80; ++y)
        for (int x = 30; x < 80; ++x)
            image.setPixel(x, y, ink);
    QDir().mkpath(dir.file("bmp"));
    image.save(dir.file("bmp/" + name + ".bmp"), "BMP");
}

} // namespace

DrillFolder::DrillFolder() {
    QString zg;
    for (int i = 0; i < 54; ++i) {
        const QString name = QStringLiteral("r%1").arg(i, 2, 10, QLatin1Char('0'));
        radicalNames << name;
        zg += keyLetter(i) + name;
        writePicture(dir, name, qRgb(0, 0, 0));
    }
    dir.writeGbk("zg.txt", zg + "\r\n");

    // Level-1 GB2312 characters, in code order: B0A1, B0A2, ...
    QString zg2;
    for (int i = 0; i < 304; ++i) {
        const char bytes[2] = {char(0xB0 + i / 94), char(0xA1 + i % 94)};
        const QString character = decodeGbk(QByteArrayView(bytes, 2));
        characters << character;
        zg2 += keyLetter(i) + QString::number(1 + i % 4) + character;
        writePicture(dir, character, qRgb(128, 128, 128));
    }
    dir.writeGbk("zg2.txt", zg2 + "\r\n");

    for (const char* name : {"keyboard.png", "panel-shown.png", "panel-folded.png"}) {
        QImage image(21, 19, QImage::Format_RGB32);
        image.fill(Qt::lightGray);
        image.save(dir.file(name), "PNG");
    }
}

void DrillFolder::writeDatabase() const {
    QByteArray file;
    for (const QString& character : characters) {
        QByteArray record = encodeGbk(character).value_or(QByteArray());
        record += QByteArray(12, ' ');
        // One point, (40, 40) px = (600, 600) twips, inside the ink square.
        const QByteArray seeds = QByteArray(" 600 600").leftJustified(72, ' ');
        for (int part = 0; part < 4; ++part)
            record += seeds;
        file += record;
    }
    dir.write("wwbb11.dat", file);
}

} // namespace radiane::test

#include "app/ui/slotpictures.h"

#include "app/ui/fatal.h"
#include "common/picturefile.h"
#include "common/picturescale.h"

namespace radiane::app {

namespace {

QImage readPicture(const QString& path) {
    PictureRead read = readPictureFile(path);
    if (!read.ok())
        throw FatalError(path, read.reason);
    return std::move(read.image);
}

} // namespace

SlotPictures::SlotPictures(const ProgramFolder& folder,
                           const std::array<QLabel*, drill::kSlotCount>& labels)
    : folder_(folder), labels_(labels) {}

void SlotPictures::load(int slot, const QString& name) {
    names_[slot] = name;
    paints_[slot].reset();
    read(slot);
    show(slot);
}

void SlotPictures::paint(int slot, const QString& text, const QString& part,
                         lookup::CodeLookup& lookup) {
    paints_[slot] = std::make_pair(text, part);
    lookup.run(text, part, images_[slot]);
    show(slot);
}

bool SlotPictures::setRatio(double ratio, lookup::CodeDatabase& database) {
    if (qFuzzyCompare(ratio, ratio_))
        return false;
    ratio_ = ratio;
    lookup::CodeLookup replay(database);
    for (int slot = 0; slot < drill::kSlotCount; ++slot) {
        if (names_[slot].isEmpty())
            continue;
        read(slot);
        if (paints_[slot])
            replay.run(paints_[slot]->first, paints_[slot]->second, images_[slot]);
        show(slot);
    }
    return true;
}

QPixmap SlotPictures::programPixmap(const QString& name) const {
    const int scale = pictureScale(ratio_);
    QImage picture = readPicture(folder_.file(scaledPictureName(name, scale)));
    picture.setDevicePixelRatio(scale);
    return QPixmap::fromImage(pictureForRatio(picture, ratio_));
}

void SlotPictures::read(int slot) {
    const QString& name = names_[slot];
    const int scale = pictureScale(ratio_);
    const QString path =
        folder_.file(scaledPictureName(QStringLiteral("bmp/%1.bmp").arg(name), scale));
    // A picture name never leads out of the picture folder.
    const bool plainName = !name.contains(u'/') && !name.contains(u'\\') && name != u"..";
    if (!plainName)
        throw FatalError(path, QStringLiteral("找不到图片文件"));
    images_[slot] = readPicture(path).convertToFormat(QImage::Format_RGB32);
    images_[slot].setDevicePixelRatio(scale);
}

void SlotPictures::show(int slot) {
    labels_[slot]->setPixmap(QPixmap::fromImage(pictureForRatio(images_[slot], ratio_)));
}

} // namespace radiane::app

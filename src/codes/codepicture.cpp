#include "codes/codepicture.h"

#include "common/fatalerror.h"
#include "common/picturescale.h"

#include <QFileInfo>
#include <algorithm>

namespace radiane::codes {

void CodePicture::show(const QString& character, const std::vector<int>& painted, int scale) {
    const bool extends = painted.size() >= painted_.size() &&
                         std::equal(painted_.begin(), painted_.end(), painted.begin());
    if (character != character_ || scale != scale_ || !extends)
        load(character, scale);
    for (std::size_t i = painted_.size(); i < painted.size(); ++i)
        lookup_.run(character, QString::number(painted[i]), image_);
    painted_ = painted;
}

void CodePicture::showAs(const CodePicture& other) {
    character_ = other.character_;
    scale_ = other.scale_;
    painted_ = other.painted_;
    image_ = other.image_;
}

void CodePicture::load(const QString& character, int scale) {
    character_.clear();
    painted_.clear();
    const QString path =
        folder_.file(scaledPictureName(QStringLiteral("bmp/%1.bmp").arg(character), scale));
    // A character names a picture of the picture folder, never a path.
    const bool plainName = character.size() <= 2 && !character.contains(u'/') &&
                           !character.contains(u'\\') && !character.contains(u'.');
    QImage picture;
    if (plainName && QFileInfo(path).isFile())
        picture.load(path);
    if (picture.isNull())
        throw FatalError(path, QFileInfo::exists(path) ? QStringLiteral("图片无法读取")
                                                       : QStringLiteral("找不到图片文件"));
    image_ = picture.convertToFormat(QImage::Format_RGB32);
    image_.setDevicePixelRatio(scale);
    character_ = character;
    scale_ = scale;
}

} // namespace radiane::codes

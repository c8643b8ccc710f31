#include "appearance/skins.h"

#include "common/fatalerror.h"
#include "common/linewriter.h"
#include "common/textfield.h"

#include <QDir>
#include <QFileInfo>

namespace radiane::appearance {

QString noSkinName() {
    return QStringLiteral("取消皮肤.urf");
}

bool isSafeSkinName(const QString& name) {
    return !name.contains(u'/') && !name.contains(u'\\') && !name.contains(QStringLiteral(".."));
}

std::optional<QString> findSkinFile(const ProgramFolder& folder, const QString& name) {
    if (!isSafeSkinName(name))
        return std::nullopt;
    const QString exact = folder.file(name);
    if (QFileInfo::exists(exact))
        return exact;
    if (name.isEmpty())
        return std::nullopt;
    const QStringList entries =
        QDir(folder.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                       QDir::Name);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return folder.file(entry);
    }
    return std::nullopt;
}

Skins::Skins(ProgramFolder folder, SkinLibrary& library)
    : folder_(std::move(folder)), library_(library) {}

std::int16_t Skins::start(const QString& path, int mode) {
    int out = 0;
    return library_.SkinStart(path, mode, QString(), 1, 0, &out);
}

std::pair<QString, bool> Skins::pathFor(const QString& name) const {
    if (const auto found = findSkinFile(folder_, name))
        return {*found, true};
    return {folder_.file(name), false};
}

std::optional<QString> Skins::startup() {
    const QString face = faceFilePath();
    removeLeftoverWrites(face);
    FieldRead read = readFirstField(face);
    // A face.txt with nothing in it is as good as none: start with the default.
    if (read.status == FieldRead::Status::Missing || read.status == FieldRead::Status::Empty) {
        const WriteResult written = writeLine(face, QLatin1String(kDefaultSkinName));
        if (!written.ok)
            throw FatalError(face, written.reason);
        read = readFirstField(face);
    }
    if (!read.ok())
        throw FatalError(face, read.reason);
    skinName_ = read.value;

    const auto [path, exists] = pathFor(skinName_);
    skinPath_ = path;
    if (exists) {
        const std::int16_t result = start(skinPath_, 2);
        skinActive_ = true;
        if (result != 0)
            return std::nullopt;
        // The file is there but is no usable skin: run plain and let the next
        // close write "取消皮肤.urf", so the next start does not stumble again.
        skinActive_ = false;
        const QString why = library_.lastFailure();
        start(skinPath_, 1);
        const QString refused = skinName_;
        skinName_ = noSkinName();
        QString message = QStringLiteral("皮肤文件“%1”无法使用").arg(refused);
        if (!why.isEmpty())
            message += QStringLiteral("：%1").arg(why);
        return message + QStringLiteral("。程序将不使用皮肤运行。");
    }
    skinActive_ = false;
    start(skinPath_, 1);
    skinName_ = noSkinName();
    return std::nullopt;
}

void Skins::fffClick(const QString& caption) {
    const QString name = caption + QLatin1String(kSkinExtension);
    skinName_ = name;
    DoSkin(name);
    skinActive_ = true;
}

void Skins::nofaceClick() {
    if (skinActive_) {
        start(QString(), 0);
        skinActive_ = false;
    }
    skinName_ = noSkinName();
}

void Skins::DoSkin(const QString& SkinFile) {
    skinPath_ = pathFor(SkinFile).first;
    start(skinPath_, 2);
}

void Skins::SkinRemove() {
    library_.SkinRemove();
}

} // namespace radiane::appearance

#pragma once

#include "appearance/skinlibrary.h"
#include "common/programfolder.h"

#include <QString>
#include <array>
#include <optional>

namespace radiane::appearance {

// The skin choice file in the program folder: one line, the skin file name.
inline constexpr const char* kFaceFile = "face.txt";
// Written into a new face.txt.
inline constexpr const char* kDefaultSkinName = "pixos.urf";
// The name that stands for no skin; no file of that name is shipped.
QString noSkinName();
inline constexpr const char* kSkinExtension = ".urf";

// Captions of the skin menu items, in menu order; each caption plus ".urf" is
// the name of a shipped skin file.
inline constexpr std::array<const char*, 9> kSkinCaptions = {
    "PixOS", "CoronaLaST", "XP-Metallic", "XP-Luna", "LE4", "MacOS", "Slate", "OpusOS", "RhodiumX"};

// A skin file name that could leave the program folder (a path separator or
// "..") is never looked up.
bool isSafeSkinName(const QString& name);

// The path of the skin file named name in the folder. An entry of exactly that
// name wins; otherwise an entry whose name differs only in case is taken, so
// "pixos.urf" finds PixOS.urf. Empty when nothing matches or the name is not
// safe. An empty name yields the folder itself.
std::optional<QString> findSkinFile(const ProgramFolder& folder, const QString& name);

// The skin state of the running program and the skin menu's handlers. All
// engine calls go through the SkinLibrary given here.
class Skins {
public:
    Skins(ProgramFolder folder, SkinLibrary& library);

    // Start-up step: makes sure face.txt holds a name (a missing or empty file
    // is written with "pixos.urf"), reads skinName from it and applies that
    // skin. When the skin file exists but the engine refuses it, the program
    // runs without a skin, skinName becomes "取消皮肤.urf" and the returned
    // message says which file could not be used. Throws FatalError when
    // face.txt cannot be written or read. Stale leftovers of an interrupted write
    // of face.txt are removed first.
    std::optional<QString> startup();

    // Skin menu item with the given caption chosen.
    void fffClick(const QString& caption);
    // "取消皮肤" chosen.
    void nofaceClick();
    // Hands the skin file SkinFile (a name without folder) to the engine.
    void DoSkin(const QString& SkinFile);

    // Called once when the main window closes, after the settings are written.
    void SkinRemove();

    const QString& skinName() const { return skinName_; }
    const QString& skinPath() const { return skinPath_; }
    bool skinActive() const { return skinActive_; }
    QString faceFilePath() const { return folder_.file(QLatin1String(kFaceFile)); }

private:
    std::int16_t start(const QString& path, int mode);
    // The path handed to the engine for name, and whether that path exists.
    std::pair<QString, bool> pathFor(const QString& name) const;

    ProgramFolder folder_;
    SkinLibrary& library_;
    QString skinName_;
    QString skinPath_;
    bool skinActive_ = false;
};

} // namespace radiane::appearance

#pragma once

#include "appearance/skinlibrary.h"
#include "appearance/skins.h"
#include "common/programfolder.h"

#include <QAction>
#include <QMenu>
#include <QWidget>
#include <array>
#include <memory>

namespace radiane::appearance {

// The hidden window that owns the skin menu "换肤" and the skin state. Created
// at program entry, never shown, alive for the whole run.
class Form99 : public QWidget {
    Q_OBJECT
public:
    // Without a library the program's own SkinEngine is used.
    explicit Form99(ProgramFolder folder, std::unique_ptr<SkinLibrary> library = nullptr,
                    QWidget* parent = nullptr);
    ~Form99() override;

    // Start-up skin step; see Skins::startup. Throws FatalError.
    std::optional<QString> startup() { return skins_.startup(); }
    // Pops the menu up at globalPos and returns when it has closed (and the
    // choice, if any, has been applied).
    void popupFace(const QPoint& globalPos);
    // The skin file name to write to face.txt at close.
    const QString& skinName() const { return skins_.skinName(); }
    // Releases the skin engine; the last call of the run.
    void SkinRemove() { skins_.SkinRemove(); }

    Skins& skins() { return skins_; }
    SkinLibrary& library() { return *library_; }

    QMenu* face = nullptr;
    QAction* noface = nullptr;
    std::array<QAction*, kSkinCaptions.size()> fff{};

private:
    void fff_Click(int index);

    std::unique_ptr<SkinLibrary> library_;
    Skins skins_;
};

} // namespace radiane::appearance

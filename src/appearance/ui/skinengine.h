#pragma once

#include "appearance/skinformat.h"
#include "appearance/skinlibrary.h"

#include <QPalette>
#include <QString>

namespace radiane::appearance {

// The program's skin engine: applies a skin file to every window of the
// application through the application's widget style, palette and style sheet,
// and restores the plain look when the skin is taken off.
class SkinEngine : public SkinLibrary {
public:
    // Remembers the plain look of the running QApplication.
    SkinEngine();
    ~SkinEngine() override;

    std::int16_t SkinStart(const QString& path, int mode, const QString& options, int flag,
                           int reserved, int* out) override;
    void SkinRemove() override;
    QString lastFailure() const override { return lastFailure_; }

    // The skin in force, empty when the look is plain.
    const QString& currentSkin() const { return currentSkin_; }

    // Applies an already parsed skin.
    void apply(const SkinDescription& skin);
    // Back to the plain look.
    void restorePlain();

    static QPalette paletteOf(const SkinDescription& skin);

private:
    QString plainStyle_;
    QPalette plainPalette_;
    QString plainStyleSheet_;
    QString currentSkin_;
    QString lastFailure_;
};

} // namespace radiane::appearance

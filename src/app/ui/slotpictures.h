#pragma once

#include "common/programfolder.h"
#include "drill/drillengine.h"
#include "lookup/codelookup.h"

#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QString>
#include <array>
#include <optional>
#include <utility>

namespace radiane::app {

// The pictures of the main window, read from the program folder at the scale of
// the screen: the five drill slots, with the paint each lookup put on them, and
// the keyboard panel's pictures. Reading throws FatalError naming the file.
class SlotPictures {
public:
    // labels are read when a picture is shown, so they may be created later.
    SlotPictures(const ProgramFolder& folder, const std::array<QLabel*, drill::kSlotCount>& labels);

    // Reads slot's picture bmp/<name>.bmp and shows it unpainted.
    void load(int slot, const QString& name);
    // Paints the radical (text, part) on slot's picture with lookup and shows it.
    void paint(int slot, const QString& text, const QString& part, lookup::CodeLookup& lookup);
    // Reads every picture again when ratio differs from the one shown, repainting
    // each slot as before; returns false when nothing had to change.
    bool setRatio(double ratio, lookup::CodeDatabase& database);

    double ratio() const { return ratio_; }
    const QImage& image(int slot) const { return images_.at(slot); }

    // A picture of the program folder (keyboard.png, panel-shown.png …) for this ratio.
    QPixmap programPixmap(const QString& name) const;

private:
    void read(int slot);
    void show(int slot);

    const ProgramFolder& folder_;
    const std::array<QLabel*, drill::kSlotCount>& labels_;
    std::array<QImage, drill::kSlotCount> images_;
    std::array<QString, drill::kSlotCount> names_;
    // The lookup that painted each slot's picture (text, part), to paint it again.
    std::array<std::optional<std::pair<QString, QString>>, drill::kSlotCount> paints_;
    double ratio_ = 1.0;
};

} // namespace radiane::app

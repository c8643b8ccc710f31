#pragma once

#include "common/programfolder.h"
#include "progress/statistics.h"

#include <QImage>
#include <QWidget>

namespace radiane::progress {

// The keyboard picture with each of the 25 keys coloured by the learner's
// accuracy on it, and its accuracy and mean answer time written at its foot;
// a key answered much slower than the others has that time in red.
class KeyboardHeatmap : public QWidget {
    Q_OBJECT
public:
    explicit KeyboardHeatmap(ProgramFolder folder, QWidget* parent = nullptr);

    void setKeys(const std::array<KeyFigures, 25>& keys);
    QSize sizeHint() const override;

    // The colour of a key of this accuracy; none (grey) before it is drilled.
    static QColor accuracyColour(std::optional<double> accuracy);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void loadPicture();

    ProgramFolder folder_;
    QImage picture_;
    double pictureRatio_ = 0;
    std::array<KeyFigures, 25> keys_{};
};

} // namespace radiane::progress

#pragma once

#include <QColor>
#include <QWidget>
#include <optional>

namespace radiane::app {

// A rectangle with a border of the given colour and width drawn inside its
// bounds, optionally filled. It lets mouse clicks through to what lies below.
class ShapeWidget : public QWidget {
    Q_OBJECT
public:
    ShapeWidget(QColor border, int borderWidth, std::optional<QColor> fill, QWidget* parent);

    QColor borderColor() const { return border_; }
    int borderWidth() const { return borderWidth_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor border_;
    int borderWidth_;
    std::optional<QColor> fill_;
};

} // namespace radiane::app

#include "app/ui/shapewidget.h"

#include <QPainter>

namespace radiane::app {

ShapeWidget::ShapeWidget(QColor border, int borderWidth, std::optional<QColor> fill,
                         QWidget* parent)
    : QWidget(parent), border_(border), borderWidth_(borderWidth), fill_(fill) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void ShapeWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect all = rect();
    if (fill_)
        painter.fillRect(all, *fill_);
    // The border lies inside the bounds, as a shape's inside-solid border does.
    const int w = borderWidth_;
    painter.fillRect(QRect(all.left(), all.top(), all.width(), w), border_);
    painter.fillRect(QRect(all.left(), all.bottom() - w + 1, all.width(), w), border_);
    painter.fillRect(QRect(all.left(), all.top(), w, all.height()), border_);
    painter.fillRect(QRect(all.right() - w + 1, all.top(), w, all.height()), border_);
}

} // namespace radiane::app

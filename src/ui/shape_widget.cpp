#include "ui/shape_widget.h"

#include <QPainter>
#include <algorithm>

ShapeWidget::ShapeWidget(bool line, QWidget* parent) : QWidget(parent), line_(line) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(QPen(colour, pen_width));
  const int inset = pen_width / 2;
  if (line_) {
    painter.drawLine(0, height() / 2, width(), height() / 2);
    return;
  }
  const QRect box = rect().adjusted(inset, inset, -inset - 1, -inset - 1);
  if (fill.isValid()) painter.setBrush(fill);
  if (rounded) {
    // The corner radius of a card: a tenth of the shorter side.
    painter.setRenderHint(QPainter::Antialiasing);
    const int radius = std::min(width(), height()) / 10;
    painter.drawRoundedRect(box, radius, radius);
  } else {
    painter.drawRect(box);
  }
}

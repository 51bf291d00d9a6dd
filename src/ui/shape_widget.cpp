#include "ui/shape_widget.h"

#include <QPainter>

ShapeWidget::ShapeWidget(bool line, QWidget* parent) : QWidget(parent), line_(line) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(QPen(colour, pen_width));
  const int inset = pen_width / 2;
  if (line_)
    painter.drawLine(0, height() / 2, width(), height() / 2);
  else
    painter.drawRect(rect().adjusted(inset, inset, -inset - 1, -inset - 1));
}

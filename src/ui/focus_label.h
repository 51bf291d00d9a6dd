#pragma once
// A label that shows when it has the keyboard focus (a day of the month grid):
// the style draws no focus on a label, so it is outlined here.
#include <QLabel>
#include <QPainter>

class FocusLabel : public QLabel {
 public:
  explicit FocusLabel(QWidget* parent) : QLabel(parent) {}

 protected:
  void paintEvent(QPaintEvent* event) override {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
  }
};

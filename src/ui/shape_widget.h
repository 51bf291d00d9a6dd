#pragma once
#include <QWidget>

// A drawn rectangle or line that frames part of a window; takes no input.
class ShapeWidget : public QWidget {
 public:
  explicit ShapeWidget(bool line, QWidget* parent);
  QColor colour = Qt::black;
  int pen_width = 1;
  QColor fill;  // invalid: not filled
  bool rounded = false;

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  bool line_;
};

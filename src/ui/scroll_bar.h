#pragma once
// A scroll bar that takes the focus like any input control. Qt inverts a scroll
// bar's controls (so that the wheel scrolls the way a view does), which turns a
// horizontal bar's Left and Right keys around: here the arrow keys move the
// thumb the way they point, as on any other desktop.
#include <QKeyEvent>
#include <QScrollBar>

class ScrollBar : public QScrollBar {
 public:
  ScrollBar(Qt::Orientation orientation, QWidget* parent) : QScrollBar(orientation, parent) {
    setFocusPolicy(Qt::StrongFocus);
  }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    const bool arrow = event->key() == Qt::Key_Left || event->key() == Qt::Key_Right;
    if (orientation() != Qt::Horizontal || !arrow) return QScrollBar::keyPressEvent(event);
    const bool towards_end = (event->key() == Qt::Key_Right) != isRightToLeft();
    triggerAction(towards_end ? SliderSingleStepAdd : SliderSingleStepSub);
    event->accept();
  }
};

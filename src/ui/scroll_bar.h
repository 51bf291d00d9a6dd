#pragma once
// A scroll bar that takes the focus like any input control. Qt inverts a scroll
// bar's controls (so that the wheel scrolls the way a view does), which turns a
// horizontal bar's Left and Right keys around: here the arrow keys move the
// thumb the way they point, as on any other desktop. The style draws no focus on
// a scroll bar, so the thumb is outlined while the bar has it.
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionSlider>

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

  void paintEvent(QPaintEvent* event) override {
    QScrollBar::paintEvent(event);
    if (!hasFocus()) return;
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect thumb =
        style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this);
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRect(thumb.adjusted(1, 1, -1, -1));
  }
};

#pragma once
// A command button whose caption always fits: it wraps onto more lines, or
// takes a smaller size of its font, when the button is too narrow for one line
// (the tall "抜ける" key shows its characters one above the other).
#include <QPushButton>

struct FittedCaption {
  QFont font;
  int flags = 0;  // Qt::TextFlag bits for drawing it
};
// The largest size of font, up to its own, at which text fits in room, on one
// line if it can, else wrapped.
FittedCaption fit_caption(const QString& text, const QFont& font, QSize room);

class CaptionButton : public QPushButton {
 public:
  explicit CaptionButton(QWidget* parent) : QPushButton(parent) {}
  // Where the caption is drawn: inside the bevel, clear of the edges.
  QRect caption_room() const { return rect().adjusted(4, 2, -4, -2); }

 protected:
  void paintEvent(QPaintEvent* event) override;
};

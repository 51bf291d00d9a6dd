#pragma once
// A frame as the forms know it: the caption sits on the top border line, so the
// controls placed inside just under the top (an option button 240 twips down)
// are clear of the line. Qt's own group box puts the caption above the line,
// which then runs through those controls.
#include <QGroupBox>
#include <QPainter>

class FrameBox : public QGroupBox {
 public:
  explicit FrameBox(QWidget* parent) : QGroupBox(parent) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    // Drawn here: the style's group-box frame always leaves room for a caption above it.
    const int top = title().isEmpty() ? 0 : metrics.height() / 2;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRoundedRect(QRectF(rect().adjusted(0, top, -1, -1)).translated(0.5, 0.5), 2, 2);
    if (title().isEmpty()) return;
    // The caption's own strip of background breaks the line behind it.
    const QRect caption(6, 0, metrics.horizontalAdvance(title()) + 4, metrics.height());
    painter.fillRect(caption, palette().color(QPalette::Window));
    style()->drawItemText(&painter, caption, Qt::AlignCenter | Qt::TextShowMnemonic, palette(),
                          isEnabled(), title(), QPalette::WindowText);
  }
};

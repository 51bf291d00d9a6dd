#include "ui/caption_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

FittedCaption fit_caption(const QString& text, const QFont& font, QSize room) {
  constexpr int kWrap = Qt::TextWordWrap | Qt::TextWrapAnywhere;
  const qreal design = font.pointSizeF() > 0 ? font.pointSizeF() : 9;
  FittedCaption fitted{font, kWrap};
  for (qreal size = design; size >= 5.0; size -= 0.5) {
    fitted.font.setPointSizeF(size);
    const QFontMetrics metrics(fitted.font);
    for (int flags : {0, kWrap}) {
      const QRect needed =
          metrics.boundingRect(QRect(0, 0, room.width(), 0x7fff), Qt::AlignCenter | flags, text);
      if (needed.width() <= room.width() && needed.height() <= room.height()) {
        fitted.flags = flags;
        return fitted;
      }
    }
  }
  return fitted;  // nothing fits: the smallest size, wrapped
}

void CaptionButton::paintEvent(QPaintEvent* event) {
  if (!icon().isNull()) return QPushButton::paintEvent(event);
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  const QString caption = option.text;
  option.text.clear();
  painter.drawControl(QStyle::CE_PushButton, option);
  if (caption.isEmpty()) return;
  const QRect room = caption_room();
  const FittedCaption fitted = fit_caption(caption, font(), room.size());
  painter.setFont(fitted.font);
  style()->drawItemText(&painter, room, Qt::AlignCenter | Qt::TextShowMnemonic | fitted.flags,
                        palette(), isEnabled(), caption, QPalette::ButtonText);
}

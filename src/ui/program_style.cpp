#include "ui/program_style.h"

#include <QApplication>
#include <QPainter>
#include <QWidget>

namespace {

// Two chevrons, ">>" (or pointing down for a vertical bar), in the text colour.
QPixmap overflow_arrows(Qt::Orientation orientation, const QColor& colour, int size) {
  QPixmap picture(size, size);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(colour, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.scale(size / 16.0, size / 16.0);
  if (orientation == Qt::Vertical) painter.setTransform(QTransform(0, 1, 1, 0, 0, 0), true);
  for (qreal x : {4.5, 8.5}) painter.drawPolyline(QPolygonF({{x, 4.5}, {x + 3, 8}, {x, 11.5}}));
  return picture;
}

}  // namespace

QIcon ProgramStyle::standardIcon(StandardPixmap which, const QStyleOption* option,
                                 const QWidget* widget) const {
  if (which != SP_ToolBarHorizontalExtensionButton && which != SP_ToolBarVerticalExtensionButton)
    return QProxyStyle::standardIcon(which, option, widget);
  const Qt::Orientation orientation =
      which == SP_ToolBarHorizontalExtensionButton ? Qt::Horizontal : Qt::Vertical;
  const QColor colour =
      (widget ? widget->palette() : QApplication::palette()).color(QPalette::ButtonText);
  QIcon icon;
  for (int size : {16, 32}) icon.addPixmap(overflow_arrows(orientation, colour, size));
  return icon;
}

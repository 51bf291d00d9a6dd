#include "ui/program_style.h"

#include <QApplication>
#include <QIconEngine>
#include <QMainWindow>
#include <QPainter>
#include <QStyleOptionToolBar>
#include <QWidget>

namespace {

// Two chevrons, ">>" (or pointing down for a vertical bar), in the text colour,
// drawn when the icon is first shown.
class OverflowArrows : public QIconEngine {
 public:
  OverflowArrows(Qt::Orientation orientation, const QColor& colour)
      : orientation_(orientation), colour_(colour) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(colour_, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter->translate(rect.topLeft());
    painter->scale(rect.width() / 16.0, rect.height() / 16.0);
    if (orientation_ == Qt::Vertical) painter->setTransform(QTransform(0, 1, 1, 0, 0, 0), true);
    for (qreal x : {4.5, 8.5}) painter->drawPolyline(QPolygonF({{x, 4.5}, {x + 3, 8}, {x, 11.5}}));
    painter->restore();
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    paint(&painter, picture.rect(), mode, state);
    return picture;
  }

  QIconEngine* clone() const override { return new OverflowArrows(orientation_, colour_); }

 private:
  Qt::Orientation orientation_;
  QColor colour_;
};

bool is_fusion_top_toolbar(const QStyle* base, const QStyleOptionToolBar& bar,
                           const QWidget* widget) {
  return base->name().compare("fusion", Qt::CaseInsensitive) == 0 &&
         bar.toolBarArea == Qt::TopToolBarArea && (bar.state & QStyle::State_Horizontal) &&
         widget && qobject_cast<const QMainWindow*>(widget->parentWidget());
}

// Fusion's toolbar in a main window's top area: a slight gradient, a light line
// on top, and a dark line at the bottom, over a light one on the last row of bars.
void draw_fusion_top_toolbar(const QStyleOptionToolBar& bar, QPainter* painter) {
  const QRect& rect = bar.rect;
  const QColor window = bar.palette.window().color();
  QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
  gradient.setColorAt(0, window.lighter(104));
  gradient.setColorAt(1, window);
  painter->fillRect(rect, gradient);

  const QColor light(255, 255, 255, 90);
  const QColor shadow(0, 0, 0, 60);
  const auto row = [&](int y, const QColor& colour) {
    painter->fillRect(QRect(rect.left(), y, rect.width(), 1), colour);
  };
  if (bar.positionOfLine == QStyleOptionToolBar::End ||
      bar.positionOfLine == QStyleOptionToolBar::OnlyOne) {
    row(rect.bottom(), light);
    row(rect.bottom() - 1, shadow);
  } else {
    row(rect.bottom(), shadow);
  }
  row(rect.top(), light);
}

}  // namespace

int ProgramStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                            QStyleHintReturn* returned) const {
  if (hint == SH_LineEdit_PasswordCharacter) return 0x25CF;  // ●
  return QProxyStyle::styleHint(hint, option, widget, returned);
}

QIcon ProgramStyle::standardIcon(StandardPixmap which, const QStyleOption* option,
                                 const QWidget* widget) const {
  if (which != SP_ToolBarHorizontalExtensionButton && which != SP_ToolBarVerticalExtensionButton)
    return QProxyStyle::standardIcon(which, option, widget);
  const Qt::Orientation orientation =
      which == SP_ToolBarHorizontalExtensionButton ? Qt::Horizontal : Qt::Vertical;
  const QColor colour =
      (widget ? widget->palette() : QApplication::palette()).color(QPalette::ButtonText);
  return QIcon(new OverflowArrows(orientation, colour));
}

void ProgramStyle::drawControl(ControlElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
  const auto* bar = qstyleoption_cast<const QStyleOptionToolBar*>(option);
  if (element == CE_ToolBar && bar && is_fusion_top_toolbar(baseStyle(), *bar, widget)) {
    draw_fusion_top_toolbar(*bar, painter);
    return;
  }
  QProxyStyle::drawControl(element, option, painter, widget);
}

// The program's style draws the Fusion toolbar itself (without the drawing threads
// Fusion's lines start, see pictures_test.cpp): it must come out as the very
// pixels Fusion draws.
#include <gtest/gtest.h>

#include <QImage>
#include <QMainWindow>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionToolBar>
#include <QToolBar>
#include <memory>

#include "ui/program_style.h"

namespace {

QImage toolbar_drawn_by(const QStyle& style, const QToolBar& bar,
                        QStyleOptionToolBar::ToolBarPosition position) {
  QStyleOptionToolBar option;
  option.initFrom(&bar);
  option.rect = QRect(0, 0, 400, 30);
  option.state |= QStyle::State_Horizontal;
  option.toolBarArea = Qt::TopToolBarArea;
  option.positionOfLine = position;
  QImage image(option.rect.size(), QImage::Format_ARGB32_Premultiplied);
  image.fill(option.palette.window().color());
  QPainter painter(&image);
  style.drawControl(QStyle::CE_ToolBar, &option, &painter, &bar);
  return image;
}

}  // namespace

TEST(ProgramStyle, DrawsEveryRowOfFusionToolbarsAsFusionDoes) {
  const std::unique_ptr<QStyle> fusion(QStyleFactory::create("fusion"));
  ASSERT_TRUE(fusion);
  ProgramStyle ours(QStyleFactory::create("fusion"));
  QMainWindow window;
  QToolBar* bar = window.addToolBar("bar");
  for (auto position : {QStyleOptionToolBar::Beginning, QStyleOptionToolBar::Middle,
                        QStyleOptionToolBar::End, QStyleOptionToolBar::OnlyOne}) {
    const QImage expected = toolbar_drawn_by(*fusion, *bar, position);
    EXPECT_TRUE(toolbar_drawn_by(ours, *bar, position) == expected) << int(position);
  }
}

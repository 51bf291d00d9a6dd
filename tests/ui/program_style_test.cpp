// The program's style draws a few things itself: the Fusion toolbar must come out
// as the very pixels Fusion draws, without the drawing threads Fusion's lines start.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMainWindow>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionToolBar>
#include <QToolBar>
#include <cstdlib>
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

// Run in a process of its own: the check counts the process's threads.
TEST(StartThreadsDeathTest, PaintingTwoRowsOfToolbarsStartsNoThread) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        QApplication::setStyle(new ProgramStyle(QStyleFactory::create("fusion")));
        QMainWindow window;
        window.addToolBar("first")->addAction("一");
        window.addToolBarBreak();
        window.addToolBar("second")->addAction("二");
        window.resize(413, 200);
        window.show();
        window.grab();
        const auto threads = QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        std::_Exit(threads.size() == 1 ? 0 : 1);
      },
      testing::ExitedWithCode(0), "");
}

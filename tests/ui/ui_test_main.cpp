// The window-layer tests run real widgets on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>

#include "ui/look.h"

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setFont(default_font());
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

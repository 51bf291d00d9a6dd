// bare-window: a Qt Widgets window with one label, built with the same flags as
// Toribe; ends after its first paint, printing the peak memory. The yardstick
// for toribe-first-paint.
#include <QApplication>
#include <QLabel>

#include "bench/first_paint_probe.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  FirstPaintProbe probe;
  QLabel label("トリベ");
  label.resize(413, 330);
  label.show();
  return app.exec();
}

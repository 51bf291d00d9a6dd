// toribe-first-paint: starts Toribe exactly as `toribe` does and ends once the main
// window has painted its first frame, printing the peak memory. Timed against
// bare-window by scripts/bench-start.sh.
#include <QApplication>

#include "app/startup.h"
#include "app/startup_window.h"
#include "bench/first_paint_probe.h"
#include "ui/font_config_reader.h"
#include "ui/qt_platform.h"

int main(int argc, char* argv[]) {
  start_reading_font_configuration();
  QApplication app(argc, argv);
  prepare_application(app);
  QtPlatform platform;
  FirstPaintProbe probe;
  std::unique_ptr<Program> program = module1_main(platform);
  if (!program) return 1;
  return app.exec();
}

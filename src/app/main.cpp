// Toribe: starts in the current folder, where its data files live.
#include <QApplication>

#include "app/startup.h"
#include "ui/japanese.h"
#include "ui/look.h"
#include "ui/qt_platform.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("toribe");
  QGuiApplication::setDesktopFileName("toribe");
  QApplication::setFont(default_font());
  install_japanese_translation(app);
  QApplication::setWindowIcon(application_icon());
  QtPlatform platform;
  std::unique_ptr<Program> program = module1_main(platform);
  if (!program) return 0;
  const int code = app.exec();
  // The windows go before the forms they show.
  platform.windows().close_all();
  return code;
}

// Toribe: starts in the current folder, where its data files live.
#include <QApplication>
#include <QDir>
#include <QStandardPaths>

#include "app/command_line.h"
#include "app/startup.h"
#include "app/startup_window.h"
#include "ui/font_config_reader.h"
#include "ui/qt_platform.h"

namespace {

// A desktop launcher starts programs in the home (or root) folder: there the
// program works in its per-user data folder instead of scattering its files.
void leave_home_folder() {
  const QString here = QDir::currentPath();
  if (here != QDir::homePath() && here != QDir::rootPath()) return;
  const QString data =
      QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/toribe";
  if (QDir().mkpath(data)) QDir::setCurrent(data);
}

}  // namespace

int main(int argc, char* argv[]) {
  // `toribe COMMAND …` runs the command and never opens a window; it loads the
  // module of its own feature only.
  if (const std::optional<int> status = run_command_line(argc, argv)) return *status;
  start_reading_font_configuration();
  QApplication app(argc, argv);
  prepare_application(app);
  leave_home_folder();
  QtPlatform platform;
  std::unique_ptr<Program> program = module1_main(platform);
  if (!program) return 0;
  const int code = app.exec();
  // The windows go before the forms they show.
  platform.windows().close_all();
  return code;
}

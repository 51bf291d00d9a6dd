// toribe-scenario FILE.scn [FILE.scn ...]: runs scenario files, one PASS or FAIL line each.
#include <QApplication>
#include <QFileInfo>
#include <cstdio>

#include "runner.h"
#include "ui/look.h"

namespace {
// The offscreen platform's notes about itself would drown the PASS and FAIL lines.
void quiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) fprintf(stderr, "%s\n", qPrintable(message));
}
}  // namespace

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(quiet);
  QApplication app(argc, argv);
  QApplication::setFont(default_font());
  if (argc < 2) {
    fprintf(stderr, "usage: toribe-scenario FILE.scn [FILE.scn ...]\n");
    return 2;
  }
  // Each scenario moves into a folder of its own: fix the paths first.
  QStringList files;
  for (int i = 1; i < argc; ++i)
    files << QFileInfo(QString::fromLocal8Bit(argv[i])).absoluteFilePath();
  bool all_passed = true;
  for (int i = 1; i < argc; ++i) {
    Runner runner;
    const QString failure = runner.run(files[i - 1]);
    if (failure.isEmpty()) {
      printf("PASS %s\n", argv[i]);
    } else {
      printf("FAIL %s:%s\n", argv[i], qPrintable(failure));
      all_passed = false;
    }
    fflush(stdout);
  }
  return all_passed ? 0 : 1;
}

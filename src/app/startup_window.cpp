#include "app/startup_window.h"

#include <QApplication>
#include <QTimer>

#include "ui/japanese.h"
#include "ui/look.h"
#include "ui/program_style.h"

namespace {

// Sets the application icon right after the first paint of any window, then goes.
class IconAfterFirstPaint : public QObject {
 public:
  explicit IconAfterFirstPaint(QObject* parent) : QObject(parent) {
    QApplication::instance()->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && watched->isWidgetType()) {
      QApplication::instance()->removeEventFilter(this);
      QTimer::singleShot(0, parent(), [] { QApplication::setWindowIcon(application_icon()); });
      deleteLater();
    }
    return false;
  }
};

}  // namespace

void prepare_application(QApplication& app) {
  // The menu bar stays inside the window, where the window's layout has room for
  // it, even on desktops that offer a global menu; and no session-bus query for
  // such a menu holds up the start.
  QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
  QApplication::setStyle(new ProgramStyle);
  QApplication::setApplicationName("toribe");
  QGuiApplication::setDesktopFileName("toribe");
  QApplication::setFont(default_font());
  install_japanese_translation(app);
  new IconAfterFirstPaint(&app);
}

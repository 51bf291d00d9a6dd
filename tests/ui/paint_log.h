#pragma once
// Names the widgets painted while it lives (a test's and a benchmark's count of
// what a refresh repainted).
#include <QApplication>
#include <QEvent>
#include <QSet>
#include <QString>

class PaintLog : public QObject {
 public:
  PaintLog() { QApplication::instance()->installEventFilter(this); }
  ~PaintLog() override { QApplication::instance()->removeEventFilter(this); }
  QSet<QString> painted;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted.insert(watched->objectName());
    return false;
  }
};

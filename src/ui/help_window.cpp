#include "ui/help_window.h"

#include <QHBoxLayout>
#include <QTextBrowser>

HelpWindow::HelpWindow() {
  setObjectName("help");
  setWindowTitle("トリベ　使い方");
  auto* layout = new QHBoxLayout(this);
  auto* page = new QTextBrowser(this);
  page->setSource(QUrl("qrc:/help/index.html"));
  layout->addWidget(page);
  resize(640, 480);
}

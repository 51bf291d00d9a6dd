#pragma once
#include <QWidget>

class QLineEdit;
class QTextBrowser;

// The program's own guide: a contents list beside the page, and a search field.
class HelpWindow : public QWidget {
 public:
  HelpWindow();

 private:
  void find_next();
  QTextBrowser* page_;
  QLineEdit* search_;
};

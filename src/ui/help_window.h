#pragma once
#include <QWidget>

// The program's own guide: a contents list beside a searchable page.
class HelpWindow : public QWidget {
 public:
  HelpWindow();
};

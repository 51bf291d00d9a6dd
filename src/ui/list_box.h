#pragma once
// A list box as the forms know it: a line is current only when the form chose it
// or the user clicked it. Qt's list view makes its first line current whenever it
// gets the focus (after a modal window closes, say), which would show a line the
// form does not hold.
#include <QFocusEvent>
#include <QListWidget>
#include <QSignalBlocker>

class ListBox : public QListWidget {
 public:
  explicit ListBox(QWidget* parent) : QListWidget(parent) {}

 protected:
  void focusInEvent(QFocusEvent* event) override {
    const bool had_current = currentRow() >= 0;
    QListWidget::focusInEvent(event);
    if (!had_current && currentRow() >= 0) {
      const QSignalBlocker quiet(this);
      setCurrentRow(-1);
    }
  }
};

#pragma once
// A list box as the forms know it: a line is current only when the form chose it
// or the user clicked it. Qt's list view makes its first line current whenever it
// gets the focus (after a modal window closes, say), which would show a line the
// form does not hold. A line wider than the box is cut at its edge, never
// ended with "…": padded columns end in blanks that would turn into one.
#include <QFocusEvent>
#include <QListWidget>
#include <QSignalBlocker>

class ListBox : public QListWidget {
 public:
  explicit ListBox(QWidget* parent) : QListWidget(parent) { setTextElideMode(Qt::ElideNone); }

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

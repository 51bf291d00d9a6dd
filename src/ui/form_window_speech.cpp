// What a window tells screen readers: every control's name, description and
// states, from the form's data (core/spoken_names.h), copied like the rest of
// the description.
#include <QAbstractScrollArea>
#include <QScrollBar>

#include "core/spoken_names.h"
#include "ui/accessibility.h"
#include "ui/form_window.h"

namespace {

// A label or picture keeps Qt's own name (its text) unless the form gives one.
bool names_itself(const Control& control) {
  return (control.kind == Kind::Label || control.kind == Kind::Image) &&
         control.spoken_name.isEmpty();
}

void set_name(QWidget* widget, const QString& name) {
  if (widget && widget->accessibleName() != name) widget->setAccessibleName(name);
}

}  // namespace

void FormWindow::mark_for_speech(const Control& control, QWidget* widget) {
  if (control.kind == Kind::Frame) accessibility::mark_container(widget);
  if (only_decorates(form_, control)) accessibility::mark_decoration(widget);
}

void FormWindow::sync_speech(const Control& control, QWidget* widget) {
  if (control.kind == Kind::ToolButton) {
    set_name(tool_button_of_.value(&control), spoken_name(form_, control));
    return;
  }
  if (control.kind == Kind::Label && !control.spoken_name.isEmpty())
    accessibility::mark_speaking_label(widget);  // before a screen reader first asks
  if (!names_itself(control) || !widget->accessibleName().isEmpty()) {
    const QString name = spoken_name(form_, control);
    set_name(widget, name);
    // A box's own scroll bars are named after it.
    if (auto* view = qobject_cast<QAbstractScrollArea*>(widget)) {
      set_name(view->verticalScrollBar(), name);
      set_name(view->horizontalScrollBar(), name);
    }
  }
  if (widget->accessibleDescription() != control.description)
    widget->setAccessibleDescription(control.description);
  accessibility::set_current(widget, control.current);
}

void FormWindow::click_control(const Control& control, MouseButton button) {
  Event e;
  e.name = control.name;
  e.index = control.index;
  e.button = int(button);
  // A mouse is over what it presses: the form hears it pointed at first.
  e.type = Event::MouseMove;
  fire(e);
  for (Event::Type type : {Event::MouseDown, Event::MouseUp}) {
    if (!live()) return;
    e.type = type;
    fire(e);
  }
  if (!live()) return;
  if (button != MouseButton::Left) return;
  // The press may have disabled or hidden the control, as a mouse click would find.
  Control* still = form_.find(control.name, control.index);
  if (!still || !still->enabled || !still->visible) return;
  e.type = Event::Click;
  fire(e);
}

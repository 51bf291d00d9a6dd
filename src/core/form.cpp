#include "core/form.h"

#include <stdexcept>

#include "core/platform.h"

Control& Form::add(Kind kind, const QString& name, int index) {
  Control& control = controls_.emplace_back();
  control.kind = kind;
  control.name = name;
  control.index = index;
  return control;
}

Control& Form::add_button(const ButtonLine& line) {
  Control& button =
      place(add(Kind::Button, line.name, line.index), line.left, line.top, line.width, line.height);
  button.text = line.caption;
  button.tooltip = line.tooltip;
  return button;
}

Control* Form::find(const QString& name, int index) {
  for (Control& control : controls_)
    if (control.name == name && control.index == index) return &control;
  return nullptr;
}

Control& Form::c(const QString& name, int index) {
  if (Control* control = find(name, index)) return *control;
  throw std::logic_error(
      QString("%1 has no control %2(%3)").arg(name_, name).arg(index).toStdString());
}

const Control& Form::c(const QString& name, int index) const {
  return const_cast<Form*>(this)->c(name, index);
}

Control* Form::find_ref(const QString& ref) {
  const qsizetype open = ref.indexOf('(');
  if (open < 0 || !ref.endsWith(')')) return find(ref);
  bool ok = false;
  const int index = ref.mid(open + 1, ref.size() - open - 2).toInt(&ok);
  return ok ? find(ref.left(open), index) : nullptr;
}

Control& Form::frame_borderless(int frame_width, int frame_height, Rgb colour) {
  has_border = false;
  Control& frame = place(add(Kind::Shape, "Shape1"), 0, 0, frame_width, frame_height);
  frame.fore = colour;
  frame.border_width = 3;
  return frame;
}

void Form::dispatch(Event& event) {
  if (event.type == Event::QueryUnload && !has_border) {
    event.cancel = true;
    return;
  }
  const bool own = event.name == name_;
  for (const Route& route : routes_)
    if (route.type == event.type && (route.control.isEmpty() ? own : route.control == event.name)) {
      route.run(event);
      return;
    }
  handle(event);
}

void Form::show() {
  if (!loaded) {
    loaded = true;
    Event load{Event::Load, name_};
    dispatch(load);
  }
  visible = true;
}

void Form::unload() {
  visible = false;
  loaded = false;
  on_unload();
}

void Form::centre(int top_divisor) {
  left = (platform_.screen_width() - width) / 2;
  top = (platform_.screen_height() - height) / top_divisor;
}

#include "core/form.h"

#include <stdexcept>

#include "core/platform.h"
#include "core/text_file.h"

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

QString Form::window_title() const {
  if (!caption.isEmpty() || title_label.isEmpty()) return caption;
  QString words = c(title_label).text;
  words.remove(u' ').remove(u'\u3000');
  return words;
}

Control& Form::frame_borderless(int frame_width, int frame_height, Rgb colour) {
  has_border = false;
  Control& frame = place(add(Kind::Shape, "Shape1"), 0, 0, frame_width, frame_height);
  frame.fore = colour;
  frame.border_width = 3;
  return frame;
}

// Typed or pasted text reaches every handler in the forms CP932 holds, so that
// 〜 from an input method is kept rather than refused.
void Form::take_cp932_forms(Event& event) {
  if (event.type == Event::KeyPress && event.key_ascii > 0 && event.key_ascii <= 0xffff) {
    const QString typed(QChar(char16_t(event.key_ascii)));
    event.key_ascii = replace_with_cp932_forms(typed)[0].unicode();
  } else if (event.type == Event::Change) {
    if (Control* box = find(event.name, event.index); box && box->kind == Kind::TextBox)
      box->text = replace_with_cp932_forms(box->text);
  }
}

void Form::dispatch(Event& event) {
  if (event.type == Event::QueryUnload && !has_border) {
    event.cancel = true;
    return;
  }
  take_cp932_forms(event);
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

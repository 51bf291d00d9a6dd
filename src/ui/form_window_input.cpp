// What reaches a window from the user, handed on to its form as the events its
// handlers take: clicks, mouse presses, keys and closing.
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QToolTip>

#include "ui/form_window.h"
#include "ui/list_box.h"

namespace {

int vb_key_code(int qt_key) {
  switch (qt_key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 13;
    case Qt::Key_Tab:
      return 9;
    case Qt::Key_Escape:
      return 27;
    case Qt::Key_Backspace:
      return 8;
    case Qt::Key_Delete:
      return 46;
    case Qt::Key_Left:
      return 37;
    case Qt::Key_Up:
      return 38;
    case Qt::Key_Right:
      return 39;
    case Qt::Key_Down:
      return 40;
    case Qt::Key_PageUp:
      return 33;
    case Qt::Key_PageDown:
      return 34;
    case Qt::Key_Home:
      return 36;
    case Qt::Key_End:
      return 35;
    case Qt::Key_Space:
      return 32;
    default:
      if ((qt_key >= Qt::Key_0 && qt_key <= Qt::Key_9) ||
          (qt_key >= Qt::Key_A && qt_key <= Qt::Key_Z))
        return qt_key;
      if (qt_key >= Qt::Key_F1 && qt_key <= Qt::Key_F12) return 112 + (qt_key - Qt::Key_F1);
      return 0;
  }
}

int vb_button(Qt::MouseButton button) {
  if (button == Qt::RightButton) return int(MouseButton::Right);
  if (button == Qt::MiddleButton) return int(MouseButton::Middle);
  return int(MouseButton::Left);
}

int vb_shift(Qt::KeyboardModifiers modifiers) {
  return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
         (modifiers & Qt::AltModifier ? 4 : 0);
}

// The events a form hears of; every other event a widget gets (painting,
// polishing, layout, ...) is left to Qt without looking its control up.
bool reaches_forms(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
    case QEvent::FocusIn:
    case QEvent::FocusOut:
    case QEvent::KeyPress:
      return true;
    default:
      return false;
  }
}

}  // namespace

// A tooltip holds the form's text, typed or read from a file: Qt would take one
// with a '<' for rich text and show <b> as bold, so such a one is shown escaped.
bool FormWindow::show_plain_tooltip(QObject* watched, QEvent* event) {
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || !Qt::mightBeRichText(widget->toolTip())) return false;
  QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(),
                     Qt::convertFromPlainText(widget->toolTip(), Qt::WhiteSpacePre), widget);
  return true;
}

void FormWindow::fire(Event& event) {
  if (!live()) return;
  form_.dispatch(event);
  if (after_event_) after_event_();
}

void FormWindow::fire(Event::Type type, const Control& control) {
  Event event;
  event.type = type;
  event.name = control.name;
  event.index = control.index;
  fire(event);
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ToolTip) return show_plain_tooltip(watched, event);
  if (quiet() || !reaches_forms(event->type())) return false;
  const bool on_client = watched == client_;
  // A mouse event a control left unhandled travels on to the background; the
  // form heard it already from the control.
  if (on_client && event->type() >= QEvent::MouseButtonPress &&
      event->type() <= QEvent::MouseMove &&
      client_->childAt(static_cast<QMouseEvent*>(event)->position().toPoint()))
    return false;
  Control* control = on_client ? nullptr : form_.find_ref(refs_.value(watched));
  if (!on_client && !control) return false;
  Event e;
  e.name = on_client ? form_.name() : control->name;
  e.index = on_client ? -1 : control->index;
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      return mouse_down(control, watched, static_cast<QMouseEvent*>(event), e);
    case QEvent::MouseButtonDblClick: {
      // The second press of a double-click is a press too: quick clicks all count.
      const bool swallowed = mouse_down(control, watched, static_cast<QMouseEvent*>(event), e);
      if (!live()) return true;
      e.type = Event::DblClick;
      fire(e);
      return swallowed;
    }
    case QEvent::MouseButtonRelease: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      e.type = Event::MouseUp;
      e.button = vb_button(mouse->button());
      e.shift = vb_shift(mouse->modifiers());
      fire(e);
      if (mouse->button() != Qt::LeftButton) return false;
      // A release that clicks does so right here; one that does not leaves no press behind.
      if (control && control->kind == Kind::Button)
        QMetaObject::invokeMethod(
            this, [this] { pressing_.clear(); }, Qt::QueuedConnection);
      if (control && (control->kind == Kind::Option || control->kind == Kind::CheckBox)) {
        choose(*control);
        return true;
      }
      // Buttons report Click through their clicked signal, so the keyboard presses them too.
      if (control && (control->kind == Kind::ComboBox || control->kind == Kind::Button))
        return false;
      e.type = Event::Click;
      fire(e);
      return control && control->kind == Kind::ListBox;
    }
    case QEvent::MouseMove:
      e.type = Event::MouseMove;
      fire(e);
      return false;
    case QEvent::FocusIn:
      if (!control) return false;
      form_.focused = control->ref();
      e.type = Event::GotFocus;
      fire(e);
      return false;
    case QEvent::FocusOut:
      if (!control) return false;
      if (form_.focused == control->ref()) form_.focused.clear();
      e.type = Event::LostFocus;
      fire(e);
      return false;
    case QEvent::KeyPress: {
      if (!control || watched != widgets_.value(control->ref())) return false;
      auto* key = static_cast<QKeyEvent*>(event);
      if (forward_key(*control, key)) {
        key->accept();  // taken: it travels no further, to the window's own keys
        return true;
      }
      // Space chooses a focused option button or check box as a click would; the
      // widget's own toggle would only be undone by the next refresh.
      if (key->key() == Qt::Key_Space &&
          (control->kind == Kind::Option || control->kind == Kind::CheckBox)) {
        if (!key->isAutoRepeat()) choose(*control);
        return true;
      }
      // The menu key and Shift+F10 are the right button, on whatever a mouse could press.
      const bool menu_key = key->key() == Qt::Key_Menu ||
                            (key->key() == Qt::Key_F10 && key->modifiers() & Qt::ShiftModifier);
      const bool pressable = control->kind == Kind::Label || control->kind == Kind::Image ||
                             control->kind == Kind::Button;
      if (menu_key && pressable) {
        if (!key->isAutoRepeat()) click_control(*control, MouseButton::Right);
        return true;
      }
      // Enter clicks a label that takes the focus (a day of the grid).
      const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
      if (enter && (control->kind == Kind::Label || control->kind == Kind::Image)) {
        if (!key->isAutoRepeat()) click_control(*control, MouseButton::Left);
        return true;
      }
      // Enter and Space press the focused button as the mouse would, so that a
      // button that acts on its mouse-down answers the keyboard too.
      auto* button = qobject_cast<QPushButton*>(widgets_.value(control->ref()));
      const bool presses = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
                           key->key() == Qt::Key_Space;
      if (!button || !presses || !live()) return false;
      if (!key->isAutoRepeat()) press_button(*control, button);
      return true;
    }
    default:
      return false;
  }
}

// An option button is chosen alone among those of its frame; a check box flips.
void FormWindow::choose(Control& control) {
  if (control.kind == Kind::Option) {
    for (Control& other : form_.controls())
      if (other.kind == Kind::Option && other.parent == control.parent) other.checked = false;
    control.checked = true;
  } else {
    control.checked = !control.checked;
  }
  fire(Event::Click, control);
}

void FormWindow::press_button(const Control& control, QPushButton* button) {
  Event e;
  e.name = control.name;
  e.index = control.index;
  e.button = int(MouseButton::Left);
  e.type = Event::MouseDown;
  fire(e);
  e.type = Event::MouseUp;
  fire(e);
  if (live() && button->isVisible() && button->isEnabled()) {
    pressing_ = control.ref();
    button->click();
    pressing_.clear();
  }
}

bool FormWindow::mouse_down(Control* control, QObject* watched, QMouseEvent* mouse, Event& e) {
  e.type = Event::MouseDown;
  e.button = vb_button(mouse->button());
  e.shift = vb_shift(mouse->modifiers());
  if (control && control->kind == Kind::Button && mouse->button() == Qt::LeftButton)
    pressing_ = control->ref();
  if (control && control->kind == Kind::ListBox) {
    if (auto* list = qobject_cast<QListWidget*>(widgets_.value(control->ref()))) {
      const int row = list->indexAt(list->viewport()->mapFrom(static_cast<QWidget*>(watched),
                                                              mouse->position().toPoint()))
                          .row();
      if (row >= 0) control->selected = row;
    }
  }
  fire(e);
  return control && (control->kind == Kind::Option || control->kind == Kind::CheckBox ||
                     control->kind == Kind::ListBox);
}

bool FormWindow::forward_key(Control& control, QKeyEvent* key) {
  Event down;
  down.type = Event::KeyDown;
  down.name = control.name;
  down.index = control.index;
  down.key_code = vb_key_code(key->key());
  down.shift = vb_shift(key->modifiers());
  if (down.key_code != 0) {
    fire(down);
    if (down.key_code == 0) return true;
  }
  QString text = key->text();
  if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) text = "\r";
  if (text.isEmpty()) return false;
  Event press = down;
  press.type = Event::KeyPress;
  press.key_ascii = text[0].unicode();
  const int typed = press.key_ascii;
  fire(press);
  if (press.key_ascii == 0) return true;
  if (press.key_ascii == typed) return false;
  // The handler replaced the character: insert its choice instead.
  const QString replacement(QChar(char16_t(press.key_ascii)));
  if (auto* edit = qobject_cast<QLineEdit*>(widgets_.value(control.ref())))
    edit->insert(replacement);
  if (auto* edit = qobject_cast<QPlainTextEdit*>(widgets_.value(control.ref())))
    edit->insertPlainText(replacement);
  return true;
}

void FormWindow::hideEvent(QHideEvent* event) {
  QMainWindow::hideEvent(event);
  if (on_hidden) on_hidden();
}

// Keys no control took: the form's own KeyDown first, then F1 opens the help and
// Escape leaves a tool window.
void FormWindow::keyPressEvent(QKeyEvent* event) {
  if (live() && event->key() != Qt::Key_Escape && event->key() != Qt::Key_F1) {
    Event down;
    down.type = Event::KeyDown;
    down.name = form_.name();
    down.key_code = vb_key_code(event->key());
    down.shift = vb_shift(event->modifiers());
    if (down.key_code != 0) {
      fire(down);
      if (!live() || down.key_code == 0) return;
    }
  }
  if (live() && event->key() == Qt::Key_F1 && on_help) {
    on_help();
    return;
  }
  if (live() && event->key() == Qt::Key_Escape) {
    escape();
    return;
  }
  QMainWindow::keyPressEvent(event);
}

// Presses the window's way out: its "戻る" or "閉じる" button, the only button
// of a window that has no other, or the close box of a tool window. A way out
// that is disabled or hidden (a mode left by another button) is not taken.
void FormWindow::escape() {
  QList<Control*> buttons;
  Control* way_out = nullptr;
  for (Control& control : form_.controls()) {
    if (control.kind != Kind::Button) continue;
    buttons.append(&control);
    if (!way_out && (control.text == "戻る" || control.text == "閉じる")) way_out = &control;
  }
  if (!way_out && !form_.has_border && buttons.size() == 1) way_out = buttons.first();
  if (way_out) {
    auto* button = qobject_cast<QPushButton*>(widgets_.value(way_out->ref()));
    if (button && button->isVisible() && button->isEnabled()) press_button(*way_out, button);
    return;
  }
  if (closes_on_escape && form_.has_border) close();
}

void FormWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (!live()) return;
  Event query;
  query.type = Event::QueryUnload;
  query.name = form_.name();
  fire(query);
}

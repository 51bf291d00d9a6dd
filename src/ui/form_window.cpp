#include "ui/form_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMoveEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolBar>
#include <algorithm>

#include "ui/caption_button.h"
#include "ui/frame_box.h"
#include "ui/list_box.h"
#include "ui/look.h"
#include "ui/scroll_bar.h"
#include "ui/shape_widget.h"
#include "ui/twips.h"
#include "ui/widget_text.h"

namespace {

// Room a toolbar row needs beyond its own size hint inside the window's frame,
// so that no button slips behind the row's overflow arrow.
constexpr int kToolbarSlack = 40;

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

}  // namespace

FormWindow::FormWindow(Form& form, std::function<void()> after_event)
    : form_(form), form_life_(form.lifetime()), after_event_(std::move(after_event)) {
  setObjectName(form.name());
  setFont(default_font());
  // Every window has a fixed size, so the window manager offers no maximise button.
  setWindowFlags(form.has_border ? Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                       Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                       Qt::WindowCloseButtonHint
                                 : Qt::Window | Qt::FramelessWindowHint);
  build();
  sync();
}

FormWindow::~FormWindow() { retire(); }

void FormWindow::retire() {
  if (retired_) return;
  retired_ = true;
  client_->removeEventFilter(this);
  for (QObject* source : refs_.keys()) {
    source->removeEventFilter(this);
    QObject::disconnect(source, nullptr, this, nullptr);
  }
}

void FormWindow::build() {
  client_ = new QWidget(this);
  client_->setObjectName("client");
  client_->setMouseTracking(true);
  client_->installEventFilter(this);
  setCentralWidget(client_);

  QMap<QString, QMenu*> menus;
  for (Control& control : form_.controls()) {
    if (control.kind == Kind::Menu) {
      QMenu* menu = menuBar()->addMenu(control.text);
      menu->setObjectName(control.name);
      menus[control.name] = menu;
      actions_[control.ref()] = menu->menuAction();
      action_of_[&control] = menu->menuAction();
    } else if (control.kind == Kind::MenuItem) {
      QAction* action = menus.value(control.parent)->addAction(control.text);
      action->setObjectName(control.ref());
      actions_[control.ref()] = action;
      action_of_[&control] = action;
      refs_[action] = control.ref();
      connect(action, &QAction::triggered, this, [this, &control] { fire(Event::Click, control); });
    } else if (control.kind == Kind::ToolButton) {
      if (!toolbar_) toolbar_ = add_toolbar_row(control.name);
      QAction* action = toolbar_->addAction(QIcon(load_picture(control.picture)), QString());
      // The buttons wrap into as many rows as the window's width needs.
      if (toolbar_->actions().size() > 1 &&
          toolbar_->sizeHint().width() + kToolbarSlack > to_px(form_.width)) {
        toolbar_->removeAction(action);
        addToolBarBreak();
        toolbar_ = add_toolbar_row(control.name);
        toolbar_->addAction(action);
      }
      action->setObjectName(control.ref());
      actions_[control.ref()] = action;
      action_of_[&control] = action;
      refs_[action] = control.ref();
      if (QWidget* button = toolbar_->widgetForAction(action)) button->setObjectName(control.ref());
      connect(action, &QAction::triggered, this, [this, &control] { fire(Event::Click, control); });
    }
  }
  // Frames first, so that their children can be placed inside them. A control
  // hidden at start (a mode of the window, a frame's hidden child) gets its
  // widget when first shown; the first keeps one, so that every later widget
  // has a place to take in the focus chain.
  for (int pass = 0; pass < 2; ++pass)
    for (Control& control : form_.controls()) {
      const bool frame = control.kind == Kind::Frame;
      if (control.kind == Kind::Menu || control.kind == Kind::MenuItem ||
          control.kind == Kind::ToolButton || frame != (pass == 0))
        continue;
      order_.push_back(&control);
      if (order_.size() > 1 && (!control.visible || deferred_.contains(control.parent)))
        deferred_.insert(control.ref());
      else
        make_widget(control);
    }
}

QWidget* FormWindow::make_widget(Control& control) {
  QWidget* parent = widgets_.value(control.parent, client_);
  QWidget* widget = create_widget(control, parent);
  widget->setObjectName(control.ref());
  widget->setMouseTracking(true);
  widget->installEventFilter(this);
  widgets_[control.ref()] = widget;
  widget_of_[&control] = widget;
  applied_of_[widget].own_policy = widget->focusPolicy();
  refs_[widget] = control.ref();
  if (auto* view = qobject_cast<QAbstractScrollArea*>(widget)) {
    view->viewport()->installEventFilter(this);
    view->viewport()->setMouseTracking(true);
    refs_[view->viewport()] = control.ref();
  }
  connect_signals(control, widget);
  return widget;
}

// A put-off widget takes the place in the stacking and focus orders it would
// have had if made with the window.
QWidget* FormWindow::make_deferred(Control& control) {
  deferred_.remove(control.ref());
  if (deferred_.contains(control.parent)) widget(control.parent);
  QWidget* made = make_widget(control);
  const auto at = std::find(order_.begin(), order_.end(), &control);
  for (auto it = at + 1; it != order_.end(); ++it) {
    QWidget* later = widgets_.value((*it)->ref());
    if (later && later->parentWidget() == made->parentWidget()) {
      made->stackUnder(later);
      break;
    }
  }
  if (made->focusPolicy() != Qt::NoFocus) {
    QWidget* previous = nullptr;
    for (Control* other : order_) {
      QWidget* next = widgets_.value(other->ref());
      if (!next || next->focusPolicy() == Qt::NoFocus) continue;
      if (previous) QWidget::setTabOrder(previous, next);
      previous = next;
    }
  }
  return made;
}

QWidget* FormWindow::widget(const QString& ref) {
  if (QWidget* made = widgets_.value(ref)) return made;
  Control* control = deferred_.contains(ref) ? form_.find_ref(ref) : nullptr;
  if (!control || retired_) return nullptr;
  const bool was_syncing = syncing_;
  syncing_ = true;
  make_deferred(*control);
  sync_control(*control);
  syncing_ = was_syncing;
  return widgets_.value(ref);
}

QToolBar* FormWindow::add_toolbar_row(const QString& name) {
  QToolBar* row = addToolBar(name);
  row->setMovable(false);
  row->setIconSize(QSize(16, 16));
  return row;
}

QWidget* FormWindow::create_widget(Control& control, QWidget* parent) {
  switch (control.kind) {
    case Kind::Label: {
      auto* label = new QLabel(parent);
      label->setWordWrap(true);
      return label;
    }
    case Kind::Image: {
      auto* image = new QLabel(parent);
      image->setScaledContents(true);
      return image;
    }
    case Kind::Button: {
      auto* button = new CaptionButton(parent);
      button->setAutoDefault(false);
      return button;
    }
    case Kind::TextBox:
      if (control.multiline) {
        auto* edit = new QPlainTextEdit(parent);
        edit->setTabChangesFocus(true);
        if (!control.scrollbars) edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        return edit;
      }
      return new QLineEdit(parent);
    case Kind::ListBox:
      return new ListBox(parent);
    case Kind::ComboBox:
      return new QComboBox(parent);
    case Kind::Option: {
      auto* option = new QRadioButton(parent);
      option->setAutoExclusive(false);
      return option;
    }
    case Kind::CheckBox:
      return new QCheckBox(parent);
    case Kind::Frame:
      return new FrameBox(parent);
    case Kind::HScroll:
    case Kind::VScroll:
      // Reached by Tab and moved by the arrow keys, as any input control.
      return new ScrollBar(control.kind == Kind::HScroll ? Qt::Horizontal : Qt::Vertical, parent);
    case Kind::Shape:
      return new ShapeWidget(false, parent);
    case Kind::Line:
      return new ShapeWidget(true, parent);
    default:
      return new QWidget(parent);
  }
}

void FormWindow::connect_signals(Control& control, QWidget* widget) {
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    connect(edit, &QLineEdit::textChanged, this, [this, &control](const QString& text) {
      if (quiet()) return;
      control.text = text;
      fire(Event::Change, control);
    });
  } else if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) {
    connect(edit, &QPlainTextEdit::textChanged, this, [this, &control, edit] {
      if (quiet()) return;
      control.text = from_widget_text(edit->toPlainText());
      fire(Event::Change, control);
    });
  } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    connect(combo, &QComboBox::activated, this, [this, &control, combo](int index) {
      if (quiet()) return;
      control.selected = index;
      control.text = combo->itemText(index);
      fire(Event::Click, control);
    });
  } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
    connect(button, &QPushButton::clicked, this, [this, &control] {
      if (!quiet()) fire(Event::Click, control);
    });
  } else if (auto* bar = qobject_cast<QScrollBar*>(widget)) {
    connect(bar, &QScrollBar::valueChanged, this, [this, &control](int value) {
      if (quiet()) return;
      control.value = value;
      fire(Event::Change, control);
    });
  }
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
  if (quiet()) return false;
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
  if (live() && button->isVisible() && button->isEnabled()) button->click();
}

bool FormWindow::mouse_down(Control* control, QObject* watched, QMouseEvent* mouse, Event& e) {
  e.type = Event::MouseDown;
  e.button = vb_button(mouse->button());
  e.shift = vb_shift(mouse->modifiers());
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

// Keys no control took: F1 opens the help, Escape leaves a tool window.
void FormWindow::keyPressEvent(QKeyEvent* event) {
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

FormWindow& WindowSet::open(Form& form) {
  // A window whose form is gone goes first: a new form may live at its old address.
  for (auto it = windows_.begin(); it != windows_.end();)
    if ((*it)->live()) {
      ++it;
    } else {
      (*it)->retire();
      it = windows_.erase(it);
    }
  for (auto& window : windows_)
    if (&window->form() == &form) return *window;
  windows_.push_back(std::make_unique<FormWindow>(form, [this] { sync_all(); }));
  windows_.back()->on_help = [this] {
    if (on_help) on_help();
  };
  return *windows_.back();
}

FormWindow* WindowSet::find(const QString& form_name) const {
  for (auto& window : windows_)
    if (window->live() && window->objectName() == form_name) return window.get();
  return nullptr;
}

FormWindow* WindowSet::topmost_visible() const {
  for (auto it = windows_.rbegin(); it != windows_.rend(); ++it)
    if ((*it)->live() && (*it)->isVisible()) return it->get();
  return nullptr;
}

void WindowSet::sync_all() {
  if (closing_) return;
  for (auto& window : windows_) window->sync();
}

void WindowSet::close_all() {
  closing_ = true;
  for (auto& window : windows_) window->retire();
  // Out of the set before any goes; newest first, so a tool window goes before
  // the window that opened it.
  auto leaving = std::move(windows_);
  windows_.clear();
  while (!leaving.empty()) leaving.pop_back();
  closing_ = false;
}

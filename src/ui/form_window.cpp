#include "ui/form_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolBar>
#include <algorithm>
#include <utility>

#include "core/spoken_names.h"
#include "ui/accessibility.h"
#include "ui/caption_button.h"
#include "ui/focus_label.h"
#include "ui/font_config_reader.h"
#include "ui/frame_box.h"
#include "ui/list_box.h"
#include "ui/look.h"
#include "ui/scroll_bar.h"
#include "ui/shape_widget.h"
#include "ui/twips.h"
#include "ui/widget_text.h"
#include "ui/window_mover.h"

namespace {

// Room a toolbar row needs beyond its own size hint inside the window's frame,
// so that no button slips behind the row's overflow arrow.
constexpr int kToolbarSlack = 40;

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
  if (!form.has_border) new WindowMover(client_);
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
  accessibility::install();
  accessibility::mark_container(client_);
  setCentralWidget(client_);

  QMap<QString, QMenu*> menus;
  for (Control& control : form_.controls()) {
    if (control.kind == Kind::Menu) {
      QMenu* owner = menus.value(control.parent);
      QMenu* menu = owner ? owner->addMenu(control.text) : menuBar()->addMenu(control.text);
      menu->setObjectName(control.name);
      menus[control.name] = menu;
      actions_[control.ref()] = menu->menuAction();
      action_of_[&control] = menu->menuAction();
    } else if (control.kind == Kind::MenuItem && control.text == "-") {  // a separator line
      menus.value(control.parent)->addSeparator();
    } else if (control.kind == Kind::MenuItem) {
      QAction* action = menus.value(control.parent)->addAction(control.text);
      const QString ref = control.ref();
      action->setObjectName(ref);
      if (!control.shortcut.isEmpty()) action->setShortcut(QKeySequence(control.shortcut));
      actions_[ref] = action;
      action_of_[&control] = action;
      refs_[action] = ref;
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
      const QString ref = control.ref();
      action->setObjectName(ref);
      actions_[ref] = action;
      action_of_[&control] = action;
      refs_[action] = ref;
      if (QWidget* button = toolbar_->widgetForAction(action)) {
        button->setObjectName(ref);
        tool_button_of_[&control] = button;
      }
      connect(action, &QAction::triggered, this, [this, &control] { fire(Event::Click, control); });
    }
  }
  finish_reading_font_configuration();
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
  const QString ref = control.ref();
  widget->setObjectName(ref);
  widget->setMouseTracking(true);
  widget->installEventFilter(this);
  widgets_[ref] = widget;
  widget_of_[&control] = widget;
  applied_of_[widget].own_policy = widget->focusPolicy();
  refs_[widget] = ref;
  mark_for_speech(control, widget);
  if (auto* view = qobject_cast<QAbstractScrollArea*>(widget)) {
    view->viewport()->installEventFilter(this);
    view->viewport()->setMouseTracking(true);
    refs_[view->viewport()] = ref;
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
    QWidget* later = widget_of_.value(*it);
    if (later && later->parentWidget() == made->parentWidget()) {
      made->stackUnder(later);
      break;
    }
  }
  if (made->focusPolicy() != Qt::NoFocus) {
    QWidget* previous = nullptr;
    for (Control* other : order_) {
      QWidget* next = widget_of_.value(other);
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
  // The rows are one toolbar wrapped: each says which part it is.
  const int rows = int(findChildren<QToolBar*>().size());
  QToolBar* row = addToolBar(rows == 0 ? QString("ツールバー") : QString("ツールバー %1段目").arg(rows + 1));
  row->setMovable(false);
  row->setIconSize(QSize(16, 16));
  return row;
}

QWidget* FormWindow::create_widget(Control& control, QWidget* parent) {
  switch (control.kind) {
    case Kind::Label: {
      auto* label = new FocusLabel(parent);
      label->setTextFormat(Qt::PlainText);  // the form's text as typed, never read as markup
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
      if (quiet()) return;
      if (std::exchange(pressing_, QString()) != control.ref()) {
        click_control(control, MouseButton::Left);  // its press, release and click
        return;
      }
      fire(Event::Click, control);
    });
  } else if (auto* bar = qobject_cast<QScrollBar*>(widget)) {
    connect(bar, &QScrollBar::valueChanged, this, [this, &control](int value) {
      if (quiet()) return;
      control.value = value;
      fire(Event::Change, control);
    });
  }
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

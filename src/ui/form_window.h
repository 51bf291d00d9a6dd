#pragma once
// The ui folder: the Qt layer, a generic window for every form, the Qt platform, fonts and colours.
// The window of a form: a widget for every control of the description, named
// after the control ("Label1(3)"), events forwarded to the form, and the
// description copied back onto the widgets after every event. No behaviour.
#include <QHash>
#include <QMainWindow>
#include <QMap>
#include <QSet>
#include <functional>

#include "core/form.h"

class QAction;
class QMenu;
class QPushButton;
class QToolBar;

class FormWindow : public QMainWindow {
  Q_OBJECT
 public:
  // after_event runs once an event has been handled; it syncs every window.
  FormWindow(Form& form, std::function<void()> after_event);
  ~FormWindow() override;

  Form& form() { return form_; }
  // False once the window is retired or its form is gone: it then forwards nothing.
  bool live() const { return !retired_ && !form_life_.expired(); }
  // Stops every event and signal of the widgets from reaching the form, for
  // good; the window is about to be destroyed.
  void retire();
  // Copies the description onto the widgets (and shows or hides the window).
  void sync();
  // The widget or action of a control reference such as "Label1(3)". A control
  // hidden since the window was built gets its widget here or when first shown.
  QWidget* widget(const QString& ref);
  QAction* action(const QString& ref) const { return actions_.value(ref); }
  // Runs whenever the window is hidden (a modal wait ends there).
  std::function<void()> on_hidden;
  // F1: the program's help.
  std::function<void()> on_help;
  // A tool window: Escape closes it where its close box would.
  bool closes_on_escape = false;
  QWidget* client() const { return client_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void build();
  QSize inner_size() const;
  QToolBar* add_toolbar_row(const QString& name);
  QWidget* create_widget(Control& control, QWidget* parent);
  QWidget* make_widget(Control& control);
  QWidget* make_deferred(Control& control);
  void connect_signals(Control& control, QWidget* widget);
  void sync_control(Control& control);
  void fire(Event& event);  // the form may change the event (a swallowed key)
  void fire(Event::Type type, const Control& control);
  bool forward_key(Control& control, QKeyEvent* key);
  bool show_plain_tooltip(QObject* watched, QEvent* event);
  bool mouse_down(Control* control, QObject* watched, QMouseEvent* mouse, Event& e);
  void escape();
  void press_button(const Control& control, QPushButton* button);
  // A press and release of a mouse button on the control, then for the left
  // button its click: what Enter and the menu key do on a label or picture.
  void click_control(const Control& control, MouseButton button);
  // The name, description and states a screen reader reads (form_window_speech.cpp).
  void sync_speech(const Control& control, QWidget* widget);
  void mark_for_speech(const Control& control, QWidget* widget);
  void choose(Control& control);

  bool quiet() const { return syncing_ || !live(); }

  Form& form_;
  std::weak_ptr<const void> form_life_;
  bool retired_ = false;
  std::function<void()> after_event_;
  QWidget* client_ = nullptr;
  QToolBar* toolbar_ = nullptr;
  QMap<QString, QWidget*> widgets_;
  QMap<QString, QAction*> actions_;
  QMap<QObject*, QString> refs_;  // widget or action -> control ref
  std::vector<Control*> order_;   // the controls with widgets, in the order they are made
  QSet<QString> deferred_;        // hidden at start: no widget until first shown
  // Looked up by control on every refresh, without building its ref.
  QHash<const Control*, QWidget*> widget_of_;
  QHash<const Control*, QAction*> action_of_;
  QHash<const Control*, QWidget*> tool_button_of_;
  // The button the mouse or the keyboard is pressing: its click then follows
  // the press the form heard. Any other click (a screen reader's press action)
  // brings its own press first.
  QString pressing_;
  // What a refresh last gave each widget, so an unchanged control costs little.
  struct Applied {
    Qt::FocusPolicy own_policy;  // the widget's own, for when the control is a tab stop again
    Font font;
    bool font_set = false;
  };
  QHash<const QWidget*, Applied> applied_of_;
  bool syncing_ = false;
  QRect applied_;  // the form's place and size (twips) as last applied or moved to
  bool placed_ = false;
};

// Every open window of the program; keeps them in step with their forms.
class WindowSet {
 public:
  WindowSet() = default;
  ~WindowSet() { close_all(); }
  WindowSet(const WindowSet&) = delete;
  WindowSet& operator=(const WindowSet&) = delete;

  FormWindow& open(Form& form);  // the form's window, created when missing
  FormWindow* find(const QString& form_name) const;
  // The most recently opened window that is still shown.
  FormWindow* topmost_visible() const;
  void sync_all();
  // Given to every window for F1.
  std::function<void()> on_help;
  // Retires every window before destroying any: tearing one down can close a
  // popup and move the focus into another.
  void close_all();

 private:
  std::vector<std::unique_ptr<FormWindow>> windows_;
  bool closing_ = false;
};

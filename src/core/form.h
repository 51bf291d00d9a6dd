#pragma once
// The core folder: text files, fields, number texts, dates, sort order, the form model, the
// platform. A form is a window's logic: a plain description of its controls plus one method per
// event handler. Handlers change the description and call the platform; they never touch a widget.
// The window layer builds a widget per control, forwards events to dispatch(), and copies the
// description back.
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <memory>
#include <type_traits>
#include <vector>

struct Rgb {
  int r = 0, g = 0, b = 0;
  bool system = false;  // the platform's own colour for the role (button text or window)
  friend bool operator==(const Rgb&, const Rgb&) = default;
};
inline constexpr Rgb kSystemColour{0, 0, 0, true};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kMagenta{255, 0, 255};
inline constexpr Rgb kCyan{0, 255, 255};
inline constexpr Rgb kLightYellow{255, 255, 128};
inline constexpr Rgb kPurple{128, 0, 128};

enum class Kind {
  Label,
  Button,
  TextBox,
  ListBox,
  ComboBox,
  Option,
  CheckBox,
  Frame,
  HScroll,
  VScroll,
  Image,
  Shape,
  Line,
  // A menu title: on the menu bar, or a submenu when its parent is a menu. Its
  // items (and submenus) name it as parent.
  Menu,
  MenuItem,
  ToolButton,  // a toolbar button; index from 1
};

enum class ImeMode { None, Hiragana, Alphanumeric, Off };
enum class Align { Left, Center, Right };

struct Font {
  QString family;   // the design's font name, e.g. "ＭＳ ゴシック"; empty for the default
  double size = 9;  // points; designs use sizes such as 9.75
  bool bold = false;
  friend bool operator==(const Font&, const Font&) = default;
};

struct Control {
  QString name;
  int index = -1;  // element of a control array, -1 when the control is not one
  Kind kind = Kind::Label;
  QString parent;  // enclosing frame (its name, "Frame1") or owning menu
  QString text;
  QString tooltip;
  Rgb fore = kSystemColour;
  Rgb back = kSystemColour;
  bool visible = true, enabled = true, locked = false, checked = false;
  int left = 0, top = 0, width = 0, height = 0;  // twips, relative to the parent
  QStringList items;                             // list and combo box lines
  int selected = -1;
  int value = 0, minimum = 0, maximum = 32767, small_change = 1, large_change = 1;  // scroll bars
  bool multiline = false;
  bool scrollbars = false;
  bool sorted = false;
  bool transparent = false;  // a label drawn without its own background
  bool border = false;       // labels and images with a fixed single border
  bool word_wrap = true;     // labels: a caption too wide for the label breaks into lines
  bool tab_stop = true;      // false: Tab passes the control by; a click still focuses it
  int max_length = 0;        // text boxes, 0 for no limit
  bool password = false;     // text boxes: each character shown as ●
  int border_width = 1;      // shapes and lines, pixels
  bool rounded = false;      // shapes: rounded corners
  bool filled = false;       // shapes: painted inside with back
  ImeMode ime = ImeMode::None;
  bool numeric = false;  // text boxes that take a number: the input method offers digits
  Align align = Align::Left;
  Font font;
  QString picture;  // resource path of an image or button picture
  QString shortcut;
  // For screen readers (core/spoken_names.h): the name where neither caption nor
  // label says what the control is, and what more a control has to tell.
  QString spoken_name;
  QString description;
  bool current = false;    // the control stands for the present (today's day cell)
  bool focusable = false;  // labels: reached by Tab and clicked by Enter (the focus day)

  QString ref() const { return index < 0 ? name : QString("%1(%2)").arg(name).arg(index); }
};

// Sets a control's place and size in twips; answers the control for chaining.
inline Control& place(Control& control, int left, int top, int width, int height) {
  control.left = left;
  control.top = top;
  control.width = width;
  control.height = height;
  return control;
}

// A command button as a window's table of buttons lists it, place in twips.
struct ButtonLine {
  const char* name;
  int index;  // -1: not part of a control array
  const char* caption;
  const char* tooltip;
  int left, top, width, height;
};

enum class MouseButton { Left = 1, Right = 2, Middle = 4 };

// What a window event tells the form.
struct Event {
  enum Type {
    Load,   // the form is about to be shown
    Click,  // also: a menu item or toolbar button is chosen
    DblClick,
    MouseDown,
    MouseUp,
    MouseMove,
    GotFocus,
    LostFocus,
    KeyPress,     // key_ascii may be changed; 0 swallows the key
    KeyDown,      // key_code may be changed; 0 swallows the key
    Change,       // text box text changed (the description already holds the new text)
    QueryUnload,  // the close box was pressed; set cancel to keep the window
  };
  Type type = Click;
  QString name;  // control name; the form's own name for form events
  int index = -1;
  int button = 1;  // MouseButton value
  int shift = 0;
  int key_ascii = 0;
  int key_code = 0;
  bool cancel = false;
};

class Platform;

// One line of a form's event table: the event of a control (or, with an empty
// control name, of the form itself) and the handler it runs.
struct Route {
  Event::Type type;
  QString control;
  std::function<void(Event&)> run;
};

// A handler of form F as a route names it. The adapters hand the handler what
// its signature asks of the event: nothing, the control's index, the key (the
// key code for KeyDown, the character for KeyPress) or the cancel flag, the
// index and mouse button, or the whole event for anything else.
template <class F>
struct Handler {
  std::function<void(F&, Event&)> call;
  Handler(void (F::*h)()) : call([h](F& f, Event&) { (f.*h)(); }) {}
  Handler(void (F::*h)(int)) : call([h](F& f, Event& e) { (f.*h)(e.index); }) {}
  Handler(void (F::*h)(int&)) : call([h](F& f, Event& e) { (f.*h)(key_of(e)); }) {}
  Handler(void (F::*h)(int, int&)) : call([h](F& f, Event& e) { (f.*h)(e.index, key_of(e)); }) {}
  Handler(void (F::*h)(int&, int)) : call([h](F& f, Event& e) { (f.*h)(key_of(e), e.shift); }) {}
  Handler(void (F::*h)(bool&)) : call([h](F& f, Event& e) { (f.*h)(e.cancel); }) {}
  Handler(void (F::*h)(int, int)) : call([h](F& f, Event& e) { (f.*h)(e.index, e.button); }) {}
  Handler(void (F::*h)(int, int, int))
      : call([h](F& f, Event& e) { (f.*h)(e.index, e.button, e.shift); }) {}
  template <class Fn>
  requires std::is_invocable_v<Fn, F&, Event&> Handler(Fn fn) : call(std::move(fn)) {}

 private:
  static int& key_of(Event& e) { return e.type == Event::KeyDown ? e.key_code : e.key_ascii; }
};

// A route as a form's table writes it: {Event::Click, "Command3", &Kozukai::Command3_Click}.
template <class F>
struct RouteOf {
  Event::Type type;
  QString control;
  Handler<F> handler;
};

class Form {
 public:
  Form(QString name, Platform& platform) : name_(std::move(name)), platform_(platform) {}
  virtual ~Form() = default;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const QString& name() const { return name_; }
  // Expires when the form is destroyed, so that a window outliving its form
  // can tell and stay quiet.
  std::weak_ptr<const void> lifetime() const { return alive_; }

  // Window state.
  QString caption;
  int left = 0, top = 0, width = 0, height = 0;  // twips, outer size
  bool visible = false;
  bool has_border = true;  // false: a borderless window framed by its own drawing
  bool loaded = false;
  Rgb back = kSystemColour;
  // The label that carries a borderless window's title, drawn inside the window.
  QString title_label;
  // What the desktop names the window by (task bar, Alt+Tab): the caption, or
  // where there is none the title label's words without their spacing blanks.
  QString window_title() const;

  Control& add(Kind kind, const QString& name, int index = -1);
  Control& add_button(const ButtonLine& line);
  Control& c(const QString& name, int index = -1);
  const Control& c(const QString& name, int index = -1) const;
  Control* find(const QString& name, int index = -1);
  Control* find_ref(const QString& ref);  // "Label1(3)" or "Text1"
  std::deque<Control>& controls() { return controls_; }
  const std::deque<Control>& controls() const { return controls_; }

  // Makes the window borderless, framed by the drawn rectangle Shape1 (3 pixels)
  // around its whole area of width x height twips.
  Control& frame_borderless(int frame_width, int frame_height, Rgb colour);

  // Entry for every window event: runs the route of the event's control, else
  // hands it to handle(). A borderless window has no close box: a close request
  // is refused before it reaches the form, which is left only through its own button.
  void dispatch(Event& event);
  // The form's event table, for the window layer and the tests.
  const std::vector<Route>& routes() const { return routes_; }
  // Focus requested by a handler; the window moves the focus and clears it.
  QString focus_request;
  QString focused;  // ref of the control that has the focus, kept by the window
  void set_focus(const QString& name, int index = -1) { focus_request = c(name, index).ref(); }

  // Shows the form (loading it first when it is not loaded) or hides it.
  void show();
  void hide() { visible = false; }
  // Hides the form and forgets its state; the next show() loads it anew.
  void unload();

  // Centres the window across the screen; top at free height / divisor.
  void centre(int top_divisor);

 protected:
  // Events no route names; most forms need nothing here.
  virtual void handle(Event&) {}
  // Sets the event table; F is the form's own class.
  template <class F>
  void set_routes(std::initializer_list<RouteOf<F>> table) {
    routes_.clear();
    add_routes<F>(table);
  }
  // Adds routes kept elsewhere, such as a menu table's.
  template <class F, class Table>
  void add_routes(const Table& table) {
    F& self = static_cast<F&>(*this);
    for (const RouteOf<F>& r : table)
      routes_.push_back(
          {r.type, r.control, [&self, call = r.handler.call](Event& e) { call(self, e); }});
  }
  virtual void on_unload() {}
  Platform& platform() { return platform_; }

 private:
  void take_cp932_forms(Event& event);

  QString name_;
  Platform& platform_;
  std::vector<Route> routes_;
  std::deque<Control> controls_;  // deque: references stay valid as controls are added
  std::shared_ptr<const void> alive_ = std::make_shared<char>();
};

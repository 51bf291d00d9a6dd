#include "monkey.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <cstdio>
#include <map>
#include <random>
#include <set>

#include "runner.h"
#include "ui/widget_text.h"

namespace {

QString quoted(const QString& text) {
  QString out = "\"";
  for (QChar ch : text) {
    if (ch == '"')
      out += "\\\"";
    else if (ch == '\\')
      out += "\\\\";
    else if (ch == '\n')
      out += "\\n";
    else if (ch == '\r')
      out += "\\r";
    else if (ch == '\t')
      out += "\\t";
    else
      out += ch;
  }
  return out + "\"";
}

// The pieces random texts are made of: plain ASCII, the separators the data
// files use, full-width and half-width Japanese, and characters CP932 cannot hold.
const char* const kPieces[] = {
    "a",  "Z",  "0", "7",  "-",  " ",    ",",      "\"",     "'",      ".",      "/",  "\\",
    "+",  "=",  "*", "%",  "\t", "\r\n", "あ",     "ア",     "ｱ",      "漢",     "字", "　",
    "，", "〒", "①", "Ⅲ",  "㈱", "髙",   "﨑",     "～",     "−",      "é",      "ß",  "€",
    "𠮷", "😀",  "ñ", "한", "中", "¥",    "\u00a0", "\u200b", "\ufeff", "\u0301",
};
const char* const kKeyNames[] = {"Enter", "Tab",       "Escape", "Left", "Right", "Up",
                                 "Down",  "Backspace", "Delete", "Home", "End"};

QWidget* mouse_target(QWidget* widget) {
  if (auto* area = qobject_cast<QAbstractScrollArea*>(widget)) return area->viewport();
  return widget;
}

void send_mouse(QWidget* widget, QEvent::Type type, QPoint at) {
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease
                                    ? Qt::MouseButtons(Qt::NoButton)
                                    : Qt::MouseButtons(Qt::LeftButton);
  QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

}  // namespace

class Monkey {
 public:
  Monkey(Runner& runner, quint64 seed) : r_(runner), seed_(seed), rng_(seed) {}

  static QString command(Runner& runner, const std::vector<Word>& w);
  QString run(qint64 events);
  QString dblclick(const QString& ref);

 private:
  // A control (or menu item, or the window's background) a person could use now.
  struct Pick {
    QString ref;  // WINDOW or WINDOW.CONTROL
    Control* control = nullptr;
    QWidget* widget = nullptr;
  };
  int below(int n) { return n <= 1 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  bool chance(int percent) { return below(100) < percent; }
  std::vector<Pick> usable(FormWindow* window);
  QString step(qint64 number);
  QString play(const QString& verb, const QStringList& args, bool text_last = false);
  QString random_text();
  ScriptedAnswer answer(const ShownMessage& box);
  QString check_windows();
  std::set<QString> shown_windows() const;

  Runner& r_;
  quint64 seed_;
  std::mt19937_64 rng_;
  std::map<QString, int> kinds_;
  std::map<QString, int> opened_;
  int boxes_ = 0, restarts_ = 0;
  QStringList answers_;  // given during the event in progress, as scenario lines
  QStringList trace_;    // the last events, as scenario lines
  bool echo_ = qEnvironmentVariableIsSet("TORIBE_MONKEY_TRACE");
};

QString Monkey::random_text() {
  // Each typed character costs a sync of every window: long texts are few.
  const int roll = below(100);
  const int length = roll < 5 ? 0 : roll < 97 ? 1 + below(12) : 200 + below(600);
  QString text;
  const int pieces = int(std::size(kPieces));
  // A long text mostly of one kind, as a paste would be; a short one of anything.
  const QString filler = QString::fromUtf8(kPieces[below(pieces)]);
  while (text.size() < length)
    text += length > 100 && chance(90) ? filler : QString::fromUtf8(kPieces[below(pieces)]);
  return text;
}

ScriptedAnswer Monkey::answer(const ShownMessage& box) {
  ++boxes_;
  ScriptedAnswer result("ok");
  if (box.input) {
    // Cancel, OK on the text as offered, or a text of its own.
    const int roll = below(4);
    const QString text = roll == 0 ? QString() : roll == 1 ? box.default_text : random_text();
    answers_ << "answer " + quoted(text);
    return ScriptedAnswer::text(text);
  }
  if (box.buttons == MsgButtons::YesNo) result = ScriptedAnswer(chance(50) ? "yes" : "no");
  if (box.buttons == MsgButtons::OkCancel) result = ScriptedAnswer(chance(50) ? "ok" : "cancel");
  answers_ << "answer " + result.value;
  return result;
}

std::set<QString> Monkey::shown_windows() const {
  std::set<QString> names;
  for (QWidget* top : QApplication::topLevelWidgets())
    if (auto* window = qobject_cast<FormWindow*>(top); window && window->isVisible())
      names.insert(window->objectName());
  return names;
}

std::vector<Monkey::Pick> Monkey::usable(FormWindow* window) {
  std::vector<Pick> picks;
  const QString name = window->form().name();
  picks.push_back({name, nullptr, nullptr});
  for (Control& control : window->form().controls()) {
    if (control.kind == Kind::Menu) continue;
    const QString ref = name + "." + control.ref();
    if (QAction* action = window->action(control.ref())) {
      if (action->isEnabled() && action->isVisible()) picks.push_back({ref, &control, nullptr});
    } else if (QWidget* widget = window->widget(control.ref())) {
      if (widget->isVisible() && widget->isEnabled()) picks.push_back({ref, &control, widget});
    }
  }
  return picks;
}

// Plays one command as a scenario line would, and syncs the windows after it.
QString Monkey::play(const QString& verb, const QStringList& args, bool text_last) {
  std::vector<Word> words{{verb, false}};
  for (int i = 0; i < args.size(); ++i)
    words.push_back({args[i], text_last && i == args.size() - 1});
  QString line = verb;
  for (int i = 0; i < args.size(); ++i)
    line += " " + (text_last && i == args.size() - 1 ? quoted(args[i]) : args[i]);
  answers_.clear();
  if (echo_) fprintf(stderr, "%s\n", qPrintable(line.left(300))), fflush(stderr);
  QString result = verb == "dblclick" ? dblclick(args[0]) : r_.act(verb, words, Command{});
  if (result.isEmpty()) r_.after_action();
  ++kinds_[verb];
  trace_ << answers_ << line;
  while (trace_.size() > 30) trace_.removeFirst();
  if (result.isEmpty() && !r_.platform_->fault.isEmpty()) result = r_.platform_->fault;
  return result;
}

QString Monkey::step(qint64 number) {
  (void)number;
  FormWindow* window = r_.windows_->topmost_visible();
  if (!window) return "no window is shown while the program runs";
  const std::vector<Pick> picks = usable(window);
  std::vector<const Pick*> texts, lists, bars, widgets;
  for (const Pick& pick : picks) {
    if (!pick.widget) continue;
    widgets.push_back(&pick);
    if (pick.control->kind == Kind::TextBox) texts.push_back(&pick);
    if (pick.control->kind == Kind::ListBox || pick.control->kind == Kind::ComboBox)
      if (!pick.control->items.isEmpty()) lists.push_back(&pick);
    if (pick.control->kind == Kind::HScroll || pick.control->kind == Kind::VScroll)
      bars.push_back(&pick);
  }
  const auto any = [&](const std::vector<const Pick*>& from) {
    return from[below(int(from.size()))];
  };
  const bool main = window->form().name() == "toribe";
  const int roll = below(100);
  if (roll < 2 && !(main && chance(60))) return play("close", {window->form().name()});
  if (roll < 7) return play("advance", {QString::number(1 + below(chance(80) ? 2000 : 120000))});
  if (roll < 22 && !texts.empty()) {
    const Pick* pick = chance(85) ? any(texts) : any(widgets);
    return play("type", {pick->ref, random_text()}, true);
  }
  if (roll < 37 && !widgets.empty()) {
    const Pick* pick = chance(60) && !texts.empty() ? any(texts) : any(widgets);
    return play("key", {pick->ref, kKeyNames[below(int(std::size(kKeyNames)))]});
  }
  if (roll < 42 && !lists.empty()) {
    const Pick* pick = any(lists);
    return play("select", {pick->ref, QString::number(below(pick->control->items.size()))});
  }
  if (roll < 45 && !bars.empty()) {
    const Pick* pick = any(bars);
    const int low = pick->control->minimum, high = pick->control->maximum;
    const int value =
        std::uniform_int_distribution<int>(std::min(low, high), std::max(low, high))(rng_);
    return play("scroll", {pick->ref, QString::number(value)});
  }
  const Pick& pick = picks[below(int(picks.size()))];
  if (roll < 53) return play("rclick", {pick.ref});
  if (roll < 61 && (pick.widget || !pick.control)) return play("dblclick", {pick.ref});
  // A line of a list box that is not a control array, as a person clicks it.
  if (pick.control && pick.control->kind == Kind::ListBox && pick.control->index < 0 &&
      !pick.control->items.isEmpty() && chance(80))
    return play("click", {QString("%1(%2)").arg(pick.ref).arg(below(pick.control->items.size()))});
  return play("click", {pick.ref});
}

// The window layer shows exactly what each description holds; a state it cannot show fails.
QString Monkey::check_windows() {
  for (QWidget* top : QApplication::topLevelWidgets()) {
    auto* window = qobject_cast<FormWindow*>(top);
    if (!window || !window->isVisible()) continue;
    for (const Control& control : window->form().controls()) {
      QWidget* widget = window->widget(control.ref());
      const QString ref = window->form().name() + "." + control.ref();
      const auto wrong = [&](const QString& what, const QString& shown) {
        return QString("%1 holds %2 but its window shows %3")
            .arg(ref, what.left(200), shown.left(200));
      };
      if (auto* edit = qobject_cast<QLineEdit*>(widget); edit && edit->text() != control.text)
        return wrong(quoted(control.text), quoted(edit->text()));
      if (auto* edit = qobject_cast<QPlainTextEdit*>(widget))
        if (from_widget_text(edit->toPlainText()) != control.text)
          return wrong(quoted(control.text), quoted(from_widget_text(edit->toPlainText())));
      if (auto* list = qobject_cast<QListWidget*>(widget)) {
        if (list->count() != control.items.size() || list->currentRow() != control.selected)
          return wrong(
              QString("%1 lines, line %2 selected").arg(control.items.size()).arg(control.selected),
              QString("%1 lines, line %2").arg(list->count()).arg(list->currentRow()));
      }
      if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        if (combo->count() != control.items.size() || combo->currentIndex() != control.selected)
          return wrong(
              QString("%1 items, item %2 chosen").arg(control.items.size()).arg(control.selected),
              QString("%1 items, item %2").arg(combo->count()).arg(combo->currentIndex()));
      }
      if (auto* bar = qobject_cast<QScrollBar*>(widget); bar && bar->value() != control.value)
        return wrong(QString("value %1").arg(control.value), QString("value %1").arg(bar->value()));
    }
  }
  return {};
}

QString Monkey::run(qint64 events) {
  printf("monkey seed %llu: %lld events\n", static_cast<unsigned long long>(seed_),
         static_cast<long long>(events));
  fflush(stdout);
  QElapsedTimer clock;
  clock.start();
  r_.platform_->answer_unqueued = [this](const ShownMessage& box) { return answer(box); };
  QString failure;
  qint64 played = 0;
  for (; played < events && failure.isEmpty(); ++played) {
    const std::set<QString> before = shown_windows();
    try {
      failure = step(played);
    } catch (const std::exception& e) {
      failure = QString("the program failed: %1").arg(e.what());
    }
    if (failure.isEmpty()) failure = check_windows();
    for (const QString& name : shown_windows())
      if (!before.count(name)) ++opened_[name];
    // The program was ended (its closing question answered Yes): start it again.
    if (failure.isEmpty() && !r_.running_) {
      ++restarts_;
      failure = play("start", {});
      --kinds_["start"];
    }
  }
  r_.platform_->answer_unqueued = nullptr;
  // The boxes answered here are not the scenario's to check.
  for (ShownMessage& box : r_.platform_->shown) box.checked = true;
  QStringList kinds, windows;
  for (const auto& [kind, count] : kinds_)
    if (count > 0) kinds << QString("%1 %2").arg(kind).arg(count);
  int opened = 0;
  for (const auto& [name, count] : opened_) {
    windows << QString("%1 %2").arg(name).arg(count);
    opened += count;
  }
  printf(
      "monkey seed %llu: %lld events in %.1f s (%s); windows opened %d (%s); boxes answered "
      "%d; restarts %d\n",
      static_cast<unsigned long long>(seed_), static_cast<long long>(played),
      clock.elapsed() / 1000.0, qPrintable(kinds.join(", ")), opened,
      qPrintable(windows.join(", ")), boxes_, restarts_);
  fflush(stdout);
  if (failure.isEmpty()) return {};
  fprintf(stderr, "monkey seed %llu failed at event %lld; the last events:\n",
          static_cast<unsigned long long>(seed_), static_cast<long long>(played));
  for (const QString& line : trace_) fprintf(stderr, "  %s\n", qPrintable(line.left(2000)));
  fflush(stderr);
  return QString("monkey seed %1, event %2: %3").arg(seed_).arg(played).arg(failure);
}

// Two presses in quick succession on the control (or the window's background).
QString Monkey::dblclick(const QString& ref) {
  Runner::Target target;
  if (QString error = r_.find(ref, target); !error.isEmpty()) return error;
  if (QString error = r_.check_usable(target, ref); !error.isEmpty()) return error;
  if (target.action) return "dblclick takes a control";
  QWidget* at = mouse_target(target.widget ? target.widget : target.window->client());
  QPoint point = at->rect().center();
  if (!target.widget) {
    // A point of the bare background, where no control lies.
    for (int y = at->height() - 2; y > 0 && point == at->rect().center(); y -= 4)
      for (int x = 2; x < at->width(); x += 4)
        if (!at->childAt(QPoint(x, y))) {
          point = QPoint(x, y);
          break;
        }
  }
  send_mouse(at, QEvent::MouseButtonPress, point);
  send_mouse(at, QEvent::MouseButtonRelease, point);
  send_mouse(at, QEvent::MouseButtonDblClick, point);
  send_mouse(at, QEvent::MouseButtonRelease, point);
  return {};
}

QString monkey_command(Runner& runner, const std::vector<Word>& w) {
  return Monkey::command(runner, w);
}

QString Monkey::command(Runner& runner, const std::vector<Word>& w) {
  if (!runner.running_) return w[0].text + " while the program is not running";
  if (w[0].text == "dblclick") {
    if (w.size() != 2) return "dblclick takes a reference";
    return Monkey(runner, 0).dblclick(w[1].text);
  }
  bool events_ok = false, seed_ok = false;
  const qint64 events = w.size() == 3 ? w[1].text.toLongLong(&events_ok) : 0;
  const quint64 seed = w.size() == 3 ? w[2].text.toULongLong(&seed_ok) : 0;
  if (!events_ok || !seed_ok || events < 0) return "monkey takes N SEED";
  return Monkey(runner, seed).run(events);
}

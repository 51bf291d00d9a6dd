#include "runner.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>

#include "core/text_file.h"
#include "monkey.h"
#include "properties.h"
#include "runner_text.h"

namespace {

// A point of the window's bare background, where no control lies.
QPoint bare_point(QWidget* client) {
  for (int y = client->height() - 2; y > 0; y -= 4)
    for (int x = 2; x < client->width(); x += 4)
      if (!client->childAt(QPoint(x, y))) return QPoint(x, y);
  return client->rect().center();
}

QWidget* mouse_target(QWidget* widget) {
  if (auto* area = qobject_cast<QAbstractScrollArea*>(widget)) return area->viewport();
  return widget;
}

// What Qt does before it delivers a person's button press: the first widget from
// the one under the mouse up to its window that takes the focus by clicking gets it,
// so its got-focus (and the old widget's lost-focus) come before the click.
void give_click_focus(QWidget* widget) {
  for (QWidget* w = widget; w; w = w->parentWidget()) {
    if (w->isEnabled() && (w->focusPolicy() & Qt::ClickFocus) == Qt::ClickFocus) {
      w->setFocus(Qt::MouseFocusReason);
      return;
    }
    if (w->isWindow()) return;
  }
}

void send_mouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button, QPoint at) {
  if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)
    give_click_focus(widget);
  const Qt::MouseButtons held =
      type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick
          ? Qt::MouseButtons(button)
          : Qt::MouseButtons(Qt::NoButton);
  QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

void send_key(QWidget* widget, int key, const QString& text,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QApplication::sendEvent(widget, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
  QApplication::sendEvent(widget, &release);
}

struct KeyName {
  const char* name;
  int key;
  const char* text;
  Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};
const KeyName kKeys[] = {
    {"Enter", Qt::Key_Return, "\r"},
    {"Tab", Qt::Key_Tab, ""},
    {"Escape", Qt::Key_Escape, "\x1b"},
    {"Left", Qt::Key_Left, ""},
    {"Right", Qt::Key_Right, ""},
    {"Up", Qt::Key_Up, ""},
    {"Down", Qt::Key_Down, ""},
    {"Backspace", Qt::Key_Backspace, "\b"},
    {"Delete", Qt::Key_Delete, ""},
    {"Home", Qt::Key_Home, ""},
    {"End", Qt::Key_End, ""},
    {"PageUp", Qt::Key_PageUp, ""},
    {"PageDown", Qt::Key_PageDown, ""},
    {"Space", Qt::Key_Space, " "},
    {"F1", Qt::Key_F1, ""},
    {"Menu", Qt::Key_Menu, ""},
    {"Shift+F10", Qt::Key_F10, "", Qt::ShiftModifier},
    {"Shift+Tab", Qt::Key_Backtab, "", Qt::ShiftModifier},
};

}  // namespace

Runner::Runner() = default;
Runner::~Runner() { end_program(); }

QString Runner::path(const QString& name) const { return folder_->filePath(name); }

QString Runner::run(const QString& file) {
  command_file_ = file;
  std::vector<Command> commands;
  QString error;
  if (!read_script(file, commands, error)) return error;
  folder_ = std::make_unique<QTemporaryDir>();
  QDir::setCurrent(folder_->path());
  platform_ = std::make_unique<ScriptedPlatform>();
  windows_ = std::make_unique<WindowSet>();
  platform_->on_show = [this](Form& form) {
    FormWindow& window = windows_->open(form);
    window.sync();
    QApplication::setActiveWindow(&window);
  };
  platform_->on_show_modal = [this](Form& form) {
    FormWindow& window = windows_->open(form);
    window.closes_on_escape = true;
    window.sync();
    QApplication::setActiveWindow(&window);
  };
  windows_->on_help = [this] { platform_->show_help(); };
  for (const Command& command : commands) {
    QString result;
    try {
      result = execute(command);
    } catch (const std::exception& e) {
      result = QString("the program failed: %1").arg(e.what());
    }
    if (result.isEmpty() && !platform_->fault.isEmpty()) result = platform_->fault;
    if (!result.isEmpty()) {
      end_program();
      return QString("%1: %2").arg(command.line).arg(result);
    }
  }
  end_program();
  return {};
}

void Runner::end_program() {
  if (windows_) windows_->close_all();
  program_.reset();
  running_ = false;
  QDir::setCurrent(QDir::tempPath());
}

void Runner::after_action() {
  if (windows_) windows_->sync_all();
  // As on a desktop, the window on top takes the keyboard when the active one goes away.
  if (windows_ && (!QApplication::activeWindow() || !QApplication::activeWindow()->isVisible()))
    if (FormWindow* top = windows_->topmost_visible()) QApplication::setActiveWindow(top);
  if (platform_->quit_called) {
    windows_->close_all();
    program_.reset();
    running_ = false;
  }
}

QString Runner::execute(const Command& command) {
  const std::vector<Word>& w = command.words;
  const QString verb = w[0].text;
  if (verb == "expect") return expect(w, command);
  if (verb == "dump") {
    if (w.size() != 2) return "dump takes one reference";
    Target target;
    if (QString error = find(w[1].text, target); !error.isEmpty()) return error;
    const bool window = !target.widget && !target.action;
    QWidget* shown = window ? target.window : target.widget;
    for (const QString& line : all_properties(shown, target.action, window))
      printf("%s.%s\n", qPrintable(w[1].text), qPrintable(line));
    fflush(stdout);
    return {};
  }
  QString result = act(verb, w, command);
  if (result.isEmpty()) after_action();
  return result;
}

QString Runner::act(const QString& verb, const std::vector<Word>& w, const Command& command) {
  const auto arg = [&](size_t i) { return i < w.size() ? w[i].text : QString(); };
  if (verb == "today") {
    const QDate date = QDate::fromString(arg(1), "yyyy-MM-dd");
    const QTime time = w.size() > 2 ? QTime::fromString(arg(2), "HH:mm:ss") : QTime(9, 0, 0);
    if (!date.isValid() || !time.isValid()) return "today takes YYYY-MM-DD [HH:MM:SS]";
    platform_->clock = QDateTime(date, time);
    return {};
  }
  if (verb == "screen") {
    platform_->screen_w = arg(1).toInt();
    platform_->screen_h = arg(2).toInt();
    return {};
  }
  if (verb == "file") {
    QByteArray bytes;
    for (const QString& line : command.block) bytes += to_cp932(line) + "\r\n";
    QFile out(path(arg(1)));
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
      return "cannot write " + arg(1);
    return {};
  }
  if (verb == "bytes") {
    QString hex;
    for (size_t i = 2; i < w.size(); ++i) hex += w[i].text;
    const auto bytes = from_hex(hex);
    QFile out(path(arg(1)));
    if (!bytes || !out.open(QIODevice::WriteOnly)) return "bytes takes NAME HEX";
    out.write(*bytes);
    return {};
  }
  if (verb == "remove") {
    QFile::remove(path(arg(1)));
    return {};
  }
  if (verb == "other-instance") {
    platform_->other_instance = true;
    return {};
  }
  if (verb == "start") {
    if (running_) return "start while the program is running";
    platform_->new_run();
    running_ = true;
    program_ = module1_main(*platform_);
    if (!program_) running_ = false;
    return {};
  }
  if (verb == "stop") {
    windows_->close_all();
    program_.reset();
    platform_->clear_timers();
    running_ = false;
    return {};
  }
  if (verb == "advance") {
    platform_->advance(arg(1).toLongLong());
    return {};
  }
  // Our own: answer untick [cancel | K ... [option]]; "option" ticks the box below the list.
  if (verb == "answer" && arg(1) == "untick") {
    if (arg(2) == "cancel") {
      platform_->untick_answers.push_back(std::nullopt);
      return {};
    }
    ScriptedPlatform::TickAnswer answer;
    for (size_t i = 2; i < w.size(); ++i) {
      if (w[i].text == "option")
        answer.option = true;
      else
        answer.untick << w[i].text.toInt();
    }
    platform_->untick_answers.push_back(answer);
    return {};
  }
  if (verb == "answer" && w.size() == 3 && w[1].text == "trust" && !w[1].quoted) {
    if (arg(2) != "yes" && arg(2) != "no") return "answer trust takes yes or no";
    platform_->trust_answers.push_back(arg(2) == "yes");
    return {};
  }
  if (verb == "keyring") {
    if (w.size() == 2 && arg(1) == "none" && !w[1].quoted) {
      platform_->keyring_answers = false;
      return {};
    }
    if (w.size() != 3 || !w[2].quoted) return "keyring takes KEY \"TEXT\" or none";
    platform_->keyring_answers = true;
    platform_->keyring[arg(1)] = arg(2);
    return {};
  }
  if (verb == "answer" && w.size() == 3 && w[1].text == "file" && !w[1].quoted && w[2].quoted) {
    platform_->answers.files.push_back(w[2].text);
    return {};
  }
  if (verb == "answer") {
    if (w.size() != 2) return "answer takes ok, cancel, yes, no or a string";
    if (!w[1].quoted && !QStringList{"ok", "cancel", "yes", "no"}.contains(w[1].text))
      return "answer takes ok, cancel, yes, no or a string";
    platform_->answers.push_back(w[1].quoted ? ScriptedAnswer::text(w[1].text)
                                             : ScriptedAnswer(w[1].text));
    return {};
  }

  if (verb == "monkey" || verb == "dblclick") return monkey_command(*this, w);
  // The rest act on a control or window of the running program.
  if (!running_) return verb + " while the program is not running";
  Target target;
  if (QString error = find(arg(1), target); !error.isEmpty()) return error;
  if (verb == "screenshot") {  // our own: screenshot WINDOW FILE.png, for looking at a window
    if (target.widget || target.action || w.size() != 3) return "screenshot takes WINDOW FILE";
    if (!target.window->grab().save(
            QDir(QFileInfo(command_file_).absolutePath()).absoluteFilePath(arg(2))))
      return "cannot save " + arg(2);
    return {};
  }
  if (verb == "close") {
    if (target.widget || target.action) return "close takes a window";
    if (!target.window->isVisible()) return "window " + arg(1) + " is not open";
    target.window->close();
    return {};
  }
  if (QString error = check_usable(target, arg(1)); !error.isEmpty()) return error;
  QWidget* widget = target.widget;
  if (verb == "click" || verb == "rclick" || verb == "dclick") {
    const Qt::MouseButton button = verb == "rclick" ? Qt::RightButton : Qt::LeftButton;
    if (target.action) {
      if (verb != "click") return {};
      // A menu title opens its menu (a submenu's title, within its menu); choosing
      // an item closes the menu it lies in.
      if (QMenu* own = target.action->menu()) {
        for (QObject* owner : target.action->associatedObjects())
          if (auto* menu = qobject_cast<QMenu*>(owner); menu && menu != own) {
            menu->setActiveAction(target.action);
            return {};
          }
        target.window->menuBar()->setActiveAction(target.action);
        return {};
      }
      for (QObject* owner : target.action->associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(owner); menu && menu->isVisible()) menu->hide();
      target.action->trigger();
      return {};
    }
    QWidget* at = mouse_target(widget ? widget : target.window->client());
    QPoint point = widget ? at->rect().center() : bare_point(at);
    if (target.list_line >= 0) {
      auto* list = qobject_cast<QListWidget*>(widget);
      list->scrollToItem(list->item(target.list_line));
      point = list->visualItemRect(list->item(target.list_line)).center();
    }
    send_mouse(at, QEvent::MouseButtonPress, button, point);
    send_mouse(at, QEvent::MouseButtonRelease, button, point);
    if (verb == "dclick") {  // our own: the second press arrives as a double-click
      send_mouse(at, QEvent::MouseButtonDblClick, button, point);
      send_mouse(at, QEvent::MouseButtonRelease, button, point);
    }
    return {};
  }
  if (verb == "point") {
    QWidget* at = mouse_target(widget ? widget : target.window->client());
    const QPoint point = widget ? at->rect().center() : bare_point(at);
    QMouseEvent move(QEvent::MouseMove, point, at->mapToGlobal(point), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(at, &move);
    return {};
  }
  if (!widget) return verb + " takes a control";
  if (verb == "focus" || verb == "type" || verb == "key") {
    QApplication::setActiveWindow(target.window);
    widget->setFocus(Qt::OtherFocusReason);
    if (verb == "focus") return {};
    if (verb == "key") {
      for (const KeyName& key : kKeys)
        if (arg(2) == key.name) {
          send_key(widget, key.key, QString::fromLatin1(key.text), key.modifiers);
          return {};
        }
      return "unknown key " + arg(2);
    }
    const QString text = arg(2);
    for (qsizetype i = 0; i < text.size(); ++i) {
      if (text[i] == '\r' || text[i] == '\n') {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        send_key(QApplication::focusWidget() ? QApplication::focusWidget() : widget, Qt::Key_Return,
                 "\r");
        after_action();
        continue;
      }
      QString ch(text[i]);
      if (text[i].isHighSurrogate() && i + 1 < text.size()) ch += text[++i];
      const int key = ch.size() == 1 && ch[0].unicode() < 128 ? QKeySequence(ch.toUpper())[0].key()
                                                              : Qt::Key_unknown;
      send_key(QApplication::focusWidget() ? QApplication::focusWidget() : widget, key, ch);
      after_action();
    }
    return {};
  }
  if (verb == "clear") {
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
      edit->selectAll();
      edit->del();
    } else if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) {
      edit->selectAll();
      edit->textCursor().removeSelectedText();
    } else {
      return "clear takes a text box";
    }
    return {};
  }
  if (verb == "select") {
    const int k = arg(2).toInt();
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
      if (k < 0 || k >= combo->count())
        return fail(QString("item %1").arg(k), QString("%1 items").arg(combo->count()));
      combo->setCurrentIndex(k);
      Q_EMIT combo->activated(k);
      return {};
    }
    if (auto* list = qobject_cast<QListWidget*>(widget)) {
      if (k < 0 || k >= list->count())
        return fail(QString("line %1").arg(k), QString("%1 lines").arg(list->count()));
      list->setCurrentRow(k);
      if (Control* control = target.window->form().find_ref(widget->objectName()))
        control->selected = k;
      return {};
    }
    return "select takes a list or combo box";
  }
  if (verb == "scroll") {
    auto* bar = qobject_cast<QScrollBar*>(widget);
    if (!bar) return "scroll takes a scroll bar";
    bar->setValue(arg(2).toInt());
    return {};
  }
  return "unknown command " + verb;
}

QString Runner::find(const QString& ref, Target& target) {
  if (!windows_) return "no program";
  const qsizetype dot = ref.indexOf('.');
  const QString window_name = dot < 0 ? ref : ref.left(dot);
  target.window = windows_->find(window_name);
  if (!target.window) return "window " + window_name + " is not open";
  if (dot < 0) return {};
  const QString control = ref.mid(dot + 1);
  target.widget = target.window->widget(control);
  target.action = target.window->action(control);
  if (target.widget || target.action) return {};
  // LIST(K): line K of a list box that is not a control array.
  const qsizetype open = control.indexOf('(');
  if (open > 0 && control.endsWith(')')) {
    auto* list = qobject_cast<QListWidget*>(target.window->widget(control.left(open)));
    bool ok = false;
    const int line = control.mid(open + 1, control.size() - open - 2).toInt(&ok);
    if (list && ok) {
      if (line < 0 || line >= list->count())
        return fail(QString("line %1 in %2").arg(line).arg(control.left(open)),
                    QString("%1 lines").arg(list->count()));
      target.widget = list;
      target.list_line = line;
      return {};
    }
  }
  return "no control " + ref;
}

QString Runner::check_usable(const Target& target, const QString& ref) {
  if (!target.window->isVisible()) return "window of " + ref + " is not open";
  if (target.action) {
    if (!target.action->isEnabled() || !target.action->isVisible())
      return ref + " is disabled or not visible";
    return {};
  }
  if (target.widget && (!target.widget->isVisible() || !target.widget->isEnabled()))
    return ref + " is disabled or not visible";
  return {};
}

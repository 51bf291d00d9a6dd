#pragma once
// The platform for tests: a clock that moves only when told, message and input
// boxes answered from a queue and recorded, timers fired by advance().
#include <QStringList>
#include <deque>
#include <functional>
#include <map>
#include <vector>

#include "core/page.h"
#include "core/platform.h"

struct ShownMessage {
  bool input = false;  // an input box rather than a message box
  QString text;        // message text, or the input box's prompt
  QString title;       // as shown: the application's title when none was given
  MsgIcon icon = MsgIcon::None;
  MsgButtons buttons = MsgButtons::Ok;
  QString default_text;
  bool checked = false;
  bool chooser = false;  // a file chooser: text is its file type
};

// A queued answer: a button of a message box ("ok", "cancel", "yes", "no") or
// the text typed into an input box. Plain strings read those four words as
// buttons; text() makes any string a typed answer.
struct ScriptedAnswer {
  QString value;
  bool button = false;
  ScriptedAnswer(const char* value) : ScriptedAnswer(QString::fromUtf8(value)) {}
  ScriptedAnswer(const QString& value)
      : value(value), button(QStringList{"ok", "cancel", "yes", "no"}.contains(value)) {}
  static ScriptedAnswer text(const QString& value) {
    ScriptedAnswer answer(value);
    answer.button = false;
    return answer;
  }
};

// The queued answers, kept as a person gives them: buttons for the next message
// boxes and texts for the next input boxes, in two queues. A text waits for its
// input box while an OK-only message box shown in between is answered OK.
struct AnswerQueues {
  std::deque<QString> buttons;  // "ok", "cancel", "yes", "no"
  std::deque<QString> texts;    // typed answers; "" is Cancel
  std::deque<QString> files;  // file chooser answers, relative to the working folder; "" is Cancel
  void push_back(const ScriptedAnswer& answer) {
    (answer.button ? buttons : texts).push_back(answer.value);
  }
  AnswerQueues& operator=(std::initializer_list<ScriptedAnswer> answers) {
    clear();
    for (const ScriptedAnswer& answer : answers) push_back(answer);
    return *this;
  }
  bool empty() const { return buttons.empty() && texts.empty() && files.empty(); }
  void clear() {
    buttons.clear();
    texts.clear();
    files.clear();
  }
};

// A certificate question as it was asked.
struct TrustQuestion {
  QString host;
  QString fingerprint;
  bool checked = false;
};

struct ShownNotice {
  QString title;
  QString body;  // the lines joined by CR LF
  bool checked = false;
};

class ScriptedPlatform : public Platform {
 public:
  ScriptedPlatform();

  QDateTime clock;
  int screen_w = 15360, screen_h = 11520;
  bool other_instance = false;
  int beeps = 0;
  int help_shown = 0;
  bool quit_called = false;
  AnswerQueues answers;
  std::vector<ShownMessage> shown;
  std::vector<ShownNotice> notices;
  // The first problem met while answering (a box with no queued answer).
  QString fault;
  // When set, answers a box that finds the queue empty (the monkey run answers at random).
  std::function<ScriptedAnswer(const ShownMessage&)> answer_unqueued;
  // Called when a form is to be shown; the runner creates its window here.
  // A tool window shown modally goes to on_show_modal when that is set.
  std::function<void(Form&)> on_show;
  std::function<void(Form&)> on_show_modal;

  // Forgets every timer, as when the program ends.
  void clear_timers() { timers_.clear(); }
  // A fresh start of the program: no timers, no beeps, the random sequence anew.
  void new_run() {
    timers_.clear();
    beeps = 0;
    quit_called = false;
    restart_random();
  }
  // Moves the clock forward, firing every timer that falls due, in time order.
  void advance(qint64 ms);

  QDateTime now() override { return clock; }
  MsgAnswer message(const QString& text, MsgButtons buttons, MsgIcon icon,
                    const QString& title) override;
  QString input_box(const QString& prompt, const QString& title,
                    const QString& default_text) override;
  QString choose_file(FileChooser kind, const QString& title, const QString& filter,
                      const QString& suggested_name) override;
  int start_timer(int interval_ms, std::function<void()> tick) override;
  void stop_timer(int id) override;
  void beep() override { ++beeps; }
  int screen_width() override { return screen_w; }
  int screen_height() override { return screen_h; }
  bool acquire_instance_lock() override { return !other_instance; }
  void show_modal(Form& form) override;
  void show_main(Form& form) override;
  void show_help() override { ++help_shown; }
  void quit() override { quit_called = true; }
  void notify(const QString& title, const QStringList& lines) override {
    notices.push_back({title, lines.join("\r\n")});
  }

  // The keyring: the texts it holds by key, or none answering at all.
  bool keyring_answers = true;
  std::map<QString, QString> keyring;
  void keyring_read(const QString& key, KeyringDone done) override;
  void keyring_write(const QString& key, const QString& text, KeyringDone done) override;
  void keyring_delete(const QString& key, KeyringDone done) override;
  // Answers for the next certificate questions; one asked with none queued is a fault.
  std::deque<bool> trust_answers;
  std::vector<TrustQuestion> trust_questions;
  bool trust_certificate(const QString& host, const QString& fingerprint) override;

  // The print previews shown, oldest first; a scenario marks those it checked.
  struct Printed {
    PaperDocument document;
    bool checked = false;
  };
  std::vector<Printed> printed;
  // Answers for the next lists with check boxes: the lines to untick and whether the
  // extra check box is ticked, or nullopt for Cancel. A list that finds none queued is
  // confirmed with every name ticked and the extra box not.
  struct TickAnswer {
    QList<int> untick;
    bool option = false;
  };
  std::deque<std::optional<TickAnswer>> untick_answers;
  void print_preview(const PaperDocument& document) override { printed.push_back({document}); }
  std::optional<TickedNames> choose_ticked(const QString&, const QString&, const QStringList& names,
                                           const QString&) override;

 private:
  struct Timer {
    int interval = 0;
    qint64 due = 0;  // ms since the scripted epoch
    std::function<void()> tick;
  };
  std::map<int, Timer> timers_;
  int next_timer_ = 1;
  qint64 elapsed_ = 0;
};

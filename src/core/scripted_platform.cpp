#include "core/scripted_platform.h"

#include "core/form.h"

ScriptedPlatform::ScriptedPlatform() : clock(QDate(2003, 5, 12), QTime(9, 0, 0)) {}

namespace {

QString button_word(MsgAnswer answer) {
  switch (answer) {
    case MsgAnswer::Ok:
      return "ok";
    case MsgAnswer::Cancel:
      return "cancel";
    case MsgAnswer::Yes:
      return "yes";
    case MsgAnswer::No:
      return "no";
  }
  return {};
}

QStringList button_words(MsgButtons buttons) {
  switch (buttons) {
    case MsgButtons::Ok:
      return {"ok"};
    case MsgButtons::OkCancel:
      return {"ok", "cancel"};
    case MsgButtons::YesNo:
      return {"yes", "no"};
  }
  return {};
}

}  // namespace

MsgAnswer ScriptedPlatform::message(const QString& text, MsgButtons buttons, MsgIcon icon,
                                    const QString& title) {
  shown.push_back({false, text, title.isEmpty() ? kAppTitle : title, icon, buttons, {}, false});
  if (answers.buttons.empty() && answer_unqueued) answers.push_back(answer_unqueued(shown.back()));
  // A box the scenario cannot answer is closed the way a person would have to close it.
  const MsgAnswer fallback = buttons == MsgButtons::YesNo ? MsgAnswer::No
                             : buttons == MsgButtons::Ok  ? MsgAnswer::Ok
                                                          : MsgAnswer::Cancel;
  if (answers.buttons.empty()) {
    if (buttons == MsgButtons::Ok) return MsgAnswer::Ok;
    if (fault.isEmpty())
      fault = answers.texts.empty()
                  ? QString("message box \"%1\" shown with no answer queued").arg(text)
                  : QString("message box \"%1\" shown while the text \"%2\" waits for an input box")
                        .arg(text, answers.texts.front());
    return fallback;
  }
  const QString answer = answers.buttons.front();
  answers.buttons.pop_front();
  for (MsgAnswer candidate : {MsgAnswer::Ok, MsgAnswer::Cancel, MsgAnswer::Yes, MsgAnswer::No})
    if (button_word(candidate) == answer && button_words(buttons).contains(answer))
      return candidate;
  if (fault.isEmpty())
    fault = QString("message box \"%1\" has no button %2 (it shows %3)")
                .arg(text, answer, button_words(buttons).join('/'));
  return fallback;
}

QString ScriptedPlatform::input_box(const QString& prompt, const QString& title,
                                    const QString& default_text) {
  shown.push_back({true, prompt, title.isEmpty() ? kAppTitle : title, MsgIcon::None,
                   MsgButtons::OkCancel, default_text, false});
  if (answers.texts.empty() && answer_unqueued) answers.push_back(answer_unqueued(shown.back()));
  if (answers.texts.empty()) {
    if (fault.isEmpty())
      fault = answers.buttons.empty()
                  ? QString("input box \"%1\" shown with no answer queued").arg(prompt)
                  : QString("input box \"%1\" shown while the button %2 waits for a message box")
                        .arg(prompt, answers.buttons.front());
    return {};
  }
  const QString answer = answers.texts.front();
  answers.texts.pop_front();
  return answer;
}

QString ScriptedPlatform::choose_file(FileChooser, const QString& title, const QString& filter,
                                      const QString&) {
  ShownMessage chooser{false, filter, title, MsgIcon::None, MsgButtons::OkCancel, {}, false};
  chooser.chooser = true;
  shown.push_back(chooser);
  if (answers.files.empty()) {
    // Nothing chosen: the monkey's chooser is cancelled, a scenario's is a fault.
    if (fault.isEmpty() && !answer_unqueued)
      fault = QString("file chooser \"%1\" shown with no answer queued").arg(title);
    return {};
  }
  const QString answer = answers.files.front();
  answers.files.pop_front();
  return answer;
}

int ScriptedPlatform::start_timer(int interval_ms, std::function<void()> tick) {
  const int id = next_timer_++;
  timers_[id] = {interval_ms, elapsed_ + interval_ms, std::move(tick)};
  return id;
}

void ScriptedPlatform::stop_timer(int id) { timers_.erase(id); }

void ScriptedPlatform::advance(qint64 ms) {
  const qint64 end = elapsed_ + ms;
  for (;;) {
    // The earliest timer due within the span; ties fire in the order they were started.
    int next_id = 0;
    qint64 next_due = end + 1;
    for (const auto& [id, timer] : timers_)
      if (timer.due < next_due) next_id = id, next_due = timer.due;
    if (next_id == 0) break;
    clock = clock.addMSecs(next_due - elapsed_);
    elapsed_ = next_due;
    Timer& timer = timers_[next_id];
    timer.due += std::max(1, timer.interval);
    auto tick = timer.tick;  // the tick may stop its own timer
    tick();
  }
  clock = clock.addMSecs(end - elapsed_);
  elapsed_ = end;
}

void ScriptedPlatform::show_modal(Form& form) {
  form.show();
  if (on_show_modal)
    on_show_modal(form);
  else if (on_show)
    on_show(form);
}

void ScriptedPlatform::show_main(Form& form) {
  form.show();
  if (on_show) on_show(form);
}

std::optional<TickedNames> ScriptedPlatform::choose_ticked(const QString&, const QString&,
                                                           const QStringList& names,
                                                           const QString&) {
  TickedNames chosen{QList<bool>(names.size(), true), false};
  if (untick_answers.empty()) return chosen;
  const std::optional<TickAnswer> answer = untick_answers.front();
  untick_answers.pop_front();
  if (!answer) return std::nullopt;
  for (int line : answer->untick)
    if (line >= 0 && line < chosen.ticks.size()) chosen.ticks[line] = false;
  chosen.option = answer->option;
  return chosen;
}

void ScriptedPlatform::keyring_read(const QString& key, KeyringDone done) {
  if (!keyring_answers) return done({KeyringStatus::NoKeyring, {}});
  const auto held = keyring.find(key);
  if (held == keyring.end()) return done({KeyringStatus::Missing, {}});
  done({KeyringStatus::Found, held->second});
}

void ScriptedPlatform::keyring_write(const QString& key, const QString& text, KeyringDone done) {
  if (!keyring_answers) return done({KeyringStatus::NoKeyring, {}});
  keyring[key] = text;
  done({KeyringStatus::Found, text});
}

void ScriptedPlatform::keyring_delete(const QString& key, KeyringDone done) {
  if (!keyring_answers) return done({KeyringStatus::NoKeyring, {}});
  keyring.erase(key);
  done({KeyringStatus::Missing, {}});
}

bool ScriptedPlatform::trust_certificate(const QString& host, const QString& fingerprint) {
  trust_questions.push_back({host, fingerprint});
  if (trust_answers.empty()) {
    if (fault.isEmpty() && !answer_unqueued)
      fault = QString("certificate question for %1 (%2) asked with no answer queued")
                  .arg(host, fingerprint);
    return false;
  }
  const bool trust = trust_answers.front();
  trust_answers.pop_front();
  return trust;
}

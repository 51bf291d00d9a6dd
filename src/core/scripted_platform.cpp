#include "core/scripted_platform.h"

#include "core/form.h"

ScriptedPlatform::ScriptedPlatform() : clock(QDate(2003, 5, 12), QTime(9, 0, 0)) {}

MsgAnswer ScriptedPlatform::message(const QString& text, MsgButtons buttons, MsgIcon icon,
                                    const QString& title) {
  shown.push_back({false, text, title.isEmpty() ? kAppTitle : title, icon, buttons, {}, false});
  if (answers.empty()) {
    if (buttons == MsgButtons::Ok) return MsgAnswer::Ok;
    if (fault.isEmpty())
      fault = QString("message box \"%1\" shown with no answer queued").arg(text);
    return buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Cancel;
  }
  const ScriptedAnswer answer = answers.front();
  answers.pop_front();
  if (!answer.button) {
    if (fault.isEmpty())
      fault = QString("message box \"%1\" answered with the text \"%2\"").arg(text, answer.value);
    return MsgAnswer::Ok;
  }
  if (answer.value == "yes") return MsgAnswer::Yes;
  if (answer.value == "no") return MsgAnswer::No;
  if (answer.value == "cancel") return MsgAnswer::Cancel;
  return MsgAnswer::Ok;
}

QString ScriptedPlatform::input_box(const QString& prompt, const QString& title,
                                    const QString& default_text) {
  shown.push_back({true, prompt, title.isEmpty() ? kAppTitle : title, MsgIcon::None,
                   MsgButtons::OkCancel, default_text, false});
  if (answers.empty()) {
    if (fault.isEmpty())
      fault = QString("input box \"%1\" shown with no answer queued").arg(prompt);
    return {};
  }
  const ScriptedAnswer answer = answers.front();
  answers.pop_front();
  if (!answer.button) return answer.value;
  // OK takes the text as it stands; Cancel answers empty.
  if (answer.value == "ok") return default_text;
  if (answer.value != "cancel" && fault.isEmpty())
    fault = QString("input box \"%1\" answered with %2").arg(prompt, answer.value);
  return {};
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

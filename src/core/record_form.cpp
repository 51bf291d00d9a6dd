#include "core/record_form.h"

#include <algorithm>

#include "core/platform.h"
#include "core/save.h"
#include "core/text_file.h"

int turn_page(PageStep step, int current, int count) {
  if (count <= 0) return 0;
  switch (step) {
    case PageStep::First:
      return 1;
    case PageStep::Back:
      return page_at(current - 1, count);
    case PageStep::Forward:
      return page_at(current + 1, count);
    case PageStep::Last:
      return count;
  }
  return page_at(current, count);
}

int page_at(int number, int count) { return count <= 0 ? 0 : std::clamp(number, 1, count); }

bool save_if_changed(Platform& platform, bool& dirty, const QString& file_name,
                     const std::function<bool()>& write) {
  if (!dirty) return true;
  if (!write()) {
    tell_write_failure(platform, file_name);
    return false;
  }
  dirty = false;
  platform.file_saved(file_name);
  return true;
}

bool close_or_ask(Platform& platform, bool saved, const QString& question) {
  return saved ||
         platform.message(question, MsgButtons::YesNo, MsgIcon::Question) == MsgAnswer::Yes;
}

CleanedText clean_for_file(QString& text, FieldFormat format) {
  text.remove('\r');
  text.remove('\n');
  CleanedText cleaned;
  cleaned.quote = format == FieldFormat::Quoted && text.contains('"');
  if (cleaned.quote) text.remove('"');
  cleaned.refused = take_out_unsaveable(text);
  return cleaned;
}

QString refusal_message(const QString& refused, const QString& window) {
  return "「" + refused + "」は" + window + "に保存できない文字のため、入力できません。";
}

// Button presses and clicks on the day cells of the month grid.
#include "toribe/toribe.h"

void Toribe::Label1_MouseDown(int index, int button, [[maybe_unused]] int shift) {
  if (cell_date_key(index).isEmpty() || set_mode == Mode::AnniversaryDeletion) return;
  day_setting_press(index, button);
  day_count_press(index);
}

void Toribe::Label1_Click(int index) {
  const QString key = cell_date_key(index);
  if (key.isEmpty()) return;
  if (set_mode == Mode::MemoEntry) {
    memo_date = key;
    c("Text1").text = "入力日は" + memo_date + "です。";
    set_focus("Text2");
    return;
  }
  // The other modes own the lower half of the window (the list, or the plain
  // short window); a day's memos must not cover it.
  if (set_mode != Mode::None) return;
  show_day_memos(index);
}

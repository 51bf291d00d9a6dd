// What pointing at the grid shows, and the memo pane a click on a day opens.
#include "calendar/holiday_law.h"
#include "core/dates.h"
#include "core/platform.h"
#include "settings/settings.h"
#include "toribe/toribe.h"

namespace {

constexpr int kNoMemoToday = 1000;  // today_memo entry 0 when today has no memos

}  // namespace

void Toribe::show_memo_pane(const QString& date_text, const QList<int>& slots) {
  QString text = date_text + "のメモです。\r\n";
  int n = 0;
  for (int slot : slots) {
    if (slot <= 0 || slot >= memo_txt.size()) break;
    text += QString("【%1件目】\r\n").arg(++n) + memo_txt[slot].mid(10);
  }
  c("Text2").text = text;
  c("Text2").visible = true;
  height = kTallHeight;
}

void Toribe::hide_memo_pane() {
  c("Text2").visible = false;
  height = kNormalHeight;
}

bool Toribe::today_has_memos() const {
  return today_memo.value(0) != kNoMemoToday && today_memo.value(0) > 0;
}

QString Toribe::today_key() {
  const QDate today = platform().today();
  return date_key(today.year(), today.month(), today.day());
}

void Toribe::Label1_MouseMove(int index) {
  if (set_mode != Mode::None) return;
  if (index == last_cell || count1_mode || count2_step != Count2Step::Off) {
    last_cell = qint16(index);
    return;
  }
  Control& cell = c("Label1", index);
  cell.tooltip.clear();
  c("Text1").text.clear();
  c("Text3").text.clear();
  c("Image1").visible = false;
  day_has_memo = false;

  const QString key = cell_date_key(index);
  if (!key.isEmpty() && key == today_key() && today_has_memos()) {
    show_memo_pane(key, today_memo);
    last_cell = qint16(index);
    return;
  }
  hide_memo_pane();
  const bool law = law_option(m);
  // Today's law names holidays up to 2099; everything else stops at 2050 as before.
  const bool day_years = cur_year >= 1900 && cur_year <= 2050;
  const bool law_years = law && cur_year >= kFirstLawYear && cur_year <= kLastLawYear;
  if ((!day_years && !law_years) || set_mode == Mode::HolidaySetting) return;
  last_cell = qint16(index);
  if (key.isEmpty()) return;  // a cell without a day number names nothing

  QString holiday_name, comment;
  bool named = false;
  if (law) {
    holiday_name = law_holiday_name(QDate(cur_year, cur_month, index - first_col + 1));
    named = !holiday_name.isEmpty();
    if (named) cell.tooltip = holiday_name.left(100);
  } else {
    point_syuku(index, key, holiday_name, named);
  }
  if (!day_years) {
    if (named) c("Text1").text = holiday_name + "\r\n";
    return;
  }
  const QString month_day = key.mid(5, 2) + key.mid(8, 2);
  for (int slot = 0; slot < used_end(kinen_dat); ++slot) {
    if (kinen_dat[slot].left(4) != month_day) continue;
    cell.tooltip = kinen_dat[slot].mid(4, 100);
    comment = kinen_dat[slot].mid(4);
    named = true;
  }
  for (int slot = 0; slot < used_end(gyouji_dat); ++slot)
    if (gyouji_dat[slot].left(4) == month_day) c("Text3").text = gyouji_dat[slot].mid(4);
  for (int slot = 1; slot <= memo_cnt && slot < memo_txt.size(); ++slot)
    if (memo_txt[slot].left(10) == key) {
      c("Image1").visible = true;
      day_has_memo = true;
    }
  if (named) c("Text1").text = holiday_name + "\r\n" + comment;
}

void Toribe::point_syuku(int index, const QString& key, QString& holiday_name, bool& named) {
  const QString name = syuku_name(index, key);
  if (name.isEmpty()) return;
  c("Label1", index).tooltip = name.left(100);
  holiday_name = name;
  named = true;
}

// The last slot of the table that names the day.
QString Toribe::syuku_name(int index, const QString& key) const {
  const QString month_day = key.mid(5, 2) + key.mid(8, 2);
  // From 2000 成人の日 and 体育の日 sit on the second Monday, wherever its date falls.
  const int second_monday_cell = first_col <= 1 ? 8 : 15;
  QString name;
  for (int slot = 0; slot < used_end(syuku_dat); ++slot) {
    const QString& entry = syuku_dat[slot];
    bool match = entry.left(4) == month_day;
    if (cur_year >= 2000 && (slot == kSeijinSlot || slot == kTaiikuSlot)) {
      const int month = slot == kSeijinSlot ? 1 : 10;
      match = cur_month == month && index == second_monday_cell;
    }
    if (match) name = entry.mid(4);
  }
  return name;
}

void Toribe::Image2_MouseMove() {
  if (!today_has_memos() || set_mode != Mode::None || !c("Image2").visible) return;
  show_memo_pane(today_key(), today_memo);
}

void Toribe::Label2_MouseMove([[maybe_unused]] int index) {
  if (count1_mode || count2_step == Count2Step::FirstDate || memo_mode()) return;
  c("Text1").text.clear();
  c("Text3").text.clear();
  c("Image1").visible = false;
  last_cell = qint16(last_cell + 1);
  day_has_memo = false;
  hide_memo_pane();
}

void Toribe::show_day_memos(int index) {
  const QString key = cell_date_key(index);
  if (!day_has_memo) {
    hide_memo_pane();
    return;
  }
  QList<int> slots;
  for (int slot = 1; slot <= memo_cnt && slot < memo_txt.size(); ++slot)
    if (memo_txt[slot].left(10) == key) slots << slot;
  show_memo_pane(key, slots);
}

// Editing the user's holidays and anniversaries on the month grid: the two
// setting modes, where day presses add and remove entries, and the anniversary
// deletion mode, which works on a list. Each mode takes over the navigation
// buttons until its own finishing button gives them back.
#include <algorithm>
#include <initializer_list>
#include <utility>

#include "core/platform.h"
#include "core/sort_order.h"
#include "toribe/toribe.h"

namespace {

constexpr int kButtonHeight = 300;

QString four_digits(int year) { return QStringLiteral("%1").arg(year, 4, 10, QChar('0')); }

// Relabelled buttons grow taller; the listed others are disabled.
void take_buttons(Toribe& form, std::initializer_list<std::pair<int, QString>> relabelled,
                  std::initializer_list<int> disabled) {
  for (const auto& [index, caption] : relabelled) {
    Control& button = form.c("Command13", index);
    button.height = kButtonHeight + 300;
    button.text = caption;
  }
  for (int index : disabled) form.c("Command13", index).enabled = false;
  form.c("Text3").visible = false;
}

void retitle(Toribe& form, const QString& title) {
  form.cap_back = form.cap_str;
  form.cap_str = title;
  form.set_caption();
}

void enter_setting_mode(Toribe& form, const QString& title) {
  take_buttons(form, {{2, "-"}, {3, "+"}, {5, "終"}}, {0, 1, 4});
  retitle(form, title);
  form.disp_calen();
}

// Back to the normal window: buttons, height, list and title as before the mode.
void leave_mode(Toribe& form) {
  form.set_butan();
  form.height = Toribe::kNormalHeight;
  Control& list = form.c("List2");
  list.visible = false;
  list.items.clear();
  list.selected = -1;
  form.c("Text2").visible = false;
  form.cap_str = form.cap_back;
  form.set_caption();
}

// Steps within the displayed year: January back to December of the same year.
void step_month(Toribe& form, int step) {
  form.cur_month = qint16((form.cur_month - 1 + step + 12) % 12 + 1);
  form.disp_calen();
}

// The year's slot among the year slots: the slot holding it, else the first
// empty one; -1 when all hold other years. Looking at every slot first keeps a
// year from being registered twice when a gap stands before it.
int year_slot(HoliTable& holi_dat, int year_slots, const QString& year) {
  for (int i = 0; i < year_slots; ++i)
    if (holi_dat[i] == year) return i;
  for (int i = 0; i < year_slots; ++i)
    if (holi_dat[i].isEmpty()) return i;
  return -1;
}

// Brings back the most recent deletion, if any, and keeps the list sorted.
void undo_deletion(Toribe& form) {
  auto last = std::find_if(form.del_back.rbegin(), form.del_back.rend(),
                           [](const QString& text) { return !text.isEmpty(); });
  if (last == form.del_back.rend()) return;
  Control& list = form.c("List2");
  list.items.append(*last);
  last->clear();
  list_sort(list.items);
  list.selected = -1;
}

}  // namespace

void Toribe::mnu_yasumi_Click() {
  if (modes_refused()) return;
  const int years = std::clamp<int>(holi_years, 1, kHoliYears);
  const QString year = four_digits(cur_year);
  const int slot = year_slot(holi_dat, years, year);
  if (slot < 0) {
    platform().message(QString("新規年号の登録は、%1年までです。").arg(years));
    set_butan();
    return;
  }
  holi_dat[slot] = year;
  set_mode = Mode::HolidaySetting;
  enter_setting_mode(*this, "ユーザー休日の設定");
}

void Toribe::mnuusr_menol_Click() {
  if (modes_refused()) return;
  set_mode = Mode::AnniversarySetting;
  enter_setting_mode(*this, "ユーザー記念日の設定 ");
}

void Toribe::del_ukinen_Click() {
  if (modes_refused()) return;
  set_mode = Mode::AnniversaryDeletion;
  retitle(*this, "ユーザー記念日の削除");
  Control& list = c("List2");
  list.items.clear();
  for (int i = 0; i < used_end(kinen_dat); ++i) list.items.append(kinen_dat[i]);
  list.selected = -1;
  list.visible = true;
  c("Text2").visible = false;  // the list takes the memo pane's place
  height = kTallHeight;
  del_back.fill(QString());
  take_buttons(*this, {{3, "戻す"}, {4, "中止"}, {5, "終了"}}, {0, 1, 2});
}

void Toribe::holiday_Command13(int index) {
  if (set_mode == Mode::HolidaySetting || set_mode == Mode::AnniversarySetting) {
    if (index == 2) step_month(*this, -1);
    if (index == 3) step_month(*this, +1);
    if (index != 5) return;
    // A failed write is told by the save; the table stays in memory for the next one.
    if (set_mode == Mode::HolidaySetting)
      save_holi();
    else
      save_kinen();
    leave_mode(*this);
    disp_calen();
    return;
  }
  if (set_mode != Mode::AnniversaryDeletion) return;
  if (index == 3) {
    undo_deletion(*this);
  } else if (index == 4) {
    leave_mode(*this);
  } else if (index == 5) {
    const QStringList kept = c("List2").items;
    kinen_dat.fill(QString());
    for (int i = 0; i < kept.size() && i < int(kinen_dat.size()); ++i) kinen_dat[i] = kept[i];
    save_kinen();
    leave_mode(*this);
    disp_calen();
    c("Text1").text.clear();
  }
}

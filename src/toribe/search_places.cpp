// The search window opened from the main window, the places of its results, and
// the reminder of the days ahead.
#include "core/platform.h"
#include "search/days_ahead.h"
#include "settings/settings.h"
#include "toribe/toribe.h"

void Toribe::mnu_kensaku_Click() { open_tool("Kensaku", nullptr); }

void Toribe::show_found(const SearchRecord& record) {
  const QDate& date = record.date;
  switch (record.source) {
    case Source::Memo:
    case Source::Anniversary:
    case Source::Holiday:
      // The user-holiday setting mode edits the one year it registered.
      if (!date.isValid() || (set_mode == Mode::HolidaySetting && date.year() != cur_year)) return;
      cur_year = qint16(date.year());
      cur_month = qint16(date.month());
      disp_calen();
      last_cell = -1;
      Label1_MouseMove(first_col + date.day() - 1);
      // A memo shows its day's memos, as a click on the day does.
      if (record.source == Source::Memo && set_mode == Mode::None && day_has_memo)
        show_day_memos(first_col + date.day() - 1);
      return;
    case Source::Ledger:
      m.open_at = {"Kozukai", -1, date, 0};
      menu_click("mnu_kozu");
      break;
    case Source::Card:
      m.open_at = {"Meishi", record.record, {}, 0};
      menu_click("mnu_meisi");
      break;
    case Source::Address:
      m.open_at = {"jyusho", record.record, {}, 0};
      menu_click("men_jyu");
      break;
    case Source::Gift:
      m.open_at = {"Zouto", record.record, date, record.view};
      menu_click("mnu_zouto");
      break;
  }
  m.open_at = {};  // a window that did not open leaves nothing for a later one
}

void Toribe::tell_days_ahead() {
  const QDate today = platform().today();
  notice_date = today;
  if (!notice_option(m)) return;
  DaysAheadTables tables{syuku_dat, holi_dat, kinen_dat, {}, law_option(m)};
  for (int slot = 1; slot <= memo_cnt && slot < memo_txt.size(); ++slot)
    tables.memos << memo_txt[slot];
  const QStringList lines = days_ahead_lines(today, std::move(tables));
  if (!lines.isEmpty()) platform().notify(kNoticeTitle, lines);
}

void Toribe::mnu_notice_Click() {
  Control& item = c("mnu_notice");
  item.checked = !item.checked;
  set_notice_option(m, item.checked);
  save_dat();
}

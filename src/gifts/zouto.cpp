#include "gifts/zouto.h"

#include "calendar/month_layout.h"
#include "core/platform.h"
#include "gifts/zouto_record.h"

namespace {

QStringList texts(const std::vector<GiftLine>& lines) {
  QStringList result;
  result.reserve(qsizetype(lines.size()));
  for (const GiftLine& line : lines) result.append(line.text);
  return result;
}

}  // namespace

void Zouto::Form_Load() {
  width = 8550;
  mode = RecordMode::Browse;
  view = GiftList::Given;
  changed = false;
  given.clear();
  received.clear();
  read_dat();
  browse_buttons();
  colour_view_buttons();
  c("Text1").text = "「贈る」を表示中";
  c("List1").items = texts(given);
  c("List1").selected = -1;
  const QDate today = platform().today();
  z_year = qint16(today.year());
  z_month = qint16(today.month());
  disp_calen();
  date_text = gift_date_text(today.year(), today.month(), today.day());
  c("Label7").text = date_text;
  if (const std::optional<OpenAt> at = m_.take_open_at(name())) {
    if (at->date.isValid()) {
      z_year = qint16(gift_year_in_range(at->date.year(), today));
      z_month = qint16(at->date.month());
      disp_calen();
    }
    Command2_Click(at->view);
    if (at->record >= 0 && at->record < c("List1").items.size()) c("List1").selected = at->record;
  }
  centre(4);
}

void Zouto::read_dat() {
  ZoutouData data = read_zoutou(kZoutouFile);
  given = std::move(data.given);
  received = std::move(data.received);
}

bool Zouto::save_dat() {
  return save_if_changed(platform(), changed, kZoutouFile, [this] {
    return write_zoutou(kZoutouFile, {given, received});
  });
}

void Zouto::disp_calen() {
  for (int k = 0; k < kMonthCells; ++k) {
    c("Label1", k).text.clear();
    c("Label1", k).back = kLightYellow;
  }
  const QDate today = platform().today();
  z_year = qint16(gift_year_in_range(z_year, today));
  z_first_col = qint16(month_first_col(z_year, z_month));
  c("Label5").text = QString("%1年%2月").arg(z_year).arg(z_month, 2);
  const auto days = month_cell_texts(z_year, z_month);
  for (int k = 0; k < kMonthCells; ++k) c("Label1", k).text = days[k];
  if (today.year() == z_year && today.month() == z_month)
    c("Label1", z_first_col + today.day() - 1).back = kCyan;
}

void Zouto::Command3_MouseDown(int index) {
  if (index == 0) {
    if (--z_month < 1) {
      z_month = 12;
      --z_year;
    }
    disp_calen();
  } else if (index == 1) {
    if (++z_month > 12) {
      z_month = 1;
      ++z_year;
    }
    disp_calen();
  } else if (index == 2) {
    const QDate today = platform().today();
    z_year = qint16(today.year());
    z_month = qint16(today.month());
    date_text = gift_date_text(today.year(), today.month(), today.day());
    c("Label7").text = date_text;
    disp_calen();
    // A clock outside the calendar's years shows a month without today in it.
    if (mode == RecordMode::Input && z_year == today.year())
      mark_cell(z_first_col + today.day() - 1);
  }
}

void Zouto::Label1_Click(int index) {
  if (mode != RecordMode::Input || index < 0 || index >= kMonthCells) return;
  const QString day = c("Label1", index).text;
  if (day.isEmpty()) return;
  date_text = gift_date_text(z_year, z_month, day.toInt());
  c("Label7").text = date_text;
  for (int k = 0; k < kMonthCells; ++k) c("Label1", k).back = kLightYellow;
  mark_cell(index);
}

void Zouto::mark_cell(int cell) { c("Label1", cell).back = kChosenDay; }

void Zouto::colour_view_buttons() {
  for (int i = 0; i < 2; ++i)
    c("Command2", i).back = GiftList(i) == view ? kUsableButton : kIdleButton;
}

void Zouto::show_view_message() {
  c("Text1").text = view == GiftList::Given ? "「贈る」を表示中" : "「受ける」を表示中";
}

void Zouto::Command2_Click(int index) {
  if (index < 0 || index > 1) return;
  Control& list = c("List1");
  view = GiftList(index);
  colour_view_buttons();
  if (mode != RecordMode::Input) show_view_message();
  list.items = texts(shown());
  list.selected = -1;
  if (mode == RecordMode::Input) {
    set_focus(c("Text2").text.isEmpty() ? "Text2" : "Text3");
    check_ready();
  }
}

void Zouto::Command1_Click() {
  if (mode != RecordMode::Browse) return;
  if (!close_or_ask(platform(), save_dat(), "贈答の記録を保存しないまま閉じますか ?")) return;
  unload();
}

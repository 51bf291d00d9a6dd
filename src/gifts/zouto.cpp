#include "gifts/zouto.h"

#include "calendar/month_layout.h"
#include "core/platform.h"
#include "core/save.h"
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
  input_mode = delete_mode = 0;
  view = 0;
  changed = 0;
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
  centre(4);
}

void Zouto::read_dat() {
  ZoutouData data = read_zoutou(kZoutouFile);
  given = std::move(data.given);
  received = std::move(data.received);
}

bool Zouto::save_dat() {
  if (!write_zoutou(kZoutouFile, {given, received})) {
    tell_write_failure(platform(), kZoutouFile);
    return false;
  }
  changed = 0;
  return true;
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
    if (input_mode == 1 && z_year == today.year()) mark_cell(z_first_col + today.day() - 1);
  }
}

void Zouto::Label1_Click(int index) {
  if (input_mode != 1 || index < 0 || index >= kMonthCells) return;
  const QString day = c("Label1", index).text;
  if (day.isEmpty()) return;
  date_text = gift_date_text(z_year, z_month, day.toInt());
  c("Label7").text = date_text;
  for (int k = 0; k < kMonthCells; ++k) c("Label1", k).back = kLightYellow;
  mark_cell(index);
}

void Zouto::mark_cell(int cell) { c("Label1", cell).back = kChosenDay; }

void Zouto::colour_view_buttons() {
  for (int i = 0; i < 2; ++i) c("Command2", i).back = i == view ? kUsableButton : kIdleButton;
}

void Zouto::show_view_message() {
  c("Text1").text = view == 0 ? "「贈る」を表示中" : "「受ける」を表示中";
}

void Zouto::Command2_Click(int index) {
  if (index < 0 || index > 1) return;
  Control& list = c("List1");
  view = qint16(index);
  colour_view_buttons();
  if (input_mode != 1) show_view_message();
  list.items = texts(shown());
  list.selected = -1;
  if (input_mode == 1) {
    set_focus(c("Text2").text.isEmpty() ? "Text2" : "Text3");
    check_ready();
  }
}

void Zouto::Command1_Click() {
  if (input_mode == 1 || delete_mode == 1) return;
  if (changed == 1 && !save_dat()) {
    const MsgAnswer answer = platform().message("贈答の記録を保存しないまま閉じますか ?",
                                                MsgButtons::YesNo, MsgIcon::Question);
    if (answer != MsgAnswer::Yes) return;
  }
  unload();
}

void Zouto::handle(Event& event) {
  const QString& name = event.name;
  switch (event.type) {
    case Event::Load:
      Form_Load();
      break;
    case Event::MouseDown:
      if (name == "Command3") Command3_MouseDown(event.index);
      break;
    case Event::Click:
      if (name == "Command1") Command1_Click();
      if (name == "Command2") Command2_Click(event.index);
      if (name == "Command4") Command4_Click();
      if (name == "Command6") Command6_Click();
      if (name == "Command7") Command7_Click();
      if (name == "Command8") Command8_Click();
      if (name == "Label1") Label1_Click(event.index);
      if (name == "List1") List1_Click();
      break;
    case Event::GotFocus:
      if (name == "Text2") Text2_GotFocus();
      if (name == "Text3") Text3_GotFocus();
      break;
    case Event::KeyPress:
      if (name == "Text2") Text2_KeyPress(event.key_ascii);
      if (name == "Text3") Text3_KeyPress(event.key_ascii);
      break;
    case Event::Change:
      if (name == "Text2" || name == "Text3") Text_Change(name);
      break;
    default:
      break;
  }
}

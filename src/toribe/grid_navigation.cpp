// The month grid: painting, navigation, the calendar-mode buttons.
#include <QDate>

#include "calendar/month_layout.h"
#include "core/platform.h"
#include "settings/settings.h"
#include "toribe/toribe.h"

namespace {

const QString kButtonCaptions[6] = {"<<", "<", "-", "+", ">", ">>"};
const Rgb kTitleColours[3] = {kBlack, kMagenta, kRed};

}  // namespace

void Toribe::disp_calen() {
  for (int k = 0; k < kMonthCells; ++k) {
    Control& cell = c("Label1", k);
    cell.back = kLightYellow;
    cell.fore = kSystemColour;
  }
  if (m.calen_mode != 2 && set_mode != Mode::HolidaySetting) {
    for (int k = 0; k < kMonthCells; ++k) {
      if (is_sunday_cell(k)) c("Label1", k).fore = kRed;
      if (is_saturday_cell(k)) c("Label1", k).fore = kBlue;
    }
  }
  cur_year = std::clamp<qint16>(cur_year, 100, 9999);
  first_col = month_first_col(cur_year, cur_month);
  c("Label3").text = QString("%1年%2月").arg(cur_year).arg(cur_month, 2);
  const auto texts = month_cell_texts(cur_year, cur_month);
  for (int k = 0; k < kMonthCells; ++k) c("Label1", k).text = texts[k];
  const QDate today = platform().today();
  if (today.year() == cur_year && today.month() == cur_month)
    c("Label1", first_col + today.day() - 1).back = kCyan;
  holiday_iro();
}

void Toribe::set_butan() {
  for (int i = 0; i < 6; ++i) {
    Control& button = c("Command13", i);
    button.height = 300;
    button.enabled = true;
    button.text = kButtonCaptions[i];
  }
  c("Text3").visible = true;
  set_mode = Mode::None;
}

void Toribe::set_caption() { caption = "トリベ            " + cap_str; }

void Toribe::Command13_MouseDown(int index, int button) {
  const bool right = button == int(MouseButton::Right);
  if (index == 6) {
    // The setting modes hold the grid until their own button ends them.
    if (set_mode == Mode::HolidaySetting || set_mode == Mode::AnniversarySetting) return;
    if (count1_mode || count2_step != Count2Step::Off) {
      c("Command13", 6).visible = false;
      count1_mode = false;
      count2_step = Count2Step::Off;
      c("Text1").text.clear();
    }
    return;
  }
  if (memo_mode()) return memo_Command13(index);
  if (set_mode != Mode::None) return holiday_Command13(index);
  switch (index) {
    case 0:
      cur_year -= right ? 100 : 10;
      break;
    case 1:
      cur_year -= 1;
      break;
    case 2:
      if (--cur_month < 1) cur_month = 12, cur_year -= 1;
      break;
    case 3:
      if (++cur_month > 12) cur_month = 1, cur_year += 1;
      break;
    case 4:
      cur_year += 1;
      break;
    case 5:
      cur_year += right ? 100 : 10;
      break;
  }
  disp_calen();
}

void Toribe::Option1_Click(int index) {
  if (m.load_flag == "1") return;
  m.calen_mode = qint16(index + 1);
  c("Label3").fore = kTitleColours[index];
  cap_str = mode_names[index];
  disp_calen();
  set_caption();
  save_dat();
}

void Toribe::save_dat() {
  static const QString mode_tokens[3] = {"TOR", "IBE", "YAS"};
  const QString prefix =
      mode_tokens[std::clamp<int>(m.calen_mode, 1, 3) - 1] + (m.memo_del == 1 ? "NDE" : "NDD");
  m.ini_str = rebuild_token_string(prefix, m.base_year, m.ini_str);
  save_ini(m, platform());
}

// Day-cell presses in the setting modes: the left button adds the day as a user
// holiday or an anniversary, the right button removes it.
#include <algorithm>

#include "core/form.h"
#include "core/platform.h"
#include "core/text_file.h"
#include "toribe/toribe.h"

namespace {

// The last slot that a press may fill: the tables keep their final slots empty.
constexpr int kLastHolidaySlot = 1500;
constexpr int kLastKinenSlot = 49;

const QString kTableFull = QStringLiteral("登録データ量が規定値を越えました。");

// Empties the first used slot from 'from' on whose entry matches and closes the
// gap, so the table keeps its used part without holes.
template <std::size_t N, typename Match>
void remove_first(std::array<QString, N>& table, int from, Match match) {
  const auto end = table.begin() + used_end(table, from);
  const auto hit = std::find_if(table.begin() + from, end, match);
  if (hit == end) return;
  std::move(hit + 1, table.end(), hit);
  table.back().clear();
}

// Why a comment cannot be kept in Memorial.DAT; empty when it can.
QString comment_refusal(const QString& comment) {
  if (comment.contains('\r') || comment.contains('\n'))
    return QStringLiteral("記念日のコメントは１行で入力して下さい。");
  if (const QString refused = cp932_unsaveable(comment); !refused.isEmpty())
    return "「" + refused + "」は記念日に保存できない文字のため、登録できません。";
  return {};
}

}  // namespace

void Toribe::day_setting_press(int cell, int button) {
  const QString date = cell_date_key(cell);  // yyyy/mm/dd, the year in four digits
  if (date.isEmpty()) return;
  const bool left = button == int(MouseButton::Left);
  const bool right = button == int(MouseButton::Right);

  if (set_mode == Mode::HolidaySetting) {
    const QString key = QString(date).remove('/');  // YYYYMMDD
    if (left) {
      auto first = holi_dat.begin() + std::clamp<int>(holi_years, 0, kHoliYears);
      auto last = holi_dat.begin() + kLastHolidaySlot + 1;
      auto slot = std::find_if(
          first, last, [&](const QString& entry) { return entry.isEmpty() || entry == key; });
      if (slot == last)
        platform().message(kTableFull);
      else
        *slot = key;
    } else if (right) {
      remove_first(holi_dat, std::clamp<int>(holi_years, 0, kHoliYears),
                   [&](const QString& entry) { return entry == key; });
    }
    disp_calen();
  }

  if (set_mode == Mode::AnniversarySetting) {
    const QString month_day = date.mid(5, 2) + date.mid(8, 2);  // MMDD
    if (left) {
      const int slot = used_end(kinen_dat);
      if (slot > kLastKinenSlot) {
        platform().message(kTableFull);
      } else {
        const QString comment = replace_with_cp932_forms(
            platform().input_box("コメントを入力して下さい。", "ユーザー記念日の入力", ""));
        if (const QString refusal = comment_refusal(comment); !refusal.isEmpty())
          platform().message(refusal);  // refused at entry, so saving loses nothing
        else if (!comment.isEmpty())
          kinen_dat[slot] = month_day + comment;
      }
    } else if (right) {
      remove_first(kinen_dat, 0, [&](const QString& entry) { return entry.left(4) == month_day; });
    }
    disp_calen();
  }
}

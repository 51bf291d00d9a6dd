#include "calculator/calc_units.h"

#include <charconv>

namespace {

const std::array<Unit, kUnitCount> kUnits{{
    {u"センチ　　　　　（長さ）", u"センチ", 1},
    {u"メートル　　　　（長さ）", u"メートル", 100},
    {u"キロメートル　　（長さ）", u"ｷﾛﾒｰﾄﾙ", 100000},
    {u"インチ　　　　　（長さ）", u"インチ", 2.54},
    {u"フィート　　　　（長さ）", u"フィート", 30.48},
    {u"ヤード　　　　　（長さ）", u"ヤード", 91.44},
    {u"マイル　　　　　（長さ）", u"マイル", 160934.4},
    {u"尺　　　　　　　（長さ）", u"尺", 30.303},
    {u"間　　　　　　　（長さ）", u"間", 181.818},
    {u"里　　　　　　　（長さ）", u"里", 392727},
    {u"グラム　　　　　（重量）", u"グラム", 1},
    {u"キログラム　　　（重量）", u"ｷﾛｸﾞﾗﾑ", 1000},
    {u"匁　　　　　　　（重量）", u"匁", 3.75},
    {u"貫　　　　　　　（重量）", u"貫", 3750},
    {u"斤　　　　　　　（重量）", u"斤", 600},
    {u"オンス　　　　　（重量）", u"オンス", 28.3495},
    {u"ポンド　　　　　（重量）", u"ポンド", 453.592},
    {u"トン（英）　　　（重量）", u"トン（英）", 1016050},
    {u"トン（米）　　　（重量）", u"トン（米）", 907185},
    {u"平方メートル　　（面積）", u"平方ﾒｰﾄﾙ", 1},
    {u"アール　　　　　（面積）", u"アール", 100},
    {u"ヘクタール　　　（面積）", u"ヘクタール", 10000},
    {u"坪　　　　　　　（面積）", u"坪", 3.30578},
    {u"反　　　　　　　（面積）", u"反", 991.736},
    {u"町　　　　　　　（面積）", u"町", 9917.36},
    {u"平方フィート　　（面積）", u"平方ﾌｨｰﾄ", 0.0929},
    {u"平方マイル　　　（面積）", u"平方ﾏｲﾙ", 2589988},
    {u"エーカー　　　　（面積）", u"エーカー", 4046.86},
    {u"立方メートル　　（体積）", u"立方ﾒｰﾄﾙ", 1000},
    {u"リットル  　　　（体積）", u"リットル", 1},
    {u"合　　　　　　　（体積）", u"合", 0.18039},
    {u"升　　　　　　　（体積）", u"升", 1.8039},
    {u"石　　　　　　　（体積）", u"石", 180.39},
    {u"ガロン（英）　　（体積）", u"ガロン(英)", 4.54609},
    {u"ガロン（米）　　（体積）", u"ガロン(米)", 3.78541},
    {u"立方フィート　　（体積）", u"立法ﾌｨｰﾄ", 28.3168},
    {u"バーレル  　　　（体積）", u"バーレル", 158.9345},
}};

// The stored factors are decimal constants of 7 significant digits: round the
// exact ratio to that, then take the nearest single-precision value.
float round_to_seven_digits(double value) {
  char text[32];
  const auto written =
      std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, 6);
  float result = 0;
  std::from_chars(text, written.ptr, result);
  return result;
}

}  // namespace

const std::array<Unit, kUnitCount>& units() { return kUnits; }

int unit_group_start(int list_index) {
  if (list_index <= 9) return 0;
  if (list_index <= 18) return 10;
  if (list_index <= 27) return 19;
  return 28;
}

int unit_group_size(int list_index) { return unit_group_start(list_index) == 0 ? 10 : 9; }

void read_kan(KanTable& kan_tbl) {
  for (auto& row : kan_tbl) row.fill(0.0f);
  for (int s = 0; s < kUnitCount; ++s) {
    const int start = unit_group_start(s);
    for (int t = 0; t < unit_group_size(s); ++t)
      kan_tbl[s][t] = round_to_seven_digits(kUnits[start + t].size / kUnits[s].size);
  }
}

// The conversion face: a number keyed in the source unit, the result in the
// target unit recomputed after every key and every change of target.
#include <algorithm>
#include <charconv>

#include "calculator/calc_engine.h"
#include "core/number_text.h"

void CalcEngine::conversion_key(CalcKey key) {
  if (key == CalcKey::Clear) {
    clear_all();
    kan_to = kan_from;  // the target returns to the source unit
    return;
  }
  if (key <= CalcKey::Point && key_entry(key)) kansan();
}

void CalcEngine::choose_source(int list_index) {
  if (face_ != CalcFace::Conversion || list_index < 0 || list_index >= kUnitCount) return;
  message_.clear();
  source_ = list_index;
  calc_acc = 0;
  calc_in = 0;
  calc_op = CalcOp::Subtract;
  dec_pos = 0;
  kan_from = static_cast<qint16>(list_index - unit_group_start(list_index));
  kan_to = kan_from;
  display_ = "0";
}

void CalcEngine::choose_target(int option) {
  if (face_ != CalcFace::Conversion || option < 0 || option > 9) return;
  message_.clear();
  kan_to = static_cast<qint16>(option);
  kansan();
}

void CalcEngine::kansan() {
  const float factor = kan_tbl[source_][kan_to];
  if (factor == 0) return;  // a blank option of a nine-unit group

  // The result is shown to 7 significant digits, like any single. It is rounded
  // once, from the quotient by the factor's own 7-digit decimal value: going
  // through the nearest singles on the way made 1 m³ read 999.9999 l and 3 ft
  // read 91.43999 cm.
  const double decimal_factor = text_to_number(general_text(factor));
  const double quotient = static_cast<double>(calc_in) / decimal_factor;
  char digits[32];
  const auto end =
      std::to_chars(digits, digits + sizeof digits, quotient, std::chars_format::scientific, 6);
  double rounded = 0;
  std::from_chars(digits, end.ptr, rounded);
  // The exponent stands between the 'e' and the end of the written digits; the
  // buffer is not terminated there.
  const char* exponent_text = std::find(digits, end.ptr, 'e') + 1;
  if (exponent_text < end.ptr && *exponent_text == '+') ++exponent_text;
  int exponent = 0;
  std::from_chars(exponent_text, end.ptr, exponent);

  // Beyond what the box writes out in plain digits the user gets a word instead.
  if (rounded == 0) {
    display_ = "0";
  } else if (exponent >= 9) {
    display_ = "大きすぎます。";
  } else if (exponent < -8) {
    display_ = "小さすぎます。";
  } else {
    display_ = general_text(rounded);
  }
}

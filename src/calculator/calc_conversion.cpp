// The conversion face: the source unit in Combo1, the target among the option
// buttons of the source's group, the result recomputed after every key.
#include <algorithm>
#include <charconv>

#include "calculator/calculator_form.h"
#include "core/number_text.h"

void Calculator::dat_set() {
  for (const Unit& unit : units()) c("Combo1").items << QString::fromUtf16(unit.list_text);
}

void Calculator::select_option(int index) {
  for (int i = 0; i <= 9; ++i) c("Option1", i).checked = i == index;
  Option1_Click(index);
}

void Calculator::Combo1_Click() {
  const int i = c("Combo1").selected;
  if (i < 0 || i >= kUnitCount) return;
  c("Text2").text = "0";
  calc_acc = 0;
  calc_in = 0;
  calc_op = 1;
  dec_pos = 0;
  c("Text1").text = "0";

  const int start = unit_group_start(i);
  const int size = unit_group_size(i);
  for (int k = 0; k <= 9; ++k) {
    Control& option = c("Option1", k);
    option.text = k < size ? QString::fromUtf16(units()[start + k].caption) : QString();
    option.enabled = k < size;
  }
  kan_from = static_cast<qint16>(i - start);
  select_option(kan_from);
}

void Calculator::Option1_Click(int index) {
  if (m.flg_kansan != 1 || index < 0 || index > 9) return;
  kan_to = static_cast<qint16>(index);
  kansan();
}

void Calculator::kansan() {
  if (m.flg_kansan != 1) return;
  const int source = c("Combo1").selected;
  if (source < 0 || source >= kUnitCount) return;
  const float factor = kan_tbl[source][kan_to];
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
  Control& result = c("Text1");
  if (rounded == 0) {
    result.text = "0";
  } else if (exponent >= 9) {
    result.text = "大きすぎます。";
  } else if (exponent < -8) {
    result.text = "小さすぎます。";
  } else {
    result.text = general_text(rounded);
  }
}

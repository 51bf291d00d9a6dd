// The keypad of the calculator face: number entry, the four operations with their
// pending-operation machine, the memory keys, square root and percentage. The
// digit and point keys also serve the conversion face; the memory keys double as
// the periodic face's step and clear keys.
#include <cmath>

#include "calculator/calculator_form.h"
#include "core/number_text.h"
#include "core/platform.h"

namespace {

// A single-precision result; false when it does not fit.
bool to_single(double value, float& result) {
  const float single = static_cast<float>(value);
  if (!std::isfinite(single)) return false;
  result = single;
  return true;
}

constexpr int kMaxEntryText = 7;
// Decimal places beyond this add nothing a single can hold; the bound keeps
// dec_pos from running away on endless zeros after the point.
constexpr qint16 kMaxDecimals = 60;

}  // namespace

void Calculator::show_memory_indicator() { c("Text2").text = calc_mem != 0 ? "Ｍ" : ""; }

void Calculator::overflow_reset() {
  calc_acc = 0;
  calc_in = 0;
  calc_op = 1;
  dec_pos = 0;
  platform().message("オーバーフローしました。");
}

// Applies a digit or the point to the entry; false when the key is ignored.
bool Calculator::key_entry(int index) {
  if (mem_lock == 1) return false;
  if (signed_text(calc_in).size() > kMaxEntryText) {
    c("Text1").text = "桁あふれ";
    return false;
  }
  if (index == 10 && dec_pos != 0) return false;
  if (calc_op == 4) return false;
  if (index == 10) {
    dec_pos = 1;
  } else if (dec_pos == 0) {
    calc_in = static_cast<float>(calc_in * 10.0f + static_cast<float>(index));
  } else {
    calc_in = static_cast<float>(static_cast<double>(calc_in) + index / std::pow(10.0, dec_pos));
    if (dec_pos < kMaxDecimals) ++dec_pos;
  }
  return true;
}

void Calculator::Command1_Click(int index) {
  if (index < 0 || index > 10) return;
  if (m.flg_syuuki == 1) {
    if (step_flag == 1) calc_in = 0;
    disp_syuuki(index);
    step_flag = 0;
    return;
  }
  if (!key_entry(index)) return;
  if (m.flg_kansan == 1) {
    c("Text2").text = general_text(calc_in);
    kansan();
  } else {
    c("Text1").text = general_text(calc_in);
  }
}

void Calculator::keisann() {
  if (calc_in == 0 || m.flg_calc != 1) return;
  const double acc = calc_acc, in = calc_in;
  double result = 0;
  switch (calc_op) {
    case 0:
      result = acc + in;
      break;
    case 1:
      result = acc - in;
      break;
    case 2:
      result = acc * in;
      break;
    case 3:
      result = acc / in;
      break;
    default:
      return;
  }
  if (!to_single(result, calc_acc)) overflow_reset();
}

void Calculator::operator_key(qint16 op) {
  if (m.flg_calc != 1) return;
  mem_lock = 0;
  if (calc_acc != 0) {
    keisann();
  } else {
    calc_acc = calc_in;
  }
  calc_op = op;
  calc_in = 0;
  dec_pos = 0;
  c("Text1").text = general_text(calc_acc);
}

void Calculator::Command2_Click() { operator_key(0); }
void Calculator::Command3_Click() { operator_key(1); }
void Calculator::Command5_Click() { operator_key(2); }
void Calculator::Command6_Click() { operator_key(3); }

void Calculator::Command4_Click() {
  if (m.flg_kansan == 1) return;
  mem_lock = 0;
  if (calc_in == 0 || calc_acc == 0) return;
  keisann();
  c("Text1").text = general_text(calc_acc);
  calc_op = 4;
  calc_in = 0;
  dec_pos = 0;
}

void Calculator::Command7_Click() {
  if (m.flg_syuuki == 1) return;
  mem_lock = 0;
  c("Text2").text = m.flg_kansan == 1 ? "0" : "";
  calc_mem = 0;
  calc_acc = 0;
  calc_in = 0;
  calc_op = 1;
  dec_pos = 0;
  select_option(kan_from);
  c("Text1").text = "0";
}

void Calculator::Command8_Click() {
  if (m.flg_calc != 1) return;
  mem_lock = 0;
  if (calc_in != 0) {
    calc_in = 0;
  } else {
    calc_acc = 0;
  }
  if (calc_op == 4) calc_op = 1;
  dec_pos = 0;
  c("Text1").text = "0";
}

void Calculator::Command9_Click() {
  if (m.flg_calc != 1) return;
  mem_lock = 0;
  if (calc_in != 0) {
    calc_in = -calc_in;
    c("Text1").text = general_text(calc_in);
  } else {
    calc_acc = -calc_acc;
    c("Text1").text = general_text(calc_acc);
  }
}

void Calculator::Command10_Click() {
  if (m.flg_syuuki == 1) return step_element(1);
  if (m.flg_kansan == 1) return;
  if (calc_op == 4) {
    float sum = 0;
    if (!to_single(static_cast<double>(calc_mem) + calc_acc, sum)) {
      // The memory keeps its old value; the calculation starts again from 0.
      overflow_reset();
      mem_lock = 0;
      c("Text1").text = "0";
      return;
    }
    calc_mem = sum;
    calc_in = 0;
    calc_op = 1;
    c("Text1").text = general_text(calc_mem);
    show_memory_indicator();
    dec_pos = 0;
    calc_acc = calc_mem;
  } else {
    calc_in = calc_mem;
    c("Text1").text = general_text(calc_mem);
  }
  mem_lock = 1;
}

void Calculator::Command11_Click() {
  if (m.flg_syuuki == 1) return step_element(-1);
  if (m.flg_kansan == 1) return;
  if (calc_op == 4) {
    float difference = 0;
    if (!to_single(static_cast<double>(calc_mem) - calc_acc, difference)) {
      overflow_reset();
      mem_lock = 0;
      c("Text1").text = "0";
      return;
    }
    calc_mem = difference;
    calc_in = 0;
    c("Text1").text = general_text(calc_mem);
    show_memory_indicator();
    dec_pos = 0;
    calc_acc = calc_mem;
  } else {
    calc_in = calc_mem;
    c("Text1").text = general_text(calc_mem);
  }
}

void Calculator::Command12_Click() {
  if (m.flg_syuuki == 1) {
    mem_lock = 0;
    calc_in = 0;
    c("Text5").fore = kBlue;
    c("Text1").text = "0";
    for (int n : {3, 4, 6, 7}) c(QString("Text%1").arg(n)).text.clear();
    c("Text5").text = "番号を選択して下さい。";
    return;
  }
  if (m.flg_kansan == 1) return;
  mem_lock = 0;
  if (calc_mem == 0) return;
  c("Text1").text = "0";
  c("Text2").text.clear();
  calc_mem = 0;
  calc_acc = 0;
  dec_pos = 0;
}

void Calculator::Command13_Click() {
  if (m.flg_calc != 1) return;
  if (calc_in == 0 && calc_op != 4) return;
  float& target = calc_op == 4 ? calc_acc : calc_in;
  if (target < 0) {
    // No real root: say so and leave every number as it was.
    c("Text1").text = "エラー";
    return;
  }
  target = static_cast<float>(std::sqrt(static_cast<double>(target)));
  c("Text1").text = general_text(target);
  dec_pos = 0;
}

void Calculator::Command14_Click() {
  if (m.flg_calc != 1 || calc_op != 3) return;
  if (calc_in != 0) {
    float quotient = 0, percent = 0;
    if (to_single(static_cast<double>(calc_acc) / calc_in, quotient) &&
        to_single(static_cast<double>(quotient) * 100, percent)) {
      calc_acc = percent;
    } else {
      overflow_reset();
    }
  } else {
    platform().message("０で除算は出来ません。");
  }
  c("Text1").text = general_text(calc_acc);
  calc_op = 4;
  calc_in = 0;
  dec_pos = 0;
}

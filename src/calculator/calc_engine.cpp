// The engine's faces and the arithmetic one: number entry, the four operations
// with their pending-operation machine, the memory keys, square root and
// percentage. The digit and point entry also serves the conversion face.
#include "calculator/calc_engine.h"

#include <cmath>
#include <map>

#include "core/number_text.h"

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

CalcEngine::CalcEngine() {
  read_kan(kan_tbl);
  read_syu(syu);
}

void CalcEngine::start(CalcFace face) {
  face_ = face;
  display_ = "0";
  message_.clear();
  calc_acc = 0;
  calc_in = 0;
  calc_op = CalcOp::Subtract;
  dec_pos = 0;
  kan_to = 0;
  step_flag = false;
  mem_lock = false;
  switch (face) {
    case CalcFace::Arithmetic:
      face_key_ = &CalcEngine::arithmetic_key;
      break;
    case CalcFace::Conversion:
      face_key_ = &CalcEngine::conversion_key;
      choose_source(0);
      break;
    case CalcFace::Periodic:
      face_key_ = &CalcEngine::periodic_key;
      ask_for_number();
      break;
  }
}

void CalcEngine::press(CalcKey key) {
  message_.clear();
  (this->*face_key_)(key);
}

// What each key does on the calculator face.
void CalcEngine::arithmetic_key(CalcKey key) {
  static const std::map<CalcKey, CalcOp> kOperators{{CalcKey::Add, CalcOp::Add},
                                                    {CalcKey::Subtract, CalcOp::Subtract},
                                                    {CalcKey::Multiply, CalcOp::Multiply},
                                                    {CalcKey::Divide, CalcOp::Divide}};
  static const std::map<CalcKey, void (CalcEngine::*)()> kActions{
      {CalcKey::Equals, &CalcEngine::equals_key},        {CalcKey::Clear, &CalcEngine::clear_all},
      {CalcKey::ClearEntry, &CalcEngine::clear_entry},   {CalcKey::Sign, &CalcEngine::change_sign},
      {CalcKey::MemoryClear, &CalcEngine::memory_clear}, {CalcKey::Root, &CalcEngine::square_root},
      {CalcKey::Percent, &CalcEngine::percent}};
  if (key <= CalcKey::Point) {
    if (key_entry(key)) display_ = general_text(calc_in);
  } else if (key == CalcKey::MemoryPlus || key == CalcKey::MemoryMinus) {
    memory_key(key == CalcKey::MemoryPlus ? 1 : -1);
  } else if (const auto op = kOperators.find(key); op != kOperators.end()) {
    operator_key(op->second);
  } else if (const auto action = kActions.find(key); action != kActions.end()) {
    (this->*action->second)();
  }
}

void CalcEngine::overflow_reset() {
  calc_acc = 0;
  calc_in = 0;
  calc_op = CalcOp::Subtract;
  dec_pos = 0;
  message_ = "オーバーフローしました。";
}

// Applies a digit or the point to the entry; false when the key is ignored.
bool CalcEngine::key_entry(CalcKey key) {
  if (mem_lock) return false;
  if (signed_text(calc_in).size() > kMaxEntryText) {
    display_ = "桁あふれ";
    return false;
  }
  if (key == CalcKey::Point && dec_pos != 0) return false;
  if (calc_op == CalcOp::ResultShown) return false;
  const int digit = static_cast<int>(key);
  if (key == CalcKey::Point) {
    dec_pos = 1;
  } else if (dec_pos == 0) {
    calc_in = static_cast<float>(calc_in * 10.0f + static_cast<float>(digit));
  } else {
    calc_in = static_cast<float>(static_cast<double>(calc_in) + digit / std::pow(10.0, dec_pos));
    if (dec_pos < kMaxDecimals) ++dec_pos;
  }
  return true;
}

// Folds the entry into the accumulator by the pending operation; an entry of 0
// counts as no entry.
void CalcEngine::keisann() {
  if (calc_in == 0) return;
  const double acc = calc_acc, in = calc_in;
  double result = 0;
  switch (calc_op) {
    case CalcOp::Add:
      result = acc + in;
      break;
    case CalcOp::Subtract:
      result = acc - in;
      break;
    case CalcOp::Multiply:
      result = acc * in;
      break;
    case CalcOp::Divide:
      result = acc / in;
      break;
    case CalcOp::ResultShown:
      return;
  }
  if (!to_single(result, calc_acc)) overflow_reset();
}

void CalcEngine::operator_key(CalcOp op) {
  mem_lock = false;
  if (calc_acc != 0) {
    keisann();
  } else {
    calc_acc = calc_in;
  }
  calc_op = op;
  calc_in = 0;
  dec_pos = 0;
  display_ = general_text(calc_acc);
}

void CalcEngine::equals_key() {
  mem_lock = false;
  if (calc_in == 0 || calc_acc == 0) return;
  keisann();
  display_ = general_text(calc_acc);
  calc_op = CalcOp::ResultShown;
  calc_in = 0;
  dec_pos = 0;
}

void CalcEngine::clear_all() {
  mem_lock = false;
  calc_mem = 0;
  calc_acc = 0;
  calc_in = 0;
  calc_op = CalcOp::Subtract;
  dec_pos = 0;
  display_ = "0";
}

void CalcEngine::clear_entry() {
  mem_lock = false;
  if (calc_in != 0) {
    calc_in = 0;
  } else {
    calc_acc = 0;
  }
  if (calc_op == CalcOp::ResultShown) calc_op = CalcOp::Subtract;
  dec_pos = 0;
  display_ = "0";
}

void CalcEngine::change_sign() {
  mem_lock = false;
  float& target = calc_in != 0 ? calc_in : calc_acc;
  target = -target;
  display_ = general_text(target);
}

// "M+" (sign 1) and "M-" (sign -1). On a result they add it to or take it from
// the memory; otherwise they recall the memory into the entry. Only "M+" then
// locks the digit keys, and only "M+" on a result leaves the result state.
void CalcEngine::memory_key(int sign) {
  if (calc_op == CalcOp::ResultShown) {
    float total = 0;
    if (!to_single(static_cast<double>(calc_mem) + sign * static_cast<double>(calc_acc), total)) {
      // The memory keeps its old value; the calculation starts again from 0.
      overflow_reset();
      mem_lock = false;
      display_ = "0";
      return;
    }
    calc_mem = total;
    calc_in = 0;
    if (sign > 0) calc_op = CalcOp::Subtract;
    display_ = general_text(calc_mem);
    dec_pos = 0;
    calc_acc = calc_mem;
  } else {
    calc_in = calc_mem;
    display_ = general_text(calc_mem);
  }
  if (sign > 0) mem_lock = true;
}

void CalcEngine::memory_clear() {
  mem_lock = false;
  if (calc_mem == 0) return;
  display_ = "0";
  calc_mem = 0;
  calc_acc = 0;
  dec_pos = 0;
}

void CalcEngine::square_root() {
  if (calc_in == 0 && calc_op != CalcOp::ResultShown) return;
  float& target = calc_op == CalcOp::ResultShown ? calc_acc : calc_in;
  if (target < 0) {
    // No real root: say so and leave every number as it was.
    display_ = "エラー";
    return;
  }
  target = static_cast<float>(std::sqrt(static_cast<double>(target)));
  display_ = general_text(target);
  dec_pos = 0;
}

void CalcEngine::percent() {
  if (calc_op != CalcOp::Divide) return;
  if (calc_in != 0) {
    float quotient = 0, percentage = 0;
    if (to_single(static_cast<double>(calc_acc) / calc_in, quotient) &&
        to_single(static_cast<double>(quotient) * 100, percentage)) {
      calc_acc = percentage;
    } else {
      overflow_reset();
    }
  } else {
    message_ = "０で除算は出来ません。";
  }
  display_ = general_text(calc_acc);
  calc_op = CalcOp::ResultShown;
  calc_in = 0;
  dec_pos = 0;
}

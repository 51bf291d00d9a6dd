// The periodic face: an atomic number keyed or stepped, and the element's lines.
#include "calculator/calc_engine.h"
#include "core/number_text.h"

namespace {

// Three digits reach past the last element, and no entry can outgrow a single.
constexpr float kLargestEntry = 999;

}  // namespace

void CalcEngine::periodic_key(CalcKey key) {
  switch (key) {
    case CalcKey::MemoryPlus:
      return step_element(1);
    case CalcKey::MemoryMinus:
      return step_element(-1);
    case CalcKey::MemoryClear:
      mem_lock = false;
      calc_in = 0;
      display_ = "0";
      return ask_for_number();
    default:
      if (key > CalcKey::Point) return;  // "=" stays in use here, to no effect
      if (step_flag) calc_in = 0;
      disp_syuuki(key);
      step_flag = false;
  }
}

void CalcEngine::ask_for_number() {
  element_lines_ = {QString(), QString(), "番号を選択して下さい。", QString(), QString()};
  element_missing_ = false;
}

void CalcEngine::disp_syuuki(CalcKey key) {
  if (key == CalcKey::Point) return show_element();
  const float next = calc_in * 10 + static_cast<float>(key);
  if (next > kLargestEntry) return;
  calc_in = next;
  display_ = general_text(calc_in);
}

void CalcEngine::show_element() {
  if (calc_in > 0 && calc_in <= kElementCount) {
    const int n = static_cast<int>(calc_in);
    element_lines_ = {"元素記号＝ " + syu.syu_kigou[n], "元素名　＝ " + syu.syu_mei[n],
                      "原子量　＝ " + syu.syu_ryou[n], "電子配置＝ " + syu.syu_haichi[n],
                      "族　　　＝ " + syu.syu_zoku[n]};
    element_missing_ = false;
    return;
  }
  element_lines_ = {QString(), QString(), "該当する原子番号は有りません。", QString(), QString()};
  element_missing_ = true;
  calc_in = 0;
}

void CalcEngine::step_element(int delta) {
  step_flag = true;
  calc_in += static_cast<float>(delta);
  display_ = general_text(calc_in);
  show_element();
}

// The periodic face: an atomic number keyed or stepped, and the element's lines.
#include "calculator/calculator_form.h"
#include "core/number_text.h"

namespace {

// Three digits reach past the last element, and no entry can outgrow a single.
constexpr float kLargestEntry = 999;

}  // namespace

void Calculator::disp_syuuki(int key) {
  if (key == 10) return show_element();
  const float next = calc_in * 10 + static_cast<float>(key);
  if (next > kLargestEntry) return;
  calc_in = next;
  c("Text1").text = general_text(calc_in);
}

void Calculator::show_element() {
  Control& weight_line = c("Text5");
  if (calc_in > 0 && calc_in <= kElementCount) {
    const int n = static_cast<int>(calc_in);
    weight_line.fore = kBlue;
    c("Text3").text = "元素記号＝ " + syu.syu_kigou[n];
    c("Text4").text = "元素名　＝ " + syu.syu_mei[n];
    weight_line.text = "原子量　＝ " + syu.syu_ryou[n];
    c("Text6").text = "電子配置＝ " + syu.syu_haichi[n];
    c("Text7").text = "族　　　＝ " + syu.syu_zoku[n];
    return;
  }
  weight_line.fore = kRed;
  weight_line.text = "該当する原子番号は有りません。";
  for (int line : {3, 4, 6, 7}) c(QString("Text%1").arg(line)).text.clear();
  calc_in = 0;
}

void Calculator::step_element(int delta) {
  step_flag = 1;
  calc_in += static_cast<float>(delta);
  c("Text1").text = general_text(calc_in);
  show_element();
}

#pragma once
// The calculator folder: the Calculator window's form and the tables only it uses.
// The Calculator window: one keypad with three faces, a pocket calculator, a
// unit converter and a periodic table. The face is chosen at load by the flag
// the opener set (flg_calc, flg_kansan or flg_syuuki); each key handler asks the
// flags what the key means now. Closing clears all three flags.
//
// The calculator works in single precision on an accumulator (calc_acc), the
// number being keyed (calc_in) and a pending operation (calc_op: 0 add,
// 1 subtract, 2 multiply, 3 divide, 4 a result is shown). Keying 7 + 3 = shows
// 10; a further + 2 = shows 12. The memory (calc_mem) is kept for the whole run,
// across closing and reopening the window.
#include "calculator/periodic_table.h"
#include "calculator/unit_table.h"
#include "core/form.h"
#include "settings/module1.h"

class Calculator : public Form {
 public:
  Calculator(Module1& m, Platform& platform);

  void Form_Load();
  void Form_Click();
  void Form_QueryUnload();

  // Keys: Command1(0..9) digits, Command1(10) the point; then + - = × ÷ Ｃ CE ± M+ M- MC √ ％.
  void Command1_Click(int index);
  void Command2_Click();   // +
  void Command3_Click();   // -
  void Command4_Click();   // =
  void Command5_Click();   // ×
  void Command6_Click();   // ÷
  void Command7_Click();   // Ｃ
  void Command8_Click();   // CE
  void Command9_Click();   // ±
  void Command10_Click();  // M+ (periodic face: ＋)
  void Command11_Click();  // M- (periodic face: －)
  void Command12_Click();  // MC (periodic face: Ｃ)
  void Command13_Click();  // √
  void Command14_Click();  // ％
  void keisann();
  // A key typed anywhere in the window presses its keypad key: digits, the
  // point, + - * /, Enter or = for "=", Escape for "Ｃ", Backspace for "CE".
  void keyboard_key(int& key_ascii);

  // Conversion face.
  void dat_set();
  void Combo1_Click();
  void Option1_Click(int index);
  void kansan();

  // Periodic face.
  void disp_syuuki(int key);

  Module1& m;
  KanTable kan_tbl{};
  ElementTable syu;

  float calc_acc = 0, calc_in = 0, calc_mem = 0;
  qint16 calc_op = 1, dec_pos = 0, mem_lock = 0, step_flag = 0;
  qint16 kan_from = 0, kan_to = 0;

 protected:
  void handle(Event& event) override;

 private:
  void create_controls();
  void restore_design();
  void load_calc_face();
  void load_kansan_face();
  void load_syuuki_face();
  void operator_key(qint16 op);
  bool key_entry(int index);
  void show_memory_indicator();
  void overflow_reset();
  void select_option(int index);
  void show_element();
  void step_element(int delta);
};

#pragma once
// The calculator folder: the Calculator window's form, its engine and the tables only it uses.
// The Calculator window: one keypad with three faces, a pocket calculator, a
// unit converter and a periodic table. The face is chosen at load by the flag
// the opener set (flg_calc, flg_kansan or flg_syuuki) and laid out; the keys go
// to the engine, and what it then holds is copied into the boxes. Closing
// clears all three flags.
//
// The window object lives for the whole run, and so does its engine's memory:
// keying 7 + 3 = M+, closing and reopening still shows the "Ｍ" mark.
#include "calculator/calc_engine.h"
#include "core/form.h"
#include "settings/module1.h"

class Calculator : public Form {
 public:
  Calculator(Module1& m, Platform& platform);

  void Form_Load();
  void Form_Click();
  void Form_QueryUnload();
  // Command1(0..9) the digits, Command1(10) the point; Command2 to Command14 are
  // routed to their keys directly.
  void Command1_Click(int index);
  void press(CalcKey key);
  // A key typed anywhere in the window presses its keypad key: digits, the
  // point, + - * /, Enter or = for "=", Escape for "Ｃ", Backspace for "CE".
  void keyboard_key(int& key_ascii);

  // Conversion face.
  void dat_set();
  void Combo1_Click();
  void Option1_Click(int index);

  const CalcEngine& engine() const { return engine_; }

  Module1& m;

 protected:
  // Typed keys come from whichever control has the focus, so they are taken
  // here rather than by a route per control.
  void handle(Event& event) override;

 private:
  void create_controls();
  void restore_design();
  void load_calc_face();
  void load_kansan_face();
  void load_syuuki_face();
  void label_targets(int list_index);
  void show_engine();

  CalcEngine engine_;
};

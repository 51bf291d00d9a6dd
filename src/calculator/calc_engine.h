#pragma once
// The Calculator window's keys without the window: what each key does to the
// numbers and what the window should show afterwards.
#include <QString>
#include <array>

#include "calculator/calc_elements.h"
#include "calculator/calc_units.h"

// The keypad. A digit key's value is its digit and the point key's is 10, the
// index of the key's button in the digit array; the others follow in the order
// of their buttons, "+" on Command2 to "％" on Command14.
// clang-format off
enum class CalcKey {
  Digit0, Digit1, Digit2, Digit3, Digit4, Digit5, Digit6, Digit7, Digit8, Digit9,
  Point,  // the periodic face's "表示"
  Add, Subtract, Equals, Multiply, Divide,
  Clear, ClearEntry, Sign,
  MemoryPlus, MemoryMinus, MemoryClear,  // the periodic face's "＋", "－", "Ｃ"
  Root, Percent,
};
// clang-format on

enum class CalcFace { Arithmetic, Conversion, Periodic };

// The arithmetic face's pending operation, numbered as calc_op always was.
enum class CalcOp : qint16 { Add = 0, Subtract = 1, Multiply = 2, Divide = 3, ResultShown = 4 };

// "Ｍ" beside the display while the memory holds a number.
inline QString memory_mark(float memory) { return memory != 0 ? QStringLiteral("Ｍ") : QString(); }

// One keypad with three faces: a single-precision pocket calculator with a
// memory, a converter between the 37 units, and a periodic table looked up by
// atomic number. The face is set by start() when the window is shown; a key
// then means what it means in that face, and keys a face does not use are
// ignored. The engine knows no controls: it keeps the texts the window copies
// into its boxes, and asks for a message box through message().
//
//   CalcEngine calc;
//   calc.start(CalcFace::Arithmetic);
//   for (CalcKey k : {CalcKey::Digit7, CalcKey::Add, CalcKey::Digit3, CalcKey::Equals})
//     calc.press(k);
//   calc.display();  // "10"
//
// The memory outlives start(), as it outlives the window's showings; "Ｃ" and
// "MC" clear it.
class CalcEngine {
 public:
  CalcEngine();

  // A new showing on the given face: a fresh calculation, the memory kept; the
  // conversion face starts from the first unit of the list.
  void start(CalcFace face);
  void press(CalcKey key);
  // Conversion face: a new source unit (its list index) resets the entry and
  // targets the source itself; a target is an option of the source's group.
  void choose_source(int list_index);
  void choose_target(int option);

  CalcFace face() const { return face_; }
  // The main display: the calculator's number, the converted value or the
  // atomic number, or a word in their place ("桁あふれ", "エラー", "大きすぎます。").
  const QString& display() const { return display_; }
  float entry() const { return calc_in; }
  float memory() const { return calc_mem; }
  // The text of a message box the last key asked for, else empty.
  const QString& message() const { return message_; }
  // Periodic face: symbol, name, weight, shells and category lines; the weight
  // line carries the prompt and, when the number names no element, the complaint.
  const std::array<QString, 5>& element_lines() const { return element_lines_; }
  bool element_missing() const { return element_missing_; }
  int source() const { return source_; }
  qint16 source_option() const { return kan_from; }
  qint16 target_option() const { return kan_to; }

 private:
  void arithmetic_key(CalcKey key);
  void conversion_key(CalcKey key);
  void periodic_key(CalcKey key);

  bool key_entry(CalcKey key);
  void operator_key(CalcOp op);
  void keisann();
  void equals_key();
  void clear_all();
  void clear_entry();
  void change_sign();
  void memory_key(int sign);
  void memory_clear();
  void square_root();
  void percent();
  void overflow_reset();

  void kansan();

  void disp_syuuki(CalcKey key);
  void show_element();
  void step_element(int delta);
  void ask_for_number();

  KanTable kan_tbl{};
  ElementTable syu;
  CalcFace face_ = CalcFace::Arithmetic;
  void (CalcEngine::*face_key_)(CalcKey) = &CalcEngine::arithmetic_key;

  float calc_acc = 0, calc_in = 0, calc_mem = 0;
  CalcOp calc_op = CalcOp::Subtract;
  qint16 dec_pos = 0;
  bool mem_lock = false;   // after "M+": digit and point keys wait for another key
  bool step_flag = false;  // after the periodic "＋" or "－": the next digit starts anew
  int source_ = 0;
  qint16 kan_from = 0, kan_to = 0;

  QString display_ = "0";
  QString message_;
  std::array<QString, 5> element_lines_;
  bool element_missing_ = false;
};

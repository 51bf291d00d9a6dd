// Key sequences on the engine's calculator face: what the display, the memory
// mark and the message boxes show afterwards.
#include <gtest/gtest.h>

#include "calculator_driver.h"

namespace {

struct KeyCase {
  const char* keys;
  const char* display;
  const char* indicator;  // the memory mark beside the display
  const char* message;    // every message box shown, "|"-joined
};

void run_cases(const KeyCase* begin, const KeyCase* end) {
  for (const KeyCase* row = begin; row != end; ++row) {
    EngineDriver calc(CalcFace::Arithmetic);
    calc.press(row->keys);
    EXPECT_EQ(calc.engine.display(), QString::fromUtf8(row->display)) << row->keys;
    EXPECT_EQ(memory_mark(calc.engine.memory()), QString::fromUtf8(row->indicator)) << row->keys;
    EXPECT_EQ(calc.messages.join('|'), QString::fromUtf8(row->message)) << row->keys;
  }
}

TEST(CalcKeys, EntryTakesSevenCharactersOfTheSignedText) {
  const KeyCase cases[] = {
      {"1 2 3 4 5 6 7", "1234567", "", ""},
      // The eighth digit is refused and the entry kept for the next operator.
      {"1 2 3 4 5 6 7 8", "桁あふれ", "", ""},
      {"1 2 3 4 5 6 7 8 + 1 =", "1234568", "", ""},
      {"1 2 3 4 . 5 6", "1234.56", "", ""},
      {"1 2 3 4 . 5 6 7", "桁あふれ", "", ""},
      // .123456 with its blank is eight characters already.
      {"0 . 1 2 3 4 5 6", "0.123456", "", ""},
      {"0 . 1 2 3 4 5 6 7", "桁あふれ", "", ""},
      // The point itself is never shown; a second point is ignored.
      {"3 .", "3", "", ""},
      {"3 . 0 5", "3.05", "", ""},
      {"1 . . 5", "1.5", "", ""},
      {"0 0 0 7", "7", "", ""},
      // The minus sign takes the place of the blank.
      {"1 2 3 4 5 6 +- 7", "-1234553", "", ""},
      {"1 2 3 4 5 6 +- 7 8", "桁あふれ", "", ""},
  };
  run_cases(std::begin(cases), std::end(cases));
}

TEST(CalcKeys, OperatorsChainAndEqualsFinishes) {
  const KeyCase cases[] = {
      {"7 + 3 =", "10", "", ""},
      {"7 + 3 = =", "10", "", ""},
      {"7 + 3 = + 2 =", "12", "", ""},
      // Operators fold from left to right, without precedence.
      {"2 + 3 * 4 =", "20", "", ""},
      {"1 0 - 4 - 3 =", "3", "", ""},
      {"2 + 3 *", "5", "", ""},
      {"1 / 3 =", "0.3333333", "", ""},
      {"2 / 3 =", "0.6666667", "", ""},
      {"1 / 3 = * 3 =", "1", "", ""},
      {"1 0 / 4 =", "2.5", "", ""},
      {"1 2 3 4 5 6 7 * 1 0 =", "1.234567E+07", "", ""},
      {"0 . 0 0 1 / 1 0 0 0 =", "1E-06", "", ""},
      // An entry of 0 counts as no entry.
      {"2 * 0 =", "0", "", ""},
      {"2 * 0 = + 3 =", "5", "", ""},
      {"0 + 5 =", "5", "", ""},
      // At the start the accumulator is 0, so "=" alone does nothing.
      {"5 =", "5", "", ""},
      // After a result, digits wait for an operator, "CE" or "Ｃ".
      {"7 + 3 = 5", "10", "", ""},
      {"7 + 3 = 5 + 1 =", "11", "", ""},
      {"7 + 3 = CE 4 + 1 =", "5", "", ""},
      {"7 + 3 = C 4", "4", "", ""},
      {"7 + 3 CE 5 =", "12", "", ""},
  };
  run_cases(std::begin(cases), std::end(cases));
}

TEST(CalcKeys, SignChangeAndSquareRoot) {
  const KeyCase cases[] = {
      // Digits after "±" go on as entry × 10 + digit.
      {"5 +- 3", "-47", "", ""},
      {"1 2 +- 3", "-117", "", ""},
      {"5 +- + 3 =", "-2", "", ""},
      // With no entry "±" turns the accumulator.
      {"7 + 3 = +-", "-10", "", ""},
      {"7 + 3 = +- + 1 =", "-9", "", ""},
      {"9 sqrt", "3", "", ""},
      {"2 sqrt", "1.414214", "", ""},
      {"1 6 + 9 = sqrt", "5", "", ""},
      {"sqrt", "0", "", ""},
      // No real root: the display says so and the entry stays -4.
      {"4 +- sqrt", "エラー", "", ""},
      {"4 +- sqrt + 1 =", "-3", "", ""},
      {"9 +- + 5 = sqrt", "エラー", "", ""},
      {"9 +- + 5 = sqrt + 8 =", "4", "", ""},
  };
  run_cases(std::begin(cases), std::end(cases));
}

TEST(CalcKeys, PercentNeedsAPendingDivision) {
  const KeyCase cases[] = {
      {"5 0 / 2 0 0 %", "25", "", ""},
      {"5 0 / 2 0 0 % 3", "25", "", ""},
      {"5 0 / 2 0 0 % + 5 =", "30", "", ""},
      {"5 + 2 %", "2", "", ""},
      {"2 %", "2", "", ""},
      {"5 / %", "5", "", "０で除算は出来ません。"},
      {"5 / % 1", "5", "", "０で除算は出来ません。"},
  };
  run_cases(std::begin(cases), std::end(cases));
}

TEST(CalcKeys, MemoryKeysAndTheirMark) {
  const KeyCase cases[] = {
      // "M+" on a result adds it, shows the memory and locks the digit keys.
      {"7 + 3 = M+", "10", "Ｍ", ""},
      {"7 + 3 = M+ 5", "10", "Ｍ", ""},
      {"7 + 3 = M+ 5 + 2 =", "12", "Ｍ", ""},
      {"7 + 3 = M+ . 5", "10", "Ｍ", ""},
      // Without a result "M+" recalls the memory into the entry.
      {"7 + 3 = M+ CE 2 * M+ =", "20", "Ｍ", ""},
      {"7 + 3 = M+ CE 2 * M+ 5", "10", "Ｍ", ""},
      {"M+", "0", "", ""},
      // "M-" on a result subtracts it; at once again it clears the memory.
      {"7 + 3 = M-", "-10", "Ｍ", ""},
      {"7 + 3 = M- M-", "0", "", ""},
      // A recall by "M-" leaves the digit keys free to extend it.
      {"7 + 3 = M+ CE M- 5", "105", "Ｍ", ""},
      {"7 + 3 = M+ 2 0 = M+", "10", "Ｍ", ""},
      {"7 + 3 = M+ + 5 = M+", "25", "Ｍ", ""},
      {"7 + 3 = M+ MC", "0", "", ""},
      {"7 + 3 = M+ MC M+", "0", "", ""},
      {"7 + 3 = M+ C", "0", "", ""},
      {"7 + 3 = M+ C M+", "0", "", ""},
      // "MC" with an empty memory changes nothing.
      {"7 + 3 MC", "3", "", ""},
      {"7 + 3 MC =", "10", "", ""},
  };
  run_cases(std::begin(cases), std::end(cases));
}

TEST(CalcKeys, OverflowResetsAndSaysSo) {
  const QString big = "9 9 9 9 9 9 9";
  const QString e35 = QStringList{big, big, big, big, big}.join(" * ");  // about 1E+35 pending
  const QByteArray at_equals = (e35 + " * " + big + " =").toUtf8();
  const QByteArray at_operator = (e35 + " * " + big + " *").toUtf8();
  const QByteArray then_on = (e35 + " * " + big + " = + 4 =").toUtf8();
  const QByteArray percent = (e35 + " / 0 . 0 0 0 0 1 %").toUtf8();
  const QByteArray memory = (e35 + " * 2 0 0 0 = M+ * 1 = M+").toUtf8();
  const QByteArray memory_minus = (e35 + " * 2 0 0 0 = M+ +- * 1 = M-").toUtf8();
  const KeyCase cases[] = {
      {at_equals.constData(), "0", "", "オーバーフローしました。"},
      {at_operator.constData(), "0", "", "オーバーフローしました。"},
      {then_on.constData(), "4", "", "オーバーフローしました。"},
      {percent.constData(), "0", "", "オーバーフローしました。"},
      {memory.constData(), "0", "Ｍ", "オーバーフローしました。"},
      {memory_minus.constData(), "0", "Ｍ", "オーバーフローしました。"},
  };
  run_cases(std::begin(cases), std::end(cases));

  // The memory keeps what it held before the failed addition, and the digit
  // keys work again at once.
  EngineDriver calc(CalcFace::Arithmetic);
  calc.press(QString::fromUtf8(memory));
  const float held = calc.engine.memory();
  EXPECT_GT(held, 1.9e38f);
  calc.press("5");
  EXPECT_EQ(calc.engine.display(), "5");
  calc.press("M-");
  EXPECT_EQ(calc.engine.memory(), held);
}

}  // namespace

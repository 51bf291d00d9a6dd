#include "core/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

namespace {

struct SingleCase {
  float value;
  const char* text;
};

struct DoubleCase {
  double value;
  const char* text;
};

TEST(GeneralTextSingle, FollowsTheDisplayRules) {
  const SingleCase cases[] = {
      // Zero, also negative zero, is a bare 0.
      {0.0f, "0"},
      {-0.0f, "0"},
      // Whole numbers without point; below 1 keeps its 0; negatives start with '-'.
      {25.0f, "25"},
      {0.5f, "0.5"},
      {-0.5f, "-0.5"},
      {-47.0f, "-47"},
      // The float's own value rounded to 7 digits, not its double expansion.
      {0.1f, "0.1"},
      {1.0f / 3.0f, "0.3333333"},
      {2.0f / 3.0f, "0.6666667"},
      {1234.56f, "1234.56"},
      {0.123456f, "0.123456"},
      {3.05f, "3.05"},
      // 7 digits stay plain, 8 digits go scientific with a 7-digit mantissa.
      {1234567.0f, "1234567"},
      {9999999.0f, "9999999"},
      {12345678.0f, "1.234568E+07"},
      {-12345678.0f, "-1.234568E+07"},
      {10000000.0f, "1E+07"},
      {123400000.0f, "1.234E+08"},
      // Exponent -4 stays plain, -5 goes scientific.
      {0.0001f, "0.0001"},
      {0.0001234567f, "0.0001234567"},
      {0.00001f, "1E-05"},
      {0.000015f, "1.5E-05"},
      {2.546298E-06f, "2.546298E-06"},
      {-0.000015f, "-1.5E-05"},
      // Rounding may carry into the next digit.
      {1.9999999f, "2"},
      // 9.9999995 has no float of its own: the nearest, 9.99999905, is below
      // the half and keeps seven nines.
      {9.9999995f, "9.999999"},
      {0.000099999997f, "0.0001"},
      // Exact halves round away from zero.
      {1234567.5f, "1234568"},
      {1234568.5f, "1234569"},
      {-1234568.5f, "-1234569"},
      // Extremes of the type; the exponent may need three digits only for doubles.
      {FLT_MAX, "3.402823E+38"},
      {std::numeric_limits<float>::denorm_min(), "1.401298E-45"},
      {std::numeric_limits<float>::infinity(), "Infinity"},
      {std::numeric_limits<float>::quiet_NaN(), "NaN"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(general_text(c.value), QString::fromLatin1(c.text)) << c.text;
  }
}

TEST(GeneralTextDouble, FollowsTheDisplayRulesWithFifteenDigits) {
  const DoubleCase cases[] = {
      {0.0, "0"},
      {-0.0, "0"},
      {5.0, "5"},
      {-2.5, "-2.5"},
      // 15 significant digits hide the binary error of short decimals.
      {0.1, "0.1"},
      {0.1 + 0.2, "0.3"},
      {2.0 / 3.0, "0.666666666666667"},
      {8.0 / 13.0, "0.615384615384615"},
      {590.0 / 140.0, "4.21428571428571"},
      // 15 digits stay plain, 16 go scientific.
      {123456789012345.0, "123456789012345"},
      {999999999999999.0, "999999999999999"},
      {1234567890123456.0, "1.23456789012346E+15"},
      {1e15, "1E+15"},
      // A single-precision text's mantissa scaled back in double precision.
      {1.234568 * 1e7, "12345680"},
      {1.234 * 1e8, "123400000"},
      {2.546298 * 1e-6, "2.546298E-06"},
      // Exponent boundaries and three-digit exponents.
      {0.0001, "0.0001"},
      {0.00001, "1E-05"},
      {1e100, "1E+100"},
      {-1e-300, "-1E-300"},
      // Rounding carry to the next power of ten; the exponent is taken after
      // rounding, so the carry can also change the form.
      {999999999999999.9, "1E+15"},
      {0.000099999999999999996, "0.0001"},
      {0.9999999999999999, "1"},
      {9.999999999999996, "10"},
      {99999999999999.99, "100000000000000"},
      {DBL_MAX, "1.79769313486232E+308"},
      {-std::numeric_limits<double>::infinity(), "-Infinity"},
      // The same values as floats show 7 digits (above).
      {1.0 / 3.0, "0.333333333333333"},
      {12345678.0, "12345678"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(general_text(c.value), QString::fromLatin1(c.text)) << c.text;
  }
}

TEST(SignedText, BlankBeforeNonNegativeAndNoZeroBeforeThePoint) {
  const SingleCase cases[] = {
      {0.0f, " 0"},
      {-0.0f, " 0"},
      {12.0f, " 12"},
      {0.5f, " .5"},
      {-0.5f, "-.5"},
      {-12.25f, "-12.25"},
      // The entry-length limit: 123456 and 1234567 take 7 and 8 characters,
      // 0.123456 takes 8 because of the blank.
      {123456.0f, " 123456"},
      {1234567.0f, " 1234567"},
      {1234.56f, " 1234.56"},
      {0.123456f, " .123456"},
      // The scientific form has no leading 0 to drop.
      {0.000015f, " 1.5E-05"},
      {-12345678.0f, "-1.234568E+07"},
      {-std::numeric_limits<float>::infinity(), "-Infinity"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(signed_text(c.value), QString::fromLatin1(c.text)) << c.text;
  }
  EXPECT_EQ(signed_text(std::numeric_limits<double>::infinity()), " Infinity");
  EXPECT_EQ(signed_text(0.5), " .5");
  EXPECT_EQ(signed_text(-2.0 / 3.0), "-.666666666666667");
  EXPECT_EQ(signed_text(3.0), " 3");
}

TEST(SignedText, BuildsTheStandingsAverageColumns) {
  // Runs per game: signed text, ".00" for a whole quotient else "000", first 5.
  auto average = [](int runs, int games) {
    const QString tail = runs % games == 0 ? ".00" : "000";
    return (signed_text(static_cast<double>(runs) / games) + tail).left(5);
  };
  EXPECT_EQ(average(700, 140), " 5.00");
  EXPECT_EQ(average(590, 140), " 4.21");
  EXPECT_EQ(average(70, 140), " .500");
  // Winning rate: general text + "000000", first 6 characters (cut, not rounded).
  EXPECT_EQ((general_text(8.0 / 13.0) + "000000").left(6), "0.6153");
  EXPECT_EQ((general_text(2.0 / 3.0) + "000000").left(6), "0.6666");
  EXPECT_EQ((general_text(0.5) + "000000").left(6), "0.5000");
}

struct ReadCase {
  const char* text;
  double value;
};

TEST(TextToNumber, ReadsLikeVal) {
  const ReadCase cases[] = {
      // No number at all gives 0.
      {"", 0},
      {"   ", 0},
      {"abc", 0},
      {"-", 0},
      {".", 0},
      {"+-5", 0},
      // Leading blanks and tabs are skipped, leading zeros are harmless.
      {"12", 12},
      {"  12", 12},
      {"\t7", 7},
      {"0012", 12},
      {" 5", 5},
      // Sign, point and fraction.
      {"-5", -5},
      {"+5", 5},
      {"1.5", 1.5},
      {".5", 0.5},
      {"-.5", -0.5},
      {"5.", 5},
      // Reading stops at the first character that cannot continue the number.
      {"12abc", 12},
      {"1.2.3", 1.2},
      {"12 34", 12},
      {"1,000", 1},
      {"- 5", 0},
      {"3-4", 3},
      {"0x10", 0},
      // Exponent with E or D, either case, optional sign; a bare letter is ignored.
      {"1E3", 1000},
      {"1e3", 1000},
      {"1D3", 1000},
      {"2.5E-2", 0.025},
      {"1.5E+07", 15000000},
      {"1E", 1},
      {"1E+", 1},
      {"1Ex", 1},
      {".5E1", 5},
      // Full-width digits are not digits here; callers convert them first.
      {"１２", 0},
      // Beyond the range of a double: no number.
      {"1E999", 0},
      {"-1E999", 0},
      {"1E-999", 0},
  };
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(text_to_number(QString::fromUtf8(c.text)), c.value) << c.text;
  }
}

TEST(TextToNumber, NeverGivesNegativeZero) {
  EXPECT_FALSE(std::signbit(text_to_number("-0")));
  EXPECT_FALSE(std::signbit(text_to_number("-0.000")));
}

TEST(TextToNumber, ReadsBackTheGeneralText) {
  const double values[] = {0.5, -47.0, 1234567.0, 12345680.0, 1.5e-05, 2.546298e-06, 1e100};
  for (const double v : values) {
    EXPECT_DOUBLE_EQ(text_to_number(general_text(v)), v) << v;
    EXPECT_DOUBLE_EQ(text_to_number(signed_text(v)), v) << v;
  }
}

}  // namespace

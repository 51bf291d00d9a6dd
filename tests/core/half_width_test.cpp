#include "core/half_width.h"

#include <gtest/gtest.h>

namespace {

struct HalfCase {
  const char* text;
  const char* half;
};

TEST(ToHalfWidth, ConvertsTheFullWidthForms) {
  const HalfCase cases[] = {
      // Full-width ASCII forms and the ideographic blank.
      {"０１２３４５６７８９", "0123456789"},
      {"ＡＺａｚ！～＋－．＼", "AZaz!~+-.\\"},
      {"１２　３４", "12 34"},
      // Katakana, voiced ones split into base and sound mark.
      {"カタカナ", "ｶﾀｶﾅ"},
      {"ガギグゲゴ", "ｶﾞｷﾞｸﾞｹﾞｺﾞ"},
      {"パピプペポ", "ﾊﾟﾋﾟﾌﾟﾍﾟﾎﾟ"},
      {"ヴ", "ｳﾞ"},
      {"ヲン", "ｦﾝ"},
      {"ァィゥェォッャュョ", "ｧｨｩｪｫｯｬｭｮ"},
      // Japanese punctuation and the long-vowel mark.
      {"。「」、・ー", "｡｢｣､･ｰ"},
      {"゛゜", "ﾞﾟ"},
      // Mixed text: only the convertible characters change.
      {"コーヒー　２杯", "ｺｰﾋｰ 2杯"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(to_half_width(QString::fromUtf8(c.text)), QString::fromUtf8(c.half)) << c.text;
  }
}

TEST(ToHalfWidth, LeavesEverythingElseAlone) {
  const char* kept[] = {
      "",
      "abc 123 ｶﾞ",
      "ひらがな漢字",
      // Katakana without a half-width form.
      "ヮヰヱヵヶ",
      // Neighbours of the converted ranges.
      "\xEF\xBC\x80",  // U+FF00
      "｟",            // U+FF5F
      "゠ヽヾ",        // U+30A0, U+30FD, U+30FE
      "￥￣",
  };
  for (const char* text : kept) {
    EXPECT_EQ(to_half_width(QString::fromUtf8(text)), QString::fromUtf8(text)) << text;
  }
}

TEST(ToHalfWidth, EveryAsciiFormMapsToItsAsciiCharacter) {
  for (char16_t c = u'\uFF01'; c <= u'\uFF5E'; ++c) {
    EXPECT_EQ(to_half_width(QString(QChar(c))), QString(QChar(c - 0xFEE0))) << int(c);
  }
}

TEST(ToHalfWidth, KatakanaAgreeWithCompatibilityNormalisation) {
  // NFKC composes a half-width form back into its full-width katakana, which
  // checks every entry of the table independently.
  int unchanged = 0;
  for (char16_t c = u'\u30A1'; c <= u'\u30FC'; ++c) {
    const QString full(QChar{c});
    const QString half = to_half_width(full);
    if (half == full) {
      ++unchanged;
      continue;
    }
    EXPECT_EQ(half.normalized(QString::NormalizationForm_KC), full) << int(c);
    for (const QChar h : half) {
      EXPECT_TRUE(h.unicode() >= 0xFF61 && h.unicode() <= 0xFF9F) << int(c);
    }
  }
  // ヮ ヰ ヱ ヵ ヶ ヸ ヹ have no half-width form.
  EXPECT_EQ(unchanged, 7);
}

}  // namespace

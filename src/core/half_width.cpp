#include "core/half_width.h"

#include <iterator>

namespace {

constexpr char16_t kFirstKatakana = u'\u30A1';  // ァ

// Half-width forms of U+30A1 (ァ) .. U+30FC (ー), one entry per code point;
// nullptr where there is none.
constexpr const char16_t* kKatakana[] = {
    u"ｧ",    u"ｱ",    u"ｨ",    u"ｲ",    u"ｩ",  u"ｳ",  u"ｪ",  u"ｴ",    u"ｫ",    u"ｵ",   // ァ..オ
    u"ｶ",    u"ｶﾞ",   u"ｷ",    u"ｷﾞ",   u"ｸ",  u"ｸﾞ", u"ｹ",  u"ｹﾞ",   u"ｺ",    u"ｺﾞ",  // カ..ゴ
    u"ｻ",    u"ｻﾞ",   u"ｼ",    u"ｼﾞ",   u"ｽ",  u"ｽﾞ", u"ｾ",  u"ｾﾞ",   u"ｿ",    u"ｿﾞ",  // サ..ゾ
    u"ﾀ",    u"ﾀﾞ",   u"ﾁ",    u"ﾁﾞ",   u"ｯ",  u"ﾂ",  u"ﾂﾞ", u"ﾃ",    u"ﾃﾞ",   u"ﾄ",   // タ..ト
    u"ﾄﾞ",   u"ﾅ",    u"ﾆ",    u"ﾇ",    u"ﾈ",  u"ﾉ",                                   // ド..ノ
    u"ﾊ",    u"ﾊﾞ",   u"ﾊﾟ",   u"ﾋ",    u"ﾋﾞ", u"ﾋﾟ", u"ﾌ",  u"ﾌﾞ",   u"ﾌﾟ",           // ハ..プ
    u"ﾍ",    u"ﾍﾞ",   u"ﾍﾟ",   u"ﾎ",    u"ﾎﾞ", u"ﾎﾟ",                                  // ヘ..ポ
    u"ﾏ",    u"ﾐ",    u"ﾑ",    u"ﾒ",    u"ﾓ",                                          // マ..モ
    u"ｬ",    u"ﾔ",    u"ｭ",    u"ﾕ",    u"ｮ",  u"ﾖ",                                   // ャ..ヨ
    u"ﾗ",    u"ﾘ",    u"ﾙ",    u"ﾚ",    u"ﾛ",                                          // ラ..ロ
    nullptr, u"ﾜ",    nullptr, nullptr, u"ｦ",  u"ﾝ",  u"ｳﾞ", nullptr, nullptr,         // ヮ..ヶ
    u"ﾜﾞ",   nullptr, nullptr, u"ｦﾞ",   u"･",  u"ｰ",                                   // ヷ..ー
};
constexpr char16_t kLastKatakana = u'\u30FC';  // ー
static_assert(std::size(kKatakana) == kLastKatakana - kFirstKatakana + 1);

// The other symbols with a half-width form of their own.
char16_t half_symbol(char16_t c) {
  switch (c) {
    case u'\u3002':
      return u'\uFF61';  // 。
    case u'\u300C':
      return u'\uFF62';  // 「
    case u'\u300D':
      return u'\uFF63';  // 」
    case u'\u3001':
      return u'\uFF64';  // 、
    case u'\u309B':      // ゛
    case u'\u3099':
      return u'\uFF9E';  // combining voiced mark
    case u'\u309C':      // ゜
    case u'\u309A':
      return u'\uFF9F';  // combining semi-voiced mark
    default:
      return 0;
  }
}

}  // namespace

QString to_half_width(const QString& text) {
  QString result;
  result.reserve(text.size());
  for (const QChar ch : text) {
    const char16_t c = ch.unicode();
    if (c >= u'\uFF01' && c <= u'\uFF5E') {
      result += QChar(static_cast<char16_t>(c - 0xFEE0));
    } else if (c == u'\u3000') {
      result += QLatin1Char(' ');
    } else if (c >= kFirstKatakana && c <= kLastKatakana &&
               kKatakana[c - kFirstKatakana] != nullptr) {
      result += QString::fromUtf16(kKatakana[c - kFirstKatakana]);
    } else if (const char16_t half = half_symbol(c); half != 0) {
      result += QChar(half);
    } else {
      result += ch;
    }
  }
  return result;
}

#pragma once
// The paper folder: the printed pages (a month, address labels, New Year
// postcards) as plain data; the drawing lives in ui/page_painter.
// Texts as the pages write them. Widths are reckoned for the fixed-pitch IPA
// Mincho the pages use: a full-width character one em wide, a half-width one
// (ASCII, half-width kana) half an em.
#include <QString>

// No text is made smaller than this; what still does not fit is cut.
inline constexpr double kSmallestPoint = 7;

double text_width_mm(const QString& text, double size_pt);

struct FittedText {
  QString text;
  double size_pt = 0;
};
// The text at base_pt, or smaller down to kSmallestPoint so that it fits
// width_mm; at the smallest size, the characters that fit (ended by `cut_mark`
// when one is given).
FittedText fit_across(const QString& text, double width_mm, double base_pt,
                      const QString& cut_mark = {});
// The same for a column written downwards, one character an em tall.
FittedText fit_down(const QString& text, double length_mm, double base_pt);

// Latin letters, digits, ASCII signs and the blank become full width; half-width
// kana become full-width kana, a voiced one with its sound mark joined (ｶﾞ -> ガ).
QString to_full_width(const QString& text);
// An address as written downwards: full width, every digit a kanji digit
// (〇 for zero, digit by digit: 15 -> 一五), every hyphen or dash the long mark ー.
QString vertical_address(const QString& text);
// Characters that vertical writing turns a quarter to the right: the long mark,
// dashes, brackets, the ellipsis.
bool turns_in_vertical(QChar c);
// The comma and full stop, which vertical writing sets at the top right of their cell.
inline bool sits_top_right_in_vertical(QChar c) {
  return c == u'、' || c == u'。' || c == u'，' || c == u'．';
}

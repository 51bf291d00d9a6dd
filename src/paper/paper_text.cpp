#include "paper/paper_text.h"

#include <algorithm>
#include <cmath>

#include "core/page.h"

namespace {

bool is_half_width(QChar c) {
  return c.unicode() < 0x80 || (c.unicode() >= 0xFF61 && c.unicode() <= 0xFF9F);
}

bool is_half_width_kana(QChar c) { return c.unicode() >= 0xFF61 && c.unicode() <= 0xFF9F; }

double ems(const QString& text) {
  double width = 0;
  for (QChar c : text) width += is_half_width(c) ? 0.5 : 1;
  return width;
}

// The longest head of the text whose width in ems stays within `room`.
QString head_within(const QString& text, double room) {
  double width = 0;
  qsizetype n = 0;
  for (; n < text.size(); ++n) {
    width += is_half_width(text[n]) ? 0.5 : 1;
    if (width > room + 1e-9) break;
  }
  return text.left(n);
}

FittedText fit(const QString& text, double text_ems, double room_mm, double base_pt,
               const QString& cut_mark) {
  if (text_ems <= 0) return {text, base_pt};
  const double fitting_pt = room_mm / (text_ems * kMmPerPoint);
  if (fitting_pt >= base_pt) return {text, base_pt};
  if (fitting_pt >= kSmallestPoint) return {text, std::floor(fitting_pt * 10) / 10};
  const double room_ems = room_mm / (kSmallestPoint * kMmPerPoint);
  return {head_within(text, room_ems - ems(cut_mark)) + cut_mark, kSmallestPoint};
}

}  // namespace

double text_width_mm(const QString& text, double size_pt) {
  return ems(text) * size_pt * kMmPerPoint;
}

FittedText fit_across(const QString& text, double width_mm, double base_pt,
                      const QString& cut_mark) {
  return fit(text, ems(text), width_mm, base_pt, cut_mark);
}

FittedText fit_down(const QString& text, double length_mm, double base_pt) {
  // Downwards every character takes a full em, whatever its width across.
  const QString full = QString(text.size(), u'国');
  const FittedText fitted = fit(full, double(text.size()), length_mm, base_pt, {});
  return {text.left(fitted.text.size()), fitted.size_pt};
}

QString to_full_width(const QString& text) {
  QString out;
  out.reserve(text.size());
  for (qsizetype i = 0; i < text.size();) {
    const QChar c = text[i];
    if (is_half_width_kana(c)) {
      qsizetype end = i;
      while (end < text.size() && is_half_width_kana(text[end])) ++end;
      out += text.mid(i, end - i).normalized(QString::NormalizationForm_KC);
      i = end;
      continue;
    }
    if (c == u' ')
      out += QChar(0x3000);
    else if (c.unicode() > 0x20 && c.unicode() < 0x7F)
      out += QChar(c.unicode() + 0xFEE0);
    else
      out += c;
    ++i;
  }
  return out;
}

QString vertical_address(const QString& text) {
  static const QString kanji_digits = QStringLiteral("〇一二三四五六七八九");
  static const QString dashes = QStringLiteral("－‐‑‒–—―−");
  QString out = to_full_width(text);
  for (QChar& c : out) {
    if (c >= u'０' && c <= u'９')
      c = kanji_digits[c.unicode() - u'０'];
    else if (dashes.contains(c))
      c = u'ー';
  }
  return out;
}

bool turns_in_vertical(QChar c) {
  static const QString turned =
      QStringLiteral("ー～〜…‥（）「」『』【】〔〕［］｛｝〈〉《》＜＞＝：；");
  return turned.contains(c);
}

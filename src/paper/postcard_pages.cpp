// New Year postcards: the postal code in the card's boxes, the address and the
// name written downwards.
#include <algorithm>

#include "paper/address_pages.h"
#include "paper/paper_text.h"

namespace {

constexpr QSizeF kCard(100, 148);
constexpr double kBoxLefts[7] = {44.3, 51.3, 58.3, 65.9, 72.7, 79.5, 86.3};
constexpr double kBoxWidth = 5.7, kBoxHeight = 8.0, kBoxTop = 12.0;
constexpr Rgb kBoxRed{230, 60, 60};
constexpr double kDigitPoint = 16;

// The columns, by their centre across and the span they may fill downwards.
constexpr double kAddressX = 89.5, kAddressTop = 26, kAddressBottom = 128;
constexpr double kAddressPoint = 14;
constexpr double kSecondLineDrop = 2;  // ems the second address column starts lower
constexpr double kNameX = 50, kNameTop = 30, kNameBottom = 138;
constexpr double kNamePoint = 26;

// Writes the text downwards, one character a cell, centred on x.
void add_column(Page& page, const QString& text, double x, double top, double size_pt) {
  const double em = size_pt * kMmPerPoint;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    QRectF cell(x - em / 2, top + em * double(i), em, em);
    if (sits_top_right_in_vertical(c)) cell.translate(em * 0.55, -em * 0.55);
    page.texts.push_back(
        {cell, QString(c), size_pt, kBlack, TextAlign::Centre, turns_in_vertical(c)});
  }
}

// Where a long address line is best broken: at its first blank, before a bracket,
// or after its last block number (the building's name follows); else where the
// first column is full.
qsizetype address_break(const QString& line, qsizetype fits) {
  static const QString block = QStringLiteral("〇一二三四五六七八九ー");
  qsizetype at = line.indexOf(u'　');
  if (at <= 0) at = line.indexOf(u'（');
  if (at <= 0) {
    at = line.size();
    while (at > 0 && !block.contains(line[at - 1])) --at;
  }
  return at > 0 && at <= fits && at < line.size() ? at : fits;
}

// A first line too long for one column, with no second line, goes on in a second column.
std::pair<QString, QString> address_columns(const PostalAddress& address) {
  QString first = vertical_address(address.line1), second = vertical_address(address.line2);
  const double room = kAddressBottom - kAddressTop;
  const FittedText fitted = fit_down(first, room, kAddressPoint);
  if (second.isEmpty() && fitted.size_pt < kAddressPoint) {
    const qsizetype at = address_break(first, qsizetype(room / (kAddressPoint * kMmPerPoint)));
    second = first.mid(at).trimmed();
    first = first.left(at);
  }
  return {first, second};
}

void add_address(Page& page, const PostalAddress& address) {
  const auto [first, second] = address_columns(address);
  const double room = kAddressBottom - kAddressTop;
  // Both columns share one size, the one the longer needs.
  const double drop = second.isEmpty() ? 0 : kSecondLineDrop;
  double size = fit_down(first, room, kAddressPoint).size_pt;
  if (!second.isEmpty())
    size =
        std::min(size, fit_down(second, room - drop * size * kMmPerPoint, kAddressPoint).size_pt);
  const double em = size * kMmPerPoint;
  add_column(page, fit_down(first, room, size).text, kAddressX, kAddressTop, size);
  if (second.isEmpty()) return;
  add_column(page, fit_down(second, room - drop * em, size).text, kAddressX - em * 1.4,
             kAddressTop + drop * em, size);
}

void add_postcode(Page& page, const QString& postcode, BoxOutlines outlines) {
  QString digits;
  for (QChar c : to_full_width(postcode))
    if (c >= u'０' && c <= u'９') digits += c;
  for (int i = 0; i < 7; ++i) {
    const QRectF box(kBoxLefts[i], kBoxTop, kBoxWidth, kBoxHeight);
    if (outlines == BoxOutlines::Draw) page.boxes.push_back({box, kBoxRed, 0.3});
    if (i < digits.size())
      page.texts.push_back({box, QString(QChar(digits[i].unicode() - u'０' + u'0')), kDigitPoint,
                            kBlack, TextAlign::Centre});
  }
}

void add_name(Page& page, const QString& name) {
  const QString text = to_full_width(name) + "　様";
  const FittedText fitted = fit_down(text, kNameBottom - kNameTop, kNamePoint);
  // A name cut short still ends in 様.
  QString shown = fitted.text;
  if (shown.size() < text.size()) shown = shown.left(shown.size() - 1) + u'様';
  add_column(page, shown, kNameX, kNameTop, fitted.size_pt);
}

}  // namespace

QPointF postcode_box_centre(int digit) {
  return {kBoxLefts[digit] + kBoxWidth / 2, kBoxTop + kBoxHeight / 2};
}

PostcardPages postcard_pages(const std::vector<PostalAddress>& addresses, BoxOutlines outlines) {
  PostcardPages result{{"年賀状の宛名", {}}, 0};
  for (const PostalAddress& address : addresses) {
    if (address.name.isEmpty()) {
      ++result.left_out;
      continue;
    }
    Page page{kCard, {}, {}};
    add_postcode(page, address.postcode, outlines);
    add_address(page, address);
    add_name(page, address.name);
    result.document.pages.push_back(std::move(page));
  }
  return result;
}

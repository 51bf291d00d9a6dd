// Address labels: A4 sheets of 2 × 6 labels with no gaps between them.
#include "paper/address_pages.h"
#include "paper/paper_text.h"

namespace {

constexpr double kLabelWidth = 86.4, kLabelHeight = 42.3;
constexpr double kTopMargin = 21.6, kLeftMargin = 18.6;
constexpr int kColumns = 2, kRows = 6;
constexpr double kPadding = 4;  // inside each label, so nothing touches a cut
constexpr double kLinePoint = 10, kNamePoint = 14;
constexpr double kLineGap = 1.2;  // line pitch as a multiple of the text's height

void add_line(Page& page, const QString& text, double base_pt, QPointF& pen, double width) {
  if (text.isEmpty()) return;
  const FittedText fitted = fit_across(text, width, base_pt);
  const double height = fitted.size_pt * kMmPerPoint * kLineGap;
  page.texts.push_back({QRectF(pen.x(), pen.y(), width, height), fitted.text, fitted.size_pt});
  pen.ry() += height;
}

void add_label(Page& page, const PostalAddress& address, int slot) {
  const QRectF label(kLeftMargin + kLabelWidth * (slot % kColumns),
                     kTopMargin + kLabelHeight * (slot / kColumns), kLabelWidth, kLabelHeight);
  const QRectF inside = label.adjusted(kPadding, kPadding, -kPadding, -kPadding);
  QPointF pen = inside.topLeft();
  if (!address.postcode.isEmpty())
    add_line(page, "〒" + address.postcode, kLinePoint, pen, inside.width());
  add_line(page, address.line1, kLinePoint, pen, inside.width());
  add_line(page, address.line2, kLinePoint, pen, inside.width());
  if (address.name.isEmpty()) return;
  // The name stands apart from the address, but never below the label.
  pen.ry() = std::min(pen.y() + 2, inside.bottom() - kNamePoint * kMmPerPoint * kLineGap);
  add_line(page, address.name + "　様", kNamePoint, pen, inside.width());
}

}  // namespace

PaperDocument label_pages(const std::vector<PostalAddress>& addresses) {
  PaperDocument document{"宛名ラベル", {}};
  for (size_t i = 0; i < addresses.size(); ++i) {
    const int slot = int(i % (kColumns * kRows));
    if (slot == 0) document.pages.push_back(Page{QSizeF(210, 297), {}, {}});
    add_label(document.pages.back(), addresses[i], slot);
  }
  return document;
}

std::vector<PostalAddress> postal_addresses(const std::vector<QStringList>& records) {
  std::vector<PostalAddress> addresses;
  for (const QStringList& record : records)
    addresses.push_back({record.value(0).trimmed(), record.value(1).trimmed(),
                         record.value(2).trimmed(), record.value(3).trimmed()});
  return addresses;
}

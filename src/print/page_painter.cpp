#include "print/page_painter.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <map>
#include <memory>

namespace {

// The painter counts in hundredths of a millimetre, so that font sizes given in
// whole pixels still come out to a hundredth of a millimetre.
constexpr double kUnitsPerMm = 100;
const QString kFontFamily = QStringLiteral("IPAMincho");

QRectF in_units(const QRectF& mm) {
  return {mm.x() * kUnitsPerMm, mm.y() * kUnitsPerMm, mm.width() * kUnitsPerMm,
          mm.height() * kUnitsPerMm};
}

QColor colour(const Rgb& rgb) { return QColor(rgb.r, rgb.g, rgb.b); }

Qt::Alignment alignment(TextAlign align) {
  switch (align) {
    case TextAlign::Left:
      return Qt::AlignLeft | Qt::AlignVCenter;
    case TextAlign::Centre:
      return Qt::AlignCenter;
    case TextAlign::Right:
      return Qt::AlignRight | Qt::AlignVCenter;
  }
  return Qt::AlignLeft;
}

class FontCache {
 public:
  const QFont& font(double size_pt) {
    const int pixels = qMax(1, qRound(size_pt * kMmPerPoint * kUnitsPerMm));
    auto [it, added] = fonts_.try_emplace(pixels, kFontFamily);
    if (added) it->second.setPixelSize(pixels);
    return it->second;
  }

 private:
  std::map<int, QFont> fonts_;
};

void paint_page(QPainter& painter, const Page& page, FontCache& fonts) {
  for (const PageBox& box : page.boxes) {
    painter.setPen(QPen(colour(box.colour), box.line_mm * kUnitsPerMm));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(in_units(box.box));
  }
  for (const PageText& text : page.texts) {
    painter.setPen(colour(text.colour));
    painter.setFont(fonts.font(text.size_pt));
    const QRectF box = in_units(text.box);
    const int flags = int(alignment(text.align)) | Qt::TextSingleLine;
    if (!text.turned) {
      painter.drawText(box, flags, text.text);
      continue;
    }
    painter.save();
    painter.translate(box.center());
    painter.rotate(90);
    painter.drawText(QRectF(-box.height() / 2, -box.width() / 2, box.height(), box.width()), flags,
                     text.text);
    painter.restore();
  }
}

}  // namespace

void set_page_layout(QPagedPaintDevice& device, const PaperDocument& document) {
  const QSizeF size = document.pages.empty() ? QSizeF(210, 297) : document.pages.front().size_mm;
  const bool landscape = size.width() > size.height();
  const QSizeF portrait = landscape ? size.transposed() : size;
  const QPageSize page_size(portrait, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch);
  device.setPageLayout(QPageLayout(page_size,
                                   landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                   QMarginsF(), QPageLayout::Millimeter));
}

void paint_document(QPagedPaintDevice& device, const PaperDocument& document) {
  QPainter painter(&device);
  if (!painter.isActive()) return;
  // The layout has no margins, so the painter's origin is the paper's corner.
  const double scale = device.logicalDpiX() / 25.4 / kUnitsPerMm;
  FontCache fonts;
  for (size_t i = 0; i < document.pages.size(); ++i) {
    if (i > 0) device.newPage();
    painter.resetTransform();
    painter.scale(scale, scale);
    paint_page(painter, document.pages[i], fonts);
  }
}

QByteArray pdf_bytes(const PaperDocument& document) {
  std::unique_ptr<QGuiApplication> app;
  if (!QCoreApplication::instance()) {
    static int argc = 3;
    static char arg0[] = "toribe", arg1[] = "-platform", arg2[] = "offscreen";
    static char* argv[] = {arg0, arg1, arg2, nullptr};
    app = std::make_unique<QGuiApplication>(argc, argv);
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setTitle(document.title);
    writer.setCreator(QStringLiteral("トリベ"));
    writer.setResolution(600);
    set_page_layout(writer, document);
    paint_document(writer, document);
  }
  return bytes;
}

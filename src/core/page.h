#pragma once
// A printed page as plain data: texts and boxes placed in millimetres from the
// page's top left corner. The paper builders fill it, the painter draws it on a
// printer or a PDF, and the tests read it without any drawing.
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <vector>

#include "core/form.h"

enum class TextAlign { Left, Centre, Right };

struct PageText {
  QRectF box;  // mm; the text stands on one line inside it
  QString text;
  double size_pt = 10;
  Rgb colour = kBlack;
  TextAlign align = TextAlign::Left;
  // Drawn turned a quarter to the right about the box's centre, as vertical
  // writing turns ー, brackets and the ellipsis.
  bool turned = false;
};

// A box outline, as the postcode boxes of a postcard.
struct PageBox {
  QRectF box;  // mm
  Rgb colour = kBlack;
  double line_mm = 0.2;
};

struct Page {
  QSizeF size_mm;  // width × height as the page is read: A4 landscape is 297 × 210
  std::vector<PageBox> boxes;
  std::vector<PageText> texts;
};

struct PaperDocument {
  QString title;  // the print job's name
  std::vector<Page> pages;
};

inline constexpr double kMmPerPoint = 25.4 / 72;

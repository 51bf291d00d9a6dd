#pragma once
// The print module: pages drawn by Qt Print Support, into PDF bytes or in the
// print preview, from which they are printed or saved.
#include <QByteArray>

#include "core/page.h"

struct PrintFeature {
  static constexpr char kModule[] = "print";
  static constexpr char kTitle[] = "印刷";
  // The document as PDF, fonts embedded; runs without a display. Empty when the
  // pages could not be drawn.
  QByteArray (*pdf)(const PaperDocument& document);
  // Qt's print preview of the pages, modal; needs the application's windows.
  void (*preview)(const PaperDocument& document);
};

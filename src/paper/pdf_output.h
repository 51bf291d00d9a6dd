#pragma once
// Pages as PDF bytes. The drawing needs QtGui, which the logic does not link:
// the program hands in its PDF maker (page_painter) at start, and the commands
// reach it through here.
#include <QByteArray>

#include "core/page.h"

using PdfMaker = QByteArray (*)(const PaperDocument& document);

void set_pdf_maker(PdfMaker maker);
// Empty when no maker was handed in or the pages could not be drawn.
QByteArray make_pdf(const PaperDocument& document);

#pragma once
// Draws the pages' plain data with QPainter: on a printer (the print preview)
// or into PDF bytes. Needs QtGui and Qt Print Support, unlike the rest of paper/.
#include <QByteArray>

#include "core/page.h"

class QPagedPaintDevice;

// Sets the device to the first page's size and orientation, with no margins.
void set_page_layout(QPagedPaintDevice& device, const PaperDocument& document);
// Draws every page on a device whose layout set_page_layout chose.
void paint_document(QPagedPaintDevice& device, const PaperDocument& document);
// The document as PDF, with its fonts embedded. Runs without a display: when the
// program has no application object yet, it makes one on the offscreen platform.
QByteArray pdf_bytes(const PaperDocument& document);

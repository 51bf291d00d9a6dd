#include "paper/pdf_output.h"

namespace {

PdfMaker pdf_maker = nullptr;

}  // namespace

void set_pdf_maker(PdfMaker maker) { pdf_maker = maker; }

QByteArray make_pdf(const PaperDocument& document) {
  return pdf_maker ? pdf_maker(document) : QByteArray();
}

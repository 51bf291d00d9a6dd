// The print module's entry: Qt's print preview and the PDF writer.
#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "core/module_loader.h"
#include "print/page_painter.h"
#include "print/print_feature.h"

namespace {

void preview(const PaperDocument& document) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(document.title);
  printer.setFullPage(true);
  set_page_layout(printer, document);
  QPrintPreviewDialog dialog(&printer, QApplication::activeWindow());
  dialog.setObjectName("PrintPreview");
  dialog.resize(900, 760);
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                   [&document](QPrinter* target) { paint_document(*target, document); });
  dialog.exec();
}

const PrintFeature functions{&pdf_bytes, &preview};

}  // namespace

class PrintModule : public QObject, public FeatureModule {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID TORIBE_FEATURE_MODULE_IID)
  Q_INTERFACES(FeatureModule)

 public:
  QString name() const override { return PrintFeature::kModule; }
  const void* functions() const override { return &::functions; }
};

#include "print_module.moc"

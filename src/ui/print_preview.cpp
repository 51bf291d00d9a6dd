// The Qt platform's paper services: Qt's print preview, and the list of names
// with check boxes shown before it.
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/font_config_reader.h"
#include "ui/japanese.h"
#include "ui/page_painter.h"
#include "ui/qt_platform.h"

void QtPlatform::print_preview(const PaperDocument& document) {
  finish_reading_font_configuration();
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

std::optional<TickedNames> QtPlatform::choose_ticked(const QString& title, const QString& prompt,
                                                     const QStringList& names,
                                                     const QString& option) {
  finish_reading_font_configuration();
  QDialog dialog(QApplication::activeWindow());
  dialog.setObjectName("TickList");
  dialog.setWindowTitle(title);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(new QLabel(prompt));
  auto* list = new QListWidget;
  for (const QString& name : names) {
    auto* item = new QListWidgetItem(name, list);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Checked);
  }
  layout->addWidget(list);
  auto* option_box = new QCheckBox(option);
  option_box->setObjectName("TickOption");
  option_box->setVisible(!option.isEmpty());
  layout->addWidget(option_box);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  const auto tick_all = [list](Qt::CheckState state) {
    for (int i = 0; i < list->count(); ++i) list->item(i)->setCheckState(state);
  };
  QObject::connect(buttons->addButton("すべてチェック", QDialogButtonBox::ResetRole),
                   &QPushButton::clicked, [=] { tick_all(Qt::Checked); });
  QObject::connect(buttons->addButton("すべて外す", QDialogButtonBox::ResetRole),
                   &QPushButton::clicked, [=] { tick_all(Qt::Unchecked); });
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons);
  japanese_button_texts(&dialog);
  dialog.resize(360, 420);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  TickedNames chosen;
  for (int i = 0; i < list->count(); ++i)
    chosen.ticks << (list->item(i)->checkState() == Qt::Checked);
  chosen.option = !option.isEmpty() && option_box->isChecked();
  return chosen;
}

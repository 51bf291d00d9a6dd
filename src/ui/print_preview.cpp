// The Qt platform's paper services: the print preview (from the print module),
// and the list of names with check boxes shown before it.
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/module_loader.h"
#include "print/print_feature.h"
#include "ui/font_config_reader.h"
#include "ui/japanese.h"
#include "ui/qt_platform.h"

void QtPlatform::print_preview(const PaperDocument& document) {
  finish_reading_font_configuration();
  QString error;
  if (const PrintFeature* print = load_feature<PrintFeature>(error))
    print->preview(document);
  else
    message(error, MsgButtons::Ok, MsgIcon::Exclamation, {});
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

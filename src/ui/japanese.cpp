#include "ui/japanese.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool install_japanese_translation(QApplication& app) {
  const QLocale japanese(QLocale::Japanese, QLocale::Japan);
  QLocale::setDefault(japanese);
  auto* translator = new QTranslator(&app);
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  if (!translator->load(japanese, "qtbase", "_", folder) &&
      !translator->load(japanese, "qt", "_", folder)) {
    delete translator;
    return false;
  }
  return QApplication::installTranslator(translator);
}

void japanese_button_texts(QWidget* dialog) {
  // Qt's English names of the standard buttons, as the untranslated dialogs show them.
  static const struct {
    const char* english;
    const char* japanese;
  } kNames[] = {
      {"&OK", "OK"},
      {"OK", "OK"},
      {"&Cancel", "キャンセル"},
      {"Cancel", "キャンセル"},
      {"&Yes", "はい(&Y)"},
      {"Yes", "はい(&Y)"},
      {"&No", "いいえ(&N)"},
      {"No", "いいえ(&N)"},
  };
  for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
    for (const auto& name : kNames)
      if (button->text() == QLatin1String(name.english))
        button->setText(QString::fromUtf8(name.japanese));
}

#include "ui/japanese.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// The text boxes' context menus as a Japanese user knows them, laid over Qt's
// translation (which says "すべてを選択") and standing in for it where it is missing.
class ContextMenuTexts : public QTranslator {
 public:
  using QTranslator::QTranslator;
  bool isEmpty() const override { return false; }
  QString translate(const char* context, const char* source, const char*, int) const override {
    static const struct {
      const char* english;
      const char* japanese;
    } kTexts[] = {
        {"&Undo", "元に戻す(&U)"},    {"&Redo", "やり直し(&R)"},  {"Cu&t", "切り取り(&T)"},
        {"&Copy", "コピー(&C)"},      {"&Paste", "貼り付け(&P)"}, {"Delete", "削除"},
        {"Select All", "すべて選択"},
    };
    if (qstrcmp(context, "QLineEdit") != 0 && qstrcmp(context, "QWidgetTextControl") != 0)
      return {};
    for (const auto& text : kTexts)
      if (qstrcmp(source, text.english) == 0) return QString::fromUtf8(text.japanese);
    return {};
  }
};

}  // namespace

bool install_japanese_translation(QApplication& app) {
  const QLocale japanese(QLocale::Japanese, QLocale::Japan);
  QLocale::setDefault(japanese);
  auto* translator = new QTranslator(&app);
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  const bool found = translator->load(japanese, "qtbase", "_", folder) ||
                     translator->load(japanese, "qt", "_", folder);
  if (found)
    QApplication::installTranslator(translator);
  else
    delete translator;
  // Installed last, so it is asked first.
  QApplication::installTranslator(new ContextMenuTexts(&app));
  return found;
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

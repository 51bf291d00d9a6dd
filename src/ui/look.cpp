#include "ui/look.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QImageReader>
#include <QLineEdit>
#include <QPixmapCache>
#include <QPlainTextEdit>
#include <QPushButton>

QColor to_qcolor(const Rgb& rgb, QPalette::ColorRole role) {
  if (rgb.system) return QApplication::palette().color(role);
  return QColor(rgb.r, rgb.g, rgb.b);
}

Rgb to_rgb(const QColor& colour) { return {colour.red(), colour.green(), colour.blue()}; }

namespace {
bool is_text_entry(const QWidget* widget) {
  return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget) ||
         qobject_cast<const QAbstractItemView*>(widget) || qobject_cast<const QComboBox*>(widget);
}
}  // namespace

QPalette::ColorRole fore_role(const QWidget* widget) {
  if (is_text_entry(widget)) return QPalette::Text;
  // Option buttons and check boxes draw their caption as window text.
  if (qobject_cast<const QPushButton*>(widget)) return QPalette::ButtonText;
  return QPalette::WindowText;
}

QPalette::ColorRole back_role(const QWidget* widget) {
  if (is_text_entry(widget)) return QPalette::Base;
  if (qobject_cast<const QPushButton*>(widget)) return QPalette::Button;
  return QPalette::Window;
}

QFont to_qfont(const Font& font) {
  static const struct {
    const char* design;
    const char* ipa;
  } kFonts[] = {
      {"ＭＳ ゴシック", "IPAGothic"},
      {"ＭＳ Ｐゴシック", "IPAPGothic"},
      {"ＭＳ 明朝", "IPAMincho"},
      {"ＭＳ Ｐ明朝", "IPAPMincho"},
  };
  QFont result = default_font();
  bool design_font = false;
  for (const auto& entry : kFonts)
    if (font.family == QString::fromUtf8(entry.design)) {
      result.setFamily(entry.ipa);
      design_font = true;
    }
  // Any other family is named for characters the IPA fonts draw out of size (their
  // ◐ and ◑ are half as large as ● and ○); what it lacks still comes from IPAPGothic.
  if (!design_font && !font.family.isEmpty())
    result.setFamilies({font.family, QStringLiteral("IPAPGothic")});
  result.setPointSizeF(font.size);
  result.setBold(font.bold);
  return result;
}

QFont control_font(const Control& control) {
  QFont font = to_qfont(control.font);
  if (control.font.family.isEmpty() &&
      (control.kind == Kind::ListBox || control.kind == Kind::ComboBox)) {
    font.setFamily("IPAGothic");
    font.setStyleHint(QFont::Monospace);
  }
  return font;
}

QFont default_font() {
  QFont font("IPAPGothic", 9);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

QIcon application_icon() {
  QIcon icon;
  for (int size : {16, 32, 48, 64, 128, 256})
    icon.addPixmap(read_png(QString(":/app/toribe_%1.png").arg(size)));
  return icon;
}

QPixmap read_png(const QString& path) {
  QImageReader reader(path, "png");
  // Told the format, the reader still asks every image plugin whether it knows
  // better (loading the gif, ico and jpeg plugins and libjpeg) unless it may not guess.
  reader.setAutoDetectImageFormat(false);
  return QPixmap::fromImage(reader.read());
}

namespace {

// ":/toolbar/NN.png" (1 to 26) is cut from one strip of them all: opening 26
// small PNG files costs more than the rest of building the toolbar.
QPixmap toolbar_picture(const QString& path) {
  static const QString kPrefix = QStringLiteral(":/toolbar/");
  if (path.size() != kPrefix.size() + 6 || !path.startsWith(kPrefix) || !path.endsWith(".png"))
    return {};
  bool ok = false;
  const int number = path.mid(kPrefix.size(), 2).toInt(&ok);
  if (!ok || number < 1 || number > 26) return {};
  QPixmap strip;
  if (!QPixmapCache::find(QStringLiteral("toribe-toolbar-strip"), &strip)) {
    strip = read_png(":/toolbar/strip.png");
    if (strip.width() < 16 * 26) return {};
    QPixmapCache::insert(QStringLiteral("toribe-toolbar-strip"), strip);
  }
  return strip.copy(16 * (number - 1), 0, 16, 16);
}

}  // namespace

QPixmap load_picture(const QString& path) {
  QPixmap picture = toolbar_picture(path);
  if (picture.isNull()) picture = read_png(path);
  return picture;
}

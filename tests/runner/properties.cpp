#include "properties.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>

#include "ui/look.h"
#include "ui/shape_widget.h"
#include "ui/twips.h"

namespace {

QString crlf(const QString& text) {
  return QString(text).replace("\r\n", "\n").replace('\n', "\r\n");
}

Shown text(const QString& value) { return {Shown::Text, value}; }
Shown integer(int value) { return {Shown::Integer, {}, value}; }
Shown boolean(bool value) { return {Shown::Bool, {}, value ? 1 : 0}; }
Shown colour(const QColor& c) { return {Shown::Colour, {}, 0, c.red(), c.green(), c.blue()}; }

std::optional<int> item_index(const QString& prop) {
  if (!prop.startsWith("item(") || !prop.endsWith(')')) return std::nullopt;
  bool ok = false;
  const int k = prop.mid(5, prop.size() - 6).toInt(&ok);
  return ok ? std::optional<int>(k) : std::nullopt;
}

std::optional<Shown> control_text(QWidget* widget) {
  if (auto* label = qobject_cast<QLabel*>(widget)) return text(crlf(label->text()));
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return text(button->text());
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) return text(edit->text());
  if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) return text(crlf(edit->toPlainText()));
  if (auto* combo = qobject_cast<QComboBox*>(widget)) return text(combo->currentText());
  if (auto* frame = qobject_cast<QGroupBox*>(widget)) return text(frame->title());
  if (auto* list = qobject_cast<QListWidget*>(widget))
    return text(list->currentItem() ? list->currentItem()->data(Qt::UserRole).toString() : "");
  return text("");
}

}  // namespace

std::optional<Shown> widget_property(QWidget* widget, const QString& prop) {
  auto* list = qobject_cast<QListWidget*>(widget);
  auto* combo = qobject_cast<QComboBox*>(widget);
  if (prop == "text") return control_text(widget);
  if (prop == "fore") {
    if (auto* shape = dynamic_cast<ShapeWidget*>(widget)) return colour(shape->colour);
    // The control's own colour, also while it is disabled and shown greyed.
    return colour(widget->palette().color(QPalette::Active, fore_role(widget)));
  }
  if (prop == "back") return colour(widget->palette().color(QPalette::Active, back_role(widget)));
  if (prop == "visible") return boolean(widget->isVisibleTo(widget->window()));
  if (prop == "enabled") return boolean(widget->isEnabled());
  if (prop == "locked") {
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) return boolean(edit->isReadOnly());
    if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) return boolean(edit->isReadOnly());
    return boolean(false);
  }
  if (prop == "checked") {
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) return boolean(button->isChecked());
    return boolean(false);
  }
  if (prop == "tooltip") return text(widget->toolTip());
  if (prop == "left") return integer(to_twips(widget->x()));
  if (prop == "top") return integer(to_twips(widget->y()));
  if (prop == "width") return integer(to_twips(widget->width()));
  if (prop == "height") return integer(to_twips(widget->height()));
  if (prop == "focus") return boolean(widget->hasFocus());
  if (prop == "count") {
    if (list) return integer(list->count());
    if (combo) return integer(combo->count());
    return std::nullopt;
  }
  if (prop == "selected") {
    if (list) return integer(list->currentRow());
    if (combo) return integer(combo->currentIndex());
    return std::nullopt;
  }
  if (prop == "value") {
    if (auto* bar = qobject_cast<QScrollBar*>(widget)) return integer(bar->value());
    return std::nullopt;
  }
  if (const auto k = item_index(prop)) {
    if (list && *k >= 0 && *k < list->count())
      return text(list->item(*k)->data(Qt::UserRole).toString());
    if (combo && *k >= 0 && *k < combo->count()) return text(combo->itemText(*k));
    return std::nullopt;
  }
  return std::nullopt;
}

std::optional<Shown> action_property(QAction* action, const QString& prop) {
  if (prop == "text") return text(action->text());
  if (prop == "visible") return boolean(action->isVisible());
  if (prop == "enabled") return boolean(action->isEnabled());
  if (prop == "checked") return boolean(action->isChecked());
  if (prop == "tooltip") {
    // A QAction without a tooltip answers its own text; a person sees no tooltip then.
    const QString tip = action->toolTip();
    return text(tip == QString(action->text()).remove('&') ? QString() : tip);
  }
  return std::nullopt;
}

std::optional<Shown> window_property(QWidget* window, const QString& prop) {
  if (prop == "caption") return text(window->windowTitle());
  // Outer sizes, title bar and borders included, as the design gives them.
  const QRect outer = window->frameGeometry();
  if (prop == "left") return integer(to_twips(outer.x()));
  if (prop == "top") return integer(to_twips(outer.y()));
  if (prop == "width") return integer(to_twips(outer.width()));
  if (prop == "height") return integer(to_twips(outer.height()));
  if (prop == "visible") return boolean(window->isVisible());
  return std::nullopt;
}

QString to_value_text(const Shown& shown) {
  switch (shown.type) {
    case Shown::Integer:
      return QString::number(shown.number);
    case Shown::Bool:
      return shown.number ? "true" : "false";
    case Shown::Colour:
      return QString("%1,%2,%3").arg(shown.r).arg(shown.g).arg(shown.b);
    case Shown::Text: {
      QString escaped = shown.text;
      escaped.replace("\\", "\\\\")
          .replace("\"", "\\\"")
          .replace("\r", "\\r")
          .replace("\n", "\\n")
          .replace("\t", "\\t");
      return "\"" + escaped + "\"";
    }
  }
  return {};
}

QStringList all_properties(QWidget* widget, QAction* action, bool window) {
  static const QStringList kWindowProps{"caption", "left", "top", "width", "height", "visible"};
  static const QStringList kProps{"text",    "fore",     "back",  "visible", "enabled", "locked",
                                  "checked", "tooltip",  "left",  "top",     "width",   "height",
                                  "count",   "selected", "value", "focus"};
  QStringList lines;
  if (window) {
    for (const QString& prop : kWindowProps)
      if (auto v = window_property(widget, prop)) lines << prop + " = " + to_value_text(*v);
    return lines;
  }
  for (const QString& prop : kProps) {
    auto v = action ? action_property(action, prop) : widget_property(widget, prop);
    if (v) lines << prop + " = " + to_value_text(*v);
  }
  if (auto* list = qobject_cast<QListWidget*>(widget))
    for (int k = 0; k < list->count(); ++k)
      lines << QString("item(%1) = ").arg(k) +
                   to_value_text(*widget_property(widget, QString("item(%1)").arg(k)));
  return lines;
}

#pragma once
// What a person sees of a control or window, read off the real widgets.
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;
class QAction;

// A property's value as the scenario language writes it (strings unquoted).
struct Shown {
  enum Type { Text, Integer, Bool, Colour } type = Text;
  QString text;
  int number = 0;
  int r = 0, g = 0, b = 0;
};

std::optional<Shown> widget_property(QWidget* widget, const QString& prop);
std::optional<Shown> action_property(QAction* action, const QString& prop);
std::optional<Shown> window_property(QWidget* window, const QString& prop);
// Every property of the widget or action, for dump.
QStringList all_properties(QWidget* widget, QAction* action, bool window);
QString to_value_text(const Shown& shown);

#include "ui/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMenu>

namespace {

const char* const kDecoration = "toribe_decoration";
const char* const kContainer = "toribe_container";
const char* const kSpeaking = "toribe_speaking";
const char* const kCurrent = "toribe_current";

// The children Qt itself would list, less the decorations.
QList<QWidget*> spoken_children(const QWidget* parent) {
  QList<QWidget*> children;
  for (QObject* object : parent->children()) {
    auto* child = qobject_cast<QWidget*>(object);
    if (child && !child->isWindow() && !qobject_cast<QMenu*>(child) &&
        !child->property(kDecoration).toBool())
      children.append(child);
  }
  return children;
}

class Container : public QAccessibleWidget {
 public:
  Container(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}
  int childCount() const override { return int(spoken_children(widget()).size()); }
  QAccessibleInterface* child(int index) const override {
    const QList<QWidget*> children = spoken_children(widget());
    if (index < 0 || index >= children.size()) return nullptr;
    return QAccessible::queryAccessibleInterface(children[index]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (!child || !child->object()) return -1;
    return int(spoken_children(widget()).indexOf(qobject_cast<QWidget*>(child->object())));
  }
};

class SpeakingLabel : public QAccessibleWidget {
 public:
  explicit SpeakingLabel(QWidget* label) : QAccessibleWidget(label, QAccessible::StaticText) {}
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.active = widget()->property(kCurrent).toBool();
    return state;
  }
};

QAccessibleInterface* make_interface(const QString&, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (!widget) return nullptr;
  if (widget->property(kSpeaking).toBool()) return new SpeakingLabel(widget);
  if (widget->property(kContainer).toBool())
    return new Container(
        widget, widget->inherits("QGroupBox") ? QAccessible::Grouping : QAccessible::Client);
  return nullptr;
}

}  // namespace

namespace accessibility {

void install() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(make_interface);
}

void mark_decoration(QWidget* widget) { widget->setProperty(kDecoration, true); }
void mark_container(QWidget* widget) { widget->setProperty(kContainer, true); }
void mark_speaking_label(QWidget* label) { label->setProperty(kSpeaking, true); }

void set_current(QWidget* label, bool current) {
  if (label->property(kCurrent).toBool() == current) return;
  label->setProperty(kCurrent, current);
  QAccessible::State changed;
  changed.active = true;
  QAccessibleStateChangeEvent event(label, changed);
  QAccessible::updateAccessibility(&event);
}

}  // namespace accessibility

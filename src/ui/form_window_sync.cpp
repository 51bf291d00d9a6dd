// Copying a form's description onto its widgets.
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include "ui/form_window.h"
#include "ui/look.h"
#include "ui/shape_widget.h"
#include "ui/twips.h"
#include "ui/widget_text.h"

namespace {

void set_colours(QWidget* widget, const Control& control) {
  QPalette palette = widget->palette();
  const QPalette::ColorRole fore = fore_role(widget);
  // The design's text colour for an enabled control only: a disabled one keeps
  // the platform's greyed text, so it reads as unavailable at a glance.
  const QColor text = to_qcolor(control.fore, QPalette::ButtonText);
  palette.setColor(QPalette::Active, fore, text);
  palette.setColor(QPalette::Inactive, fore, text);
  palette.setColor(QPalette::Disabled, fore,
                   QApplication::palette().color(QPalette::Disabled, fore));
  palette.setColor(back_role(widget), to_qcolor(control.back, back_role(widget)));
  if (palette != widget->palette()) widget->setPalette(palette);
}

}  // namespace

QSize FormWindow::inner_size() const {
  // The design's sizes are outer sizes, title bar and borders included.
  const QSize outer(to_px(form_.width), to_px(form_.height));
  if (!form_.has_border || !isVisible()) return outer;
  return outer - (frameGeometry().size() - size());
}

void FormWindow::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  // The window manager's frame is known only once the window is shown and framed.
  if (!syncing_ && isVisible() && inner_size() != size()) resize(inner_size());
}

void FormWindow::sync() {
  if (!live()) return;
  syncing_ = true;
  setWindowTitle(form_.caption);
  const QRect wanted(to_px(form_.left), to_px(form_.top), to_px(form_.width), to_px(form_.height));
  if (inner_size() != size()) resize(inner_size());
  if (wanted.topLeft() != pos()) move(wanted.topLeft());
  // The window's own background colour, where the form gives one.
  if (const QColor back = to_qcolor(form_.back, QPalette::Window);
      !form_.back.system && client_->palette().color(QPalette::Window) != back) {
    QPalette palette = client_->palette();
    palette.setColor(QPalette::Window, back);
    client_->setPalette(palette);
    client_->setAutoFillBackground(true);
  }
  for (Control& control : form_.controls()) sync_control(control);
  if (form_.visible && !isVisible()) show();
  if (!form_.visible && isVisible()) hide();
  syncing_ = false;
  // Moving the focus last, outside the copy, so the control left and the one
  // entered both hear of it.
  if (!form_.focus_request.isEmpty()) {
    QWidget* target = widgets_.value(form_.focus_request);
    form_.focus_request.clear();
    if (target) target->setFocus(Qt::OtherFocusReason);
  }
}

void FormWindow::sync_control(Control& control) {
  if (QAction* action = actions_.value(control.ref())) {
    if (control.kind != Kind::ToolButton) action->setText(control.text);
    action->setToolTip(control.tooltip);
    if (control.checked) action->setCheckable(true);
    action->setChecked(control.checked);
    action->setEnabled(control.enabled);
    action->setVisible(control.visible);
    return;
  }
  QWidget* widget = widgets_.value(control.ref());
  if (!widget) return;
  const QRect geometry(to_px(control.left), to_px(control.top), to_px(control.width),
                       to_px(control.height));
  if (widget->geometry() != geometry) widget->setGeometry(geometry);
  if (widget->isVisibleTo(widget->parentWidget()) != control.visible)
    widget->setVisible(control.visible);
  widget->setEnabled(control.enabled);
  // The widget's own focus policy is kept, to come back to when the control is a tab stop again.
  if (!widget->property("tab_policy").isValid())
    widget->setProperty("tab_policy", int(widget->focusPolicy()));
  const auto own = Qt::FocusPolicy(widget->property("tab_policy").toInt());
  const auto policy = control.tab_stop || own == Qt::NoFocus ? own : Qt::ClickFocus;
  if (widget->focusPolicy() != policy) widget->setFocusPolicy(policy);
  widget->setToolTip(control.tooltip);
  const QFont font = control_font(control);
  if (widget->font() != font) widget->setFont(font);
  set_colours(widget, control);
  const Qt::Alignment align = control.align == Align::Center  ? Qt::AlignCenter
                              : control.align == Align::Right ? Qt::AlignRight | Qt::AlignVCenter
                                                              : Qt::AlignLeft | Qt::AlignVCenter;

  if (auto* shape = dynamic_cast<ShapeWidget*>(widget)) {
    shape->colour = to_qcolor(control.fore, QPalette::WindowText);
    shape->pen_width = control.border_width;
    shape->fill = control.filled ? to_qcolor(control.back, QPalette::Window) : QColor();
    shape->rounded = control.rounded;
    shape->update();
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setAutoFillBackground(!control.transparent && !control.back.system);
    label->setFrameStyle(control.border ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
    if (control.kind == Kind::Image) {
      if (label->property("picture").toString() != control.picture) {
        label->setPixmap(QPixmap(control.picture));
        label->setProperty("picture", control.picture);
      }
    } else {
      label->setWordWrap(control.word_wrap);
      if (label->text() != to_widget_text(control.text))
        label->setText(to_widget_text(control.text));
      label->setAlignment(align);
    }
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    if (button->text() != control.text) button->setText(control.text);
    if (!control.picture.isEmpty()) button->setIcon(QIcon(control.picture));
    button->setChecked(control.checked);
  } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
    frame->setTitle(control.text);
  } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    if (edit->text() != control.text) edit->setText(control.text);
    edit->setReadOnly(control.locked);
    edit->setMaxLength(control.max_length > 0 ? control.max_length : 32767);
    edit->setAlignment(align);
    edit->setInputMethodHints(control.ime == ImeMode::Alphanumeric
                                  ? Qt::ImhPreferLatin | Qt::ImhNoPredictiveText
                                  : Qt::ImhNone);
  } else if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) {
    if (from_widget_text(edit->toPlainText()) != control.text) {
      edit->setPlainText(to_widget_text(control.text));
      edit->moveCursor(QTextCursor::End);
    }
    edit->setReadOnly(control.locked);
  } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
    QStringList shown;
    for (int i = 0; i < list->count(); ++i) shown << list->item(i)->data(Qt::UserRole).toString();
    if (shown != control.items) {
      list->clear();
      for (const QString& item : control.items) list->addItem(to_widget_text(item));
      for (int i = 0; i < list->count(); ++i)
        list->item(i)->setData(Qt::UserRole, control.items[i]);
    }
    if (list->currentRow() != control.selected) list->setCurrentRow(control.selected);
  } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    QStringList shown;
    for (int i = 0; i < combo->count(); ++i) shown << combo->itemText(i);
    if (shown != control.items) {
      combo->clear();
      combo->addItems(control.items);
    }
    if (combo->currentIndex() != control.selected) combo->setCurrentIndex(control.selected);
  } else if (auto* bar = qobject_cast<QScrollBar*>(widget)) {
    bar->setRange(control.minimum, control.maximum);
    bar->setSingleStep(control.small_change);
    bar->setPageStep(control.large_change);
    if (bar->value() != control.value) bar->setValue(control.value);
  }
}

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
#include <algorithm>

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

// The input method as the box's mode asks: Japanese boxes compose freely, number
// boxes offer digits, code boxes hint Latin, "off" boxes take no composition at all.
// The hints alone do not reach every input method (fcitx5 with Mozc stays in
// hiragana), so half-width boxes take no composition either: keys arrive as typed.
Qt::InputMethodHints input_method_hints(const Control& control) {
  if (control.numeric) return Qt::ImhPreferNumbers | Qt::ImhNoPredictiveText;
  if (control.ime == ImeMode::Alphanumeric) return Qt::ImhPreferLatin | Qt::ImhNoPredictiveText;
  return Qt::ImhNone;
}

void set_input_method(QWidget* edit, const Control& control) {
  const Qt::InputMethodHints hints = input_method_hints(control);
  if (edit->inputMethodHints() != hints) edit->setInputMethodHints(hints);
  const bool half_width = control.numeric || control.ime == ImeMode::Alphanumeric;
  const bool enabled = control.ime != ImeMode::Off && !half_width && !control.locked;
  if (edit->testAttribute(Qt::WA_InputMethodEnabled) != enabled)
    edit->setAttribute(Qt::WA_InputMethodEnabled, enabled);
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
  if (syncing_ || !live() || !isVisible()) return;
  // The window manager's frame is known only once the window is shown and framed.
  if (inner_size() != size()) setFixedSize(inner_size());
  // The user moved the window (or the window manager placed it): the form
  // learns its new place, so the next refresh keeps it.
  if (!placed_) return;
  form_.left = to_twips(x());
  form_.top = to_twips(y());
  applied_.moveTopLeft(QPoint(form_.left, form_.top));
}

void FormWindow::sync() {
  if (!live()) return;
  syncing_ = true;
  if (const QString title = form_.window_title(); windowTitle() != title) setWindowTitle(title);
  // Placed only when the form places it: the user's moves are written back to
  // the form, so a refresh never undoes them. Fixed size: no resizing, no maximising.
  const QRect placed(form_.left, form_.top, form_.width, form_.height);
  if (inner_size() != size() || minimumSize() != maximumSize()) setFixedSize(inner_size());
  if (!placed_ || placed.topLeft() != applied_.topLeft()) move(to_px(form_.left), to_px(form_.top));
  applied_ = placed;
  placed_ = true;
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
    QWidget* target = widget(form_.focus_request);
    form_.focus_request.clear();
    if (target) target->setFocus(Qt::OtherFocusReason);
  }
}

void FormWindow::sync_control(Control& control) {
  if (QAction* action = action_of_.value(&control)) {
    if (control.kind != Kind::ToolButton && action->text() != control.text)
      action->setText(control.text);
    if (action->toolTip() != control.tooltip) action->setToolTip(control.tooltip);
    if (control.checked && !action->isCheckable()) action->setCheckable(true);
    if (action->isChecked() != control.checked) action->setChecked(control.checked);
    if (action->isEnabled() != control.enabled) action->setEnabled(control.enabled);
    if (action->isVisible() != control.visible) action->setVisible(control.visible);
    if (control.kind == Kind::ToolButton) sync_speech(control, nullptr);
    return;
  }
  QWidget* widget = widget_of_.value(&control);
  // Frames come before their children, so a child shown with its frame finds it made.
  if (!widget && control.visible && !deferred_.isEmpty() && deferred_.contains(control.ref()) &&
      !deferred_.contains(control.parent))
    widget = make_deferred(control);
  if (!widget) return;
  const QRect geometry(to_px(control.left), to_px(control.top), to_px(control.width),
                       to_px(control.height));
  if (widget->geometry() != geometry) widget->setGeometry(geometry);
  if (widget->isVisibleTo(widget->parentWidget()) != control.visible)
    widget->setVisible(control.visible);
  if (widget->testAttribute(Qt::WA_ForceDisabled) == control.enabled)
    widget->setEnabled(control.enabled);
  Applied& applied = applied_of_[widget];
  const Qt::FocusPolicy own = control.focusable ? Qt::StrongFocus : applied.own_policy;
  const auto policy = control.tab_stop || own == Qt::NoFocus ? own : Qt::ClickFocus;
  if (widget->focusPolicy() != policy) widget->setFocusPolicy(policy);
  if (widget->toolTip() != control.tooltip) widget->setToolTip(control.tooltip);
  if (!applied.font_set || applied.font != control.font) {
    const QFont font = control_font(control);
    if (widget->font() != font) widget->setFont(font);
    applied.font = control.font;
    applied.font_set = true;
  }
  set_colours(widget, control);
  sync_speech(control, widget);
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
    const bool filled = !control.transparent && !control.back.system;
    if (label->autoFillBackground() != filled) label->setAutoFillBackground(filled);
    const int frame = control.border ? QFrame::Box | QFrame::Plain : QFrame::NoFrame;
    if (label->frameStyle() != frame) label->setFrameStyle(frame);
    if (control.kind == Kind::Image) {
      if (label->property("picture").toString() != control.picture) {
        label->setPixmap(load_picture(control.picture));
        label->setProperty("picture", control.picture);
      }
    } else {
      // Setting it repaints the label even when unchanged.
      if (label->wordWrap() != control.word_wrap) label->setWordWrap(control.word_wrap);
      if (label->text() != to_widget_text(control.text))
        label->setText(to_widget_text(control.text));
      if (label->alignment() != align) label->setAlignment(align);
    }
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    if (button->text() != control.text) button->setText(control.text);
    if (button->property("picture").toString() != control.picture) {
      button->setIcon(control.picture.isEmpty() ? QIcon() : QIcon(load_picture(control.picture)));
      button->setProperty("picture", control.picture);
    }
    if (button->isChecked() != control.checked) button->setChecked(control.checked);
  } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
    if (frame->title() != control.text) frame->setTitle(control.text);
  } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    // Each setter here resets the input method: only what changed is set, so
    // that a composition in progress survives the refresh.
    if (edit->text() != control.text) edit->setText(control.text);
    if (edit->isReadOnly() != control.locked) edit->setReadOnly(control.locked);
    const int max_length = control.max_length > 0 ? control.max_length : 32767;
    if (edit->maxLength() != max_length) edit->setMaxLength(max_length);
    if (edit->alignment() != align) edit->setAlignment(align);
    const QLineEdit::EchoMode echo = control.password ? QLineEdit::Password : QLineEdit::Normal;
    if (edit->echoMode() != echo) edit->setEchoMode(echo);
    set_input_method(edit, control);
  } else if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) {
    if (from_widget_text(edit->toPlainText()) != control.text) {
      edit->setPlainText(to_widget_text(control.text));
      edit->moveCursor(QTextCursor::End);
    }
    if (edit->isReadOnly() != control.locked) edit->setReadOnly(control.locked);
    set_input_method(edit, control);
  } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
    QStringList shown;
    for (int i = 0; i < list->count(); ++i) shown << list->item(i)->data(Qt::UserRole).toString();
    if (shown != control.items) {
      // Rows of one line each share a height: measuring every row is most of
      // the cost of filling a long list.
      const bool one_line = std::none_of(control.items.begin(), control.items.end(),
                                         [](const QString& item) { return item.contains('\n'); });
      list->setUniformItemSizes(one_line);
      list->clear();
      QStringList texts;
      texts.reserve(control.items.size());
      for (const QString& item : control.items) texts << to_widget_text(item);
      list->addItems(texts);
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
    if (bar->minimum() != control.minimum || bar->maximum() != control.maximum)
      bar->setRange(control.minimum, control.maximum);
    if (bar->singleStep() != control.small_change) bar->setSingleStep(control.small_change);
    if (bar->pageStep() != control.large_change) bar->setPageStep(control.large_change);
    if (bar->value() != control.value) bar->setValue(control.value);
  }
}

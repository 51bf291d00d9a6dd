#include "core/spoken_names.h"

#include <QRegularExpression>
#include <algorithm>
#include <limits>

namespace {

// How far a describing label may sit from its box (twips), and how far it may
// reach over the box's edge.
constexpr int kLabelReach = 720;
constexpr int kOverlapSlack = 60;

bool has_words(const QString& text) {
  return std::any_of(text.begin(), text.end(), [](QChar ch) { return ch.isLetterOrNumber(); });
}

bool is_box(Kind kind) {
  return kind == Kind::TextBox || kind == Kind::ListBox || kind == Kind::ComboBox ||
         kind == Kind::HScroll || kind == Kind::VScroll;
}

bool is_captioned(Kind kind) {
  return kind == Kind::Button || kind == Kind::Option || kind == Kind::CheckBox ||
         kind == Kind::Frame || kind == Kind::MenuItem || kind == Kind::Menu;
}

// A label that can name a box: a plain caption, not a bordered display of a
// value nor a cell of a grid that speaks for itself.
bool is_caption_label(const Control& label) {
  return label.kind == Kind::Label && !label.border && label.spoken_name.isEmpty() &&
         has_words(label.text);
}

QString one_line(const QString& text) {
  QString line = text;
  line.replace("\r\n", " ").replace('\n', ' ');
  line = line.simplified();
  while (line.endsWith(u'：') || line.endsWith(':')) line.chop(1);
  return line.trimmed();
}

// "ク リ ア ー", "Ｅ　Ｎ　Ｄ": letters spaced out for looks are read as one word.
QString unspaced(const QString& caption) {
  const QStringList parts = caption.split(QChar(' '), Qt::SkipEmptyParts);
  const bool spaced =
      parts.size() > 1 &&
      std::all_of(parts.begin(), parts.end(), [](const QString& p) { return p.size() == 1; });
  return spaced ? parts.join(QString()) : caption;
}

const Control* frame_of(const Form& form, const Control& control) {
  if (control.parent.isEmpty()) return nullptr;
  for (const Control& other : form.controls())
    if (other.kind == Kind::Frame && other.ref() == control.parent) return &other;
  return nullptr;
}

}  // namespace

void give_spoken_names(Form& form, std::span<const SpokenName> names) {
  for (const SpokenName& line : names) form.c(line.control, line.index).spoken_name = line.name;
}

QString without_access_mark(const QString& caption) {
  // "終了(&X)": the whole bracket goes, as it only shows the key.
  static const QRegularExpression key_bracket(R"(\s*[(（]&[^)）&][)）])");
  QString text = caption;
  text.remove(key_bracket);
  QString plain;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i;  // "&&" stands for one "&"
    plain += text[i];
  }
  return plain;
}

const Control* describing_label(const Form& form, const Control& box) {
  const Control* best = nullptr;
  int best_gap = std::numeric_limits<int>::max();
  const int box_right = box.left + box.width, box_bottom = box.top + box.height;
  for (const Control& label : form.controls()) {
    if (!is_caption_label(label) || label.parent != box.parent) continue;
    const int label_right = label.left + label.width, label_bottom = label.top + label.height;
    const bool rows_meet = label.top < box_bottom && label_bottom > box.top;
    const bool columns_meet = label.left < box_right && label_right > box.left;
    int gap = std::numeric_limits<int>::max();
    if (rows_meet && label_right <= box.left + kOverlapSlack && label.left < box.left)
      gap = box.left - label_right;
    else if (columns_meet && label_bottom <= box.top + kOverlapSlack && label.top < box.top)
      gap = box.top - label_bottom;
    if (gap <= kLabelReach && gap < best_gap) {
      best = &label;
      best_gap = gap;
    }
  }
  return best;
}

QString spoken_name(const Form& form, const Control& control) {
  if (is_captioned(control.kind)) {
    const QString caption = unspaced(one_line(without_access_mark(control.text)));
    // A caption left as the control's own name ("Command2") says nothing either.
    if (has_words(caption) && caption != control.name) return caption;
    if (!control.spoken_name.isEmpty()) return control.spoken_name;
    if (!control.tooltip.isEmpty()) return one_line(control.tooltip);
    return caption;
  }
  if (!control.spoken_name.isEmpty()) return control.spoken_name;
  if (control.kind == Kind::ToolButton) return one_line(control.tooltip);
  if (!is_box(control.kind)) return {};
  if (!control.tooltip.isEmpty()) return one_line(control.tooltip);
  if (const Control* label = describing_label(form, control))
    return one_line(without_access_mark(label->text));
  if (const Control* frame = frame_of(form, control))
    return one_line(without_access_mark(frame->text));
  return {};
}

bool only_decorates(const Form& form, const Control& control) {
  switch (control.kind) {
    case Kind::Image:
    case Kind::Shape:
    case Kind::Line:
      return control.spoken_name.isEmpty();
    case Kind::Label:
      if (!control.spoken_name.isEmpty() || !is_caption_label(control)) return false;
      for (const Control& box : form.controls())
        if (is_box(box.kind) && box.spoken_name.isEmpty() && box.tooltip.isEmpty() &&
            describing_label(form, box) == &control)
          return true;
      return false;
    default:
      return false;
  }
}

#pragma once
// What a screen reader calls each control, worked out once from the form's own
// data so that every window, old or new, speaks without a line of its own:
// - a button, option button, check box or frame: its caption without the
//   access-key mark; a caption of signs only ("<<", "√") or the control's own
//   name gives way to the form's table of names, then to the tooltip;
// - a text, list or combo box or a scroll bar: the table's name, else its
//   tooltip, else the label just left of it or just above it, else its frame's caption;
// - anything else: the table's name, when it has one.
// A label that names a box says nothing more on its own, nor does a picture,
// a shape or a line without a name: they only decorate.
#include <span>

#include "core/form.h"

// A line of a form's table of names: {"Command13", 1, "前の年"}.
struct SpokenName {
  const char* control;
  int index;  // -1: not part of a control array
  const char* name;
};

// Gives each listed control its name (Control::spoken_name).
void give_spoken_names(Form& form, std::span<const SpokenName> names);

// The text without its access-key marks: "終了(&X)" -> "終了(X)", "A&&B" -> "A&B".
QString without_access_mark(const QString& caption);

QString spoken_name(const Form& form, const Control& control);

// The label on the form that describes a box: the nearest caption just left of
// it or just above it, in the same frame; nullptr when none.
const Control* describing_label(const Form& form, const Control& box);

// True for a control a screen reader passes over: it only decorates.
bool only_decorates(const Form& form, const Control& control);

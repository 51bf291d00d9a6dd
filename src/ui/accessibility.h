#pragma once
// What the windows tell screen readers beyond Qt's own: a widget marked as
// decoration is left out of its parent's accessible children, and a label that
// speaks for itself (a day of the month grid) tells whether it stands for the
// present. The names and descriptions themselves are set by FormWindow.
#include <QWidget>

namespace accessibility {

// Installed once, before any window is shown to an assistive tool.
void install();
// A widget the screen reader passes over (a caption whose words name a box).
void mark_decoration(QWidget* widget);
// A container whose decorations are left out (a window's client area, a frame).
void mark_container(QWidget* widget);
// A label that speaks as a control: its own name, description and states.
void mark_speaking_label(QWidget* label);
// Whether the label stands for the present (reported as the "active" state).
void set_current(QWidget* label, bool current);

}  // namespace accessibility

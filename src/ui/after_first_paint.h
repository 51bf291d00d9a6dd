#pragma once
// Work that the first frame does not need (loading a module, say) waits until the
// window has painted it.
#include <functional>

class QWidget;

// Runs `work` on the event loop a moment (0.1 s) after `window` has painted its
// first frame; at once when it already has, or when there is no visible window
// to wait for.
void after_first_paint(QWidget* window, std::function<void()> work);

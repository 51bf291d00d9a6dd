#pragma once
// The app folder: start-up, main() and the opener of the tool windows; the top floor.
// The program's entry routine: refuses a second copy, reads the settings and
// shows the main window.
#include <memory>

#include "settings/module1.h"
#include "toribe/toribe.h"

class Platform;

struct Program {
  Module1 m;
  std::unique_ptr<Toribe> main_window;
};

// Runs the start-up steps. Returns nullptr when another copy is running (after
// telling the user); the caller then ends the program.
std::unique_ptr<Program> module1_main(Platform& platform);

#pragma once
// The monkey run: random events from a printed seed on every usable control of
// the window in front, message and input boxes answered at random.
#include <QString>
#include <vector>

#include "script.h"

class Runner;

// Our own commands `monkey N SEED` and `dblclick REF`; empty on success, else the failure.
QString monkey_command(Runner& runner, const std::vector<Word>& words);

#pragma once
#include <QString>
#include <memory>

#include "settings/module1.h"
#include "core/form.h"

// Creates the tool window of that name; nullptr for a window not in this build.
std::unique_ptr<Form> make_tool_window(const QString& window_name, Module1& m, Platform& platform);

#pragma once
#include <QString>
#include <QStringList>
#include <memory>

#include "core/form.h"
#include "settings/module1.h"

class Toribe;

// Creates the tool window of that name; nullptr for a window not in this build.
// The search window shows the places it finds on main_window, when given.
std::unique_ptr<Form> make_tool_window(const QString& window_name, Module1& m, Platform& platform,
                                       Toribe* main_window = nullptr);
// The names make_tool_window knows.
QStringList tool_window_names();

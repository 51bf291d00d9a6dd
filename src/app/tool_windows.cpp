#include "app/tool_windows.h"

std::unique_ptr<Form> make_tool_window(const QString& window_name, Module1& m, Platform& platform) {
  (void)window_name;
  (void)m;
  (void)platform;
  return nullptr;
}

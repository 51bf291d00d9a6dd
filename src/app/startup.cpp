#include "app/startup.h"

#include <QDir>

#include "app/stale_saves.h"
#include "app/tool_windows.h"
#include "core/platform.h"
#include "core/save.h"
#include "settings/settings.h"

std::unique_ptr<Program> module1_main(Platform& platform) {
  if (!platform.acquire_instance_lock()) {
    platform.message("「トリベ」は、すでに起動されています。", MsgButtons::Ok, MsgIcon::Stop,
                     "toribe");
    platform.quit();
    return nullptr;
  }
  remove_stale_saves(QDir::currentPath());
  auto program = std::make_unique<Program>();
  Module1& m = program->m;
  m.load_flag = "1";
  set_ini_defaults(m, platform.today());
  if (!read_ini(m, kSettingsFile)) tell_write_failure(platform, kSettingsFile);
  parse_token_string(m);
  if (pad_token_string(m)) save_ini(m, platform);

  program->main_window = std::make_unique<Toribe>(
      m, platform, [&m, &platform, p = program.get()](const QString& name) {
        return make_tool_window(name, m, platform, p->main_window.get());
      });
  platform.show_main(*program->main_window);
  program->main_window->tell_days_ahead();
  return program;
}

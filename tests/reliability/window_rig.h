#pragma once
// One window of the program at a time, in the current folder, driven through its
// events with the scripted platform (today is 2003-05-12).
#include <gtest/gtest.h>

#include <memory>

#include "app/startup.h"
#include "app/tool_windows.h"
#include "core/scripted_platform.h"
#include "settings/settings.h"
#include "toribe/toribe.h"

struct Rig {
  ScriptedPlatform platform;
  Module1 m;
  std::unique_ptr<Form> form;
  std::unique_ptr<Program> program;  // started as from its executable

  void start_program() { program = module1_main(platform); }

  template <class T>
  T& as() {
    return static_cast<T&>(*form);
  }
  Toribe& main_window() {
    form = std::make_unique<Toribe>(
        m, platform, [this](const QString& name) { return make_tool_window(name, m, platform); });
    form->show();
    return as<Toribe>();
  }
  template <class T, class... Args>
  T& tool(Args&... args) {
    form = std::make_unique<T>(args..., platform);
    form->show();
    return as<T>();
  }
  void send(Event::Type type, const QString& name, int index = -1) {
    Event event;
    event.type = type;
    event.name = name;
    event.index = index;
    form->dispatch(event);
  }
  void click(const QString& name, int index = -1) { send(Event::Click, name, index); }
  void fill(const QString& box, const QString& text) {
    form->c(box).text = text;
    send(Event::Change, box);
  }
  // The main window: a button of the bar, a day of May 2003.
  void press_button(int index) { send(Event::MouseDown, "Command13", index); }
  void press_day(int day) {
    const int cell = as<Toribe>().first_col + day - 1;
    send(Event::MouseDown, "Label1", cell);
    send(Event::Click, "Label1", cell);
  }
  void write_memo(const QString& text) {
    click("mnu_memo");
    fill("Text2", text);
    press_button(5);
  }
  // The ledger: one income entry of the month shown.
  void enter_income() {
    click("Command3");
    form->c("Text1").text = "おこづかい";
    form->c("Text2").text = "1000";
    click("Command6");
  }
  void settings(int base_year = 2003) {
    set_ini_defaults(m, platform.today());
    m.ini_str = rebuild_token_string("TORNDD", base_year, kDefaultTokenString);
    parse_token_string(m);
    ASSERT_TRUE(write_ini(m, kSettingsFile));
  }
};

#pragma once
// Drives the main window's form through its events, in a folder of its own,
// with the scripted platform (clock at 2003-05-12 09:00:00).
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <memory>

#include "app/tool_windows.h"
#include "core/scripted_platform.h"
#include "toribe/toribe.h"

class MainWindowFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    old_folder = QDir::currentPath();
    QDir::setCurrent(dir.path());
  }
  void TearDown() override { QDir::setCurrent(old_folder); }

  Toribe& start() {
    form = std::make_unique<Toribe>(
        m, platform, [this](const QString& name) { return make_tool_window(name, m, platform); });
    form->show();
    return *form;
  }
  void send(Event::Type type, const QString& name, int index = -1, int button = 1) {
    Event event;
    event.type = type;
    event.name = name;
    event.index = index;
    event.button = button;
    form->dispatch(event);
  }
  // A menu item or toolbar button chosen.
  void choose(const QString& item) { send(Event::Click, item); }
  void press_button(int index, int button = 1) {
    send(Event::MouseDown, "Command13", index, button);
  }
  // A day cell clicked: the button press first, then the click.
  void click_cell(int cell, int button = 1) {
    send(Event::MouseDown, "Label1", cell, button);
    send(Event::Click, "Label1", cell, button);
  }
  void click_list_line(int line) {
    form->c("List2").selected = line;
    send(Event::Click, "List2");
  }

  QTemporaryDir dir;
  QString old_folder;
  ScriptedPlatform platform;
  Module1 m;
  std::unique_ptr<Toribe> form;
};

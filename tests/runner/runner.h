#pragma once
// Runs one scenario file against the real windows on the offscreen platform.
#include <QTemporaryDir>
#include <memory>

#include "app/startup.h"
#include "core/scripted_platform.h"
#include "script.h"
#include "ui/form_window.h"

class QAction;

class Runner {
 public:
  Runner();
  ~Runner();
  // Empty when the file passed; otherwise "LINE: what was expected, what was found".
  QString run(const QString& path);

 private:
  friend class Monkey;  // tests/runner/monkey.cpp plays its events through act()
  // Each returns an empty string on success, else the failure.
  QString execute(const Command& command);
  QString act(const QString& verb, const std::vector<Word>& w, const Command& command);
  QString expect(const std::vector<Word>& w, const Command& command);
  QString expect_property(const QString& ref, const QString& op, const Word& value);
  QString expect_box(bool input, const std::vector<Word>& w);
  QString expect_file(const std::vector<Word>& w, const Command& command);
  QString expect_printed(const std::vector<Word>& w);

  struct Target {
    FormWindow* window = nullptr;
    QWidget* widget = nullptr;
    QAction* action = nullptr;
    int list_line = -1;  // click WINDOW.LIST(K)
  };
  QString find(const QString& ref, Target& target);
  QString check_usable(const Target& target, const QString& ref);
  void after_action();
  void end_program();
  QString path(const QString& name) const;

  std::unique_ptr<QTemporaryDir> folder_;
  std::unique_ptr<ScriptedPlatform> platform_;
  std::unique_ptr<WindowSet> windows_;
  std::unique_ptr<Program> program_;
  bool running_ = false;
  QString command_file_;
};

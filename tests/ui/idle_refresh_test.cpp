// The clock refreshes every window twice a second: a refresh that changes
// nothing must paint nothing, and one that changes a control paints only it
// (and what lies behind it).
#include <gtest/gtest.h>

#include <QApplication>
#include <QSet>

#include "core/scripted_platform.h"
#include "paint_log.h"
#include "ui/form_window.h"

namespace {

class Every : public Form {
 public:
  explicit Every(Platform& platform) : Form("Every", platform) {
    width = 6000;
    height = 4000;
    place(add(Kind::Frame, "Frame1"), 3000, 120, 2000, 1200).text = "枠";
    Control& option = place(add(Kind::Option, "Option1"), 120, 240, 1200, 240);
    option.parent = "Frame1";
    option.text = "通常";
    place(add(Kind::Label, "Label1"), 120, 120, 2400, 300).text = "折り返す見出し";
    Control& boxed = place(add(Kind::Label, "Label2"), 120, 480, 1200, 300);
    boxed.border = true;
    boxed.word_wrap = false;
    boxed.back = {255, 255, 192};
    boxed.text = "8";
    place(add(Kind::Label, "Label3"), 1500, 480, 1200, 300).text = "12:00:00";
    place(add(Kind::Button, "Command1"), 120, 900, 1200, 420).text = "戻る";
    place(add(Kind::TextBox, "Text1"), 120, 1500, 2400, 300).text = "abc";
    Control& pane = place(add(Kind::TextBox, "Text2"), 120, 1900, 2400, 600);
    pane.multiline = true;
    pane.text = "一\r\n二";
    place(add(Kind::ListBox, "List1"), 3000, 1500, 2000, 900).items = {"春", "夏"};
    place(add(Kind::CheckBox, "Check1"), 120, 2600, 1200, 300).text = "毎時";
    place(add(Kind::HScroll, "HScroll1"), 120, 3000, 2400, 255).maximum = 10;
  }

 protected:
  void handle(Event&) override {}
};

void settle() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

TEST(IdleRefresh, PaintsNothingUnchangedAndOnlyTheChangedControl) {
  ScriptedPlatform platform;
  Every form(platform);
  form.visible = true;
  WindowSet windows;
  windows.open(form);
  windows.sync_all();
  settle();
  PaintLog log;
  windows.sync_all();
  settle();
  EXPECT_TRUE(log.painted.isEmpty()) << QStringList(log.painted.values()).join(' ').toStdString();

  form.c("Label3").text = "12:00:01";
  windows.sync_all();
  settle();
  // A label without a background of its own shows the window's through it.
  log.painted -= QSet<QString>{"client", "Every"};
  EXPECT_EQ(QStringList(log.painted.values()).join(' ').toStdString(), "Label3");
}

}  // namespace

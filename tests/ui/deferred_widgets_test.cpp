// A control hidden when its window is built gets its widget only when first
// shown or asked for; it must then sit in the focus chain and the stacking
// order exactly where a widget made with the window would.
#include <gtest/gtest.h>

#include <QListWidget>

#include "core/scripted_platform.h"
#include "ui/form_window.h"

namespace {

class Modes : public Form {
 public:
  Modes(Platform& platform, bool hidden) : Form("Modes", platform) {
    width = 6000;
    height = 4000;
    place(add(Kind::Frame, "Frame2"), 3000, 1500, 2000, 600).text = "枠";
    place(add(Kind::Frame, "Frame1"), 3000, 120, 2000, 1200).visible = !hidden;
    place(add(Kind::TextBox, "Text1"), 120, 120, 2400, 300);
    for (int i = 0; i < 2; ++i) {
      Control& option = place(add(Kind::Option, "Option1", i), 120, 240 + 300 * i, 1200, 240);
      option.parent = "Frame1";
      option.visible = !(hidden && i == 1);
    }
    // The pane and the list share a place; the label lies over both.
    Control& pane = place(add(Kind::TextBox, "Text2"), 120, 540, 2400, 900);
    pane.multiline = true;
    pane.visible = !hidden;
    Control& list = place(add(Kind::ListBox, "List1"), 120, 540, 2400, 900);
    list.items = {"一", "二"};
    list.visible = !hidden;
    place(add(Kind::Label, "Label1"), 120, 1200, 2400, 300).text = "見出し";
    place(add(Kind::Button, "Command1"), 120, 1560, 1200, 420).text = "戻る";
  }

 protected:
  void handle(Event&) override {}
};

QStringList refs(const Form& form) {
  QStringList names;
  for (const Control& control : form.controls()) names << control.ref();
  return names;
}

// The control widgets in the order Tab visits them.
std::string focus_chain(FormWindow& window) {
  const QStringList names = refs(window.form());
  QStringList chain;
  for (QWidget* w = window.nextInFocusChain(); w != &window; w = w->nextInFocusChain())
    if (names.contains(w->objectName()) && w->focusPolicy() != Qt::NoFocus)
      chain << w->objectName();
  return chain.join(' ').toStdString();
}

// Bottom to top, inside the client area and inside the frame.
std::string stacking(FormWindow& window) {
  const QStringList names = refs(window.form());
  QStringList order;
  for (QWidget* parent : {window.client(), window.widget("Frame1")}) {
    for (QObject* child : parent->children())
      if (names.contains(child->objectName())) order << child->objectName();
    order << "|";
  }
  return order.join(' ').toStdString();
}

TEST(DeferredWidgets, ShownLaterTheyTakeTheFocusAndStackingPlacesOfAWindowBuiltWithThem) {
  ScriptedPlatform platform;
  Modes all(platform, false), modes(platform, true);
  FormWindow built(all, {});
  FormWindow later(modes, {});
  // Shown in another order than the form's, as a mode switch might.
  for (const char* ref : {"List1", "Option1(1)", "Frame1", "Text2"}) {
    modes.find_ref(ref)->visible = true;
    later.sync();
  }
  EXPECT_EQ(focus_chain(later), focus_chain(built));
  EXPECT_EQ(stacking(later), stacking(built));
  for (const QString& ref : refs(modes)) {
    ASSERT_TRUE(later.widget(ref)) << ref.toStdString();
    EXPECT_EQ(later.widget(ref)->geometry(), built.widget(ref)->geometry()) << ref.toStdString();
    EXPECT_TRUE(later.widget(ref)->isVisibleTo(&later)) << ref.toStdString();
  }
}

TEST(DeferredWidgets, AHiddenControlAskedForShowsItsDescriptionAndStaysHidden) {
  ScriptedPlatform platform;
  Modes modes(platform, true);
  FormWindow window(modes, {});
  modes.c("List1").items = {"春", "夏", "秋"};
  // A hidden frame's hidden child: the frame is made with it, hidden too.
  QWidget* option = window.widget("Option1(1)");
  ASSERT_TRUE(option);
  EXPECT_EQ(option->objectName(), "Option1(1)");
  EXPECT_EQ(option->parentWidget(), window.widget("Frame1"));
  EXPECT_FALSE(window.widget("Frame1")->isVisibleTo(&window));
  auto* list = qobject_cast<QListWidget*>(window.widget("List1"));
  ASSERT_TRUE(list);
  EXPECT_EQ(list->count(), 3);
  EXPECT_FALSE(list->isVisibleTo(&window));
  EXPECT_EQ(window.widget("Nothing1"), nullptr);
}

}  // namespace

// The generic window over a small form: what a refresh must leave alone (the
// user's moves, a composition) and what the keyboard and the close box do.
#include "ui/form_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolTip>

#include "core/scripted_platform.h"
#include "notices/notice_body.h"
#include "ui/qt_platform.h"
#include "ui/twips.h"

namespace {

class TestForm : public Form {
 public:
  explicit TestForm(Platform& platform) : Form("Test", platform) {
    width = 4500;
    height = 3000;
    place(add(Kind::TextBox, "Text1"), 120, 120, 2400, 300).max_length = 20;
    place(add(Kind::TextBox, "Text2"), 120, 540, 2400, 900).multiline = true;
    Control& bar = place(add(Kind::VScroll, "VScroll1"), 2700, 120, 255, 1200);
    bar.maximum = 10;
    place(add(Kind::Button, "Command1"), 120, 1560, 1200, 420).text = "戻る";
    place(add(Kind::Label, "Label1"), 1500, 1560, 1200, 420);
  }
  std::vector<Event> events;
  bool quit_on_close = false;

  int count(Event::Type type, const QString& name) const {
    return int(std::count_if(events.begin(), events.end(),
                             [&](const Event& e) { return e.type == type && e.name == name; }));
  }

 protected:
  void handle(Event& event) override {
    events.push_back(event);
    if (event.type == Event::QueryUnload && quit_on_close) platform().quit();
  }
};

void press(QWidget* widget, int key, const QString& text = {}) {
  QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(widget, &down);
  QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QApplication::sendEvent(widget, &up);
}

class Windows : public ::testing::Test {
 protected:
  void SetUp() override {
    form.visible = true;
    windows.on_help = [this] { ++helps; };
    window = &windows.open(form);
    QApplication::setActiveWindow(window);
  }
  template <class W>
  W* widget(const char* ref) {
    return qobject_cast<W*>(window->widget(ref));
  }

  ScriptedPlatform platform;
  TestForm form{platform};
  WindowSet windows;
  FormWindow* window = nullptr;
  int helps = 0;
};

// The clock refreshes every window twice a second; an input method's
// unconverted text must live through it and land where the cursor was.
TEST_F(Windows, CompositionSurvivesARefresh) {
  form.c("Text1").text = "abc";
  windows.sync_all();
  auto* edit = widget<QLineEdit>("Text1");
  edit->setFocus();
  edit->setCursorPosition(1);
  QInputMethodEvent composing("かめい", {});
  QApplication::sendEvent(edit, &composing);
  windows.sync_all();
  EXPECT_EQ(edit->cursorPosition(), 1);
  QInputMethodEvent commit;
  commit.setCommitString("仮名");
  QApplication::sendEvent(edit, &commit);
  EXPECT_EQ(form.c("Text1").text, "a仮名bc");
  EXPECT_EQ(edit->text(), "a仮名bc");
}

TEST_F(Windows, InputMethodFollowsTheBoxMode) {
  const struct {
    ImeMode mode;
    bool numeric;
    bool enabled;
    Qt::InputMethodHints hints;
  } rows[] = {
      {ImeMode::None, false, true, Qt::ImhNone},
      {ImeMode::Hiragana, false, true, Qt::ImhNone},
      {ImeMode::Alphanumeric, false, false, Qt::ImhPreferLatin | Qt::ImhNoPredictiveText},
      {ImeMode::Alphanumeric, true, false, Qt::ImhPreferNumbers | Qt::ImhNoPredictiveText},
      {ImeMode::Off, true, false, Qt::ImhPreferNumbers | Qt::ImhNoPredictiveText},
      {ImeMode::Off, false, false, Qt::ImhNone},
  };
  for (const char* box : {"Text1", "Text2"})
    for (const auto& row : rows) {
      form.c(box).ime = row.mode;
      form.c(box).numeric = row.numeric;
      windows.sync_all();
      QWidget* edit = window->widget(box);
      EXPECT_EQ(edit->testAttribute(Qt::WA_InputMethodEnabled), row.enabled) << box;
      EXPECT_EQ(edit->inputMethodHints(), row.hints) << box;
    }
}

// Text holding '<' shows as typed, never read as markup: in a label, a tooltip, and a
// notice to a service that reads markup in its body (one that does not gets it as is).
TEST_F(Windows, FormTextIsNeverReadAsMarkup) {
  EXPECT_EQ(notice_body({"A&B <b>太字</b>", "<重要>"}, true),
            "A&amp;B &lt;b&gt;太字&lt;/b&gt;\n&lt;重要&gt;");
  EXPECT_EQ(notice_body({"A&B <b>"}, false), "A&B <b>");
  form.c("Label1").text = form.c("Label1").tooltip = "<b>太字</b>の記念日";
  windows.sync_all();
  auto* label = widget<QLabel>("Label1");
  EXPECT_EQ(label->textFormat(), Qt::PlainText);
  QHelpEvent hover(QEvent::ToolTip, QPoint(2, 2), label->mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(label, &hover);
  EXPECT_TRUE(QToolTip::text().contains("&lt;b&gt;太字")) << QToolTip::text().toStdString();
}

TEST_F(Windows, UserMoveIsKeptUntilTheFormPlacesTheWindow) {
  form.left = 1500;
  form.top = 1500;
  windows.sync_all();
  window->move(300, 200);
  QCoreApplication::processEvents();
  windows.sync_all();
  EXPECT_EQ(window->pos(), QPoint(300, 200));
  EXPECT_EQ(form.left, 4500);
  // A taller window keeps its place; re-centring moves it.
  form.height = 3600;
  windows.sync_all();
  EXPECT_EQ(window->pos(), QPoint(300, 200));
  EXPECT_EQ(window->frameGeometry().height(), to_px(3600));
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
  form.left = 1500;
  windows.sync_all();
  EXPECT_EQ(window->pos(), QPoint(100, 200));
}

TEST_F(Windows, KeyboardReachesScrollBarsHelpAndTheWayOut) {
  auto* bar = widget<QScrollBar>("VScroll1");
  EXPECT_TRUE(bar->focusPolicy() & Qt::TabFocus);
  bar->setFocus();
  press(bar, Qt::Key_Down);
  EXPECT_EQ(form.c("VScroll1").value, 1);
  EXPECT_EQ(form.count(Event::Change, "VScroll1"), 1);

  // The focus shows on the bar, or a person tabbing through cannot see where it is.
  const QImage focused = bar->grab().toImage();
  widget<QLineEdit>("Text1")->setFocus();
  EXPECT_NE(bar->grab().toImage(), focused);

  press(widget<QLineEdit>("Text1"), Qt::Key_F1);
  EXPECT_EQ(helps, 1);

  // Enter presses the focused button, with the mouse-down a click would give.
  press(widget<QPushButton>("Command1"), Qt::Key_Return, "\r");
  EXPECT_EQ(form.count(Event::MouseDown, "Command1"), 1);
  EXPECT_EQ(form.count(Event::Click, "Command1"), 1);
  // Escape presses "戻る"; not when it is out of use.
  press(widget<QLineEdit>("Text1"), Qt::Key_Escape, "\x1b");
  EXPECT_EQ(form.count(Event::Click, "Command1"), 2);
  form.c("Command1").enabled = false;
  windows.sync_all();
  press(widget<QLineEdit>("Text1"), Qt::Key_Escape, "\x1b");
  EXPECT_EQ(form.count(Event::Click, "Command1"), 2);
}

// A tool window shown over the main window takes every click and key until it
// closes: the main window behind it is blocked. F1 in it opens the guide over it,
// usable at once: the modal tool window must not block the guide it asked for.
TEST(ModalWindow, BlocksTheWindowBehindItButNotItsHelp) {
  QtPlatform platform;
  TestForm main_form(platform);
  main_form.visible = true;
  FormWindow& main_window = platform.windows().open(main_form);
  TestForm tool(platform);
  struct BlockWatch : QObject {
    bool help_blocked = false;
    bool eventFilter(QObject* watched, QEvent* event) override {
      if (watched->objectName() == "help" && event->type() == QEvent::WindowBlocked)
        help_blocked = true;
      if (watched->objectName() == "help" && event->type() == QEvent::WindowUnblocked)
        help_blocked = false;
      return false;
    }
  } watch;
  qApp->installEventFilter(&watch);
  QWidget* modal_while_shown = nullptr;
  bool help_shown = false;
  bool help_blocked = true;
  QTimer::singleShot(0, [&] {
    modal_while_shown = QApplication::activeModalWidget();
    platform.show_help();
    QCoreApplication::processEvents();
    for (QWidget* top : QApplication::topLevelWidgets())
      if (top->objectName() == "help") help_shown = top->isVisible();
    help_blocked = watch.help_blocked;
    tool.unload();
    platform.windows().sync_all();
  });
  platform.show_modal(tool);
  qApp->removeEventFilter(&watch);
  ASSERT_NE(modal_while_shown, nullptr);
  EXPECT_NE(modal_while_shown, &main_window);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_TRUE(help_shown);
  EXPECT_FALSE(help_blocked);
  platform.windows().close_all();
}

TEST(Quitting, TheCloseIsAskedOnce) {
  QtPlatform platform;
  TestForm form(platform);
  form.quit_on_close = true;
  form.visible = true;
  FormWindow& window = platform.windows().open(form);
  window.sync();
  window.close();
  EXPECT_EQ(form.count(Event::QueryUnload, "Test"), 1);
  platform.windows().close_all();
}

}  // namespace

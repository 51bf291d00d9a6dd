// The main window as a frame: loading, closing, the menus and the toolbar.
#include "core/platform.h"
#include "settings/settings.h"
#include "toribe/toribe.h"

Toribe::Toribe(Module1& module1, Platform& platform, ToolFactory make_tool)
    : Form("toribe", platform), m(module1), make_tool_(std::move(make_tool)) {
  create_controls();
}

void Toribe::Form_Load() {
  m.flg_calc = m.flg_kansan = m.flg_syuuki = 0;
  m.flg_meisi = m.flg_kozu = m.flg_jyu = m.flg_nengou = m.flg_bas = 0;
  m.flg_numbers = m.flg_zouto = m.flg_timecal = 0;
  count1_mode = 0;
  count2_step = 0;
  memo_mode = 0;
  holi_years = 10;
  jihou = 0;
  jihou_done = 0;

  mode_names[0] = "通常のカレンダー";
  mode_names[1] = "ユーザーカレンダー";
  mode_names[2] = "全カレンダー";
  c("Label3").fore = kBlack;

  width = 6200;
  height = kNormalHeight;
  centre(4);

  const QDate today = platform().today();
  cur_year = qint16(today.year());
  cur_month = qint16(today.month());
  dat_set();
  read_hol();
  read_mem();
  disp_calen();
  platform().start_timer(500, [this] { Timer1_Timer(); });

  const int mode = std::clamp<int>(m.calen_mode, 1, 3);
  for (int i = 0; i < 3; ++i) c("Option1", i).checked = i == mode - 1;
  cap_str = mode_names[mode - 1];
  set_caption();
  c("mnu_delmemo").checked = m.memo_del == 1;
  c("mnu_law").checked = law_option(m);
  read_memo();
  memo_refresh();
  m.load_flag = "0";
}

void Toribe::Form_QueryUnload(bool& cancel) {
  const MsgAnswer answer = platform().message("「トリベ」を終了しますか ?", MsgButtons::YesNo,
                                              MsgIcon::Question, "終　　了");
  cancel = answer != MsgAnswer::Yes;
}

void Toribe::close_main_window() {
  bool cancel = false;
  Form_QueryUnload(cancel);
  if (!cancel) platform().quit();
}

void Toribe::Form_Click() { centre(4); }

void Toribe::Form_MouseMove() {
  if (set_mode != 1) hide_memo_pane();
}

void Toribe::Timer1_Timer() {
  const QTime time = platform().now().time();
  c("Label4").text = time.toString("HH:mm:ss");
  if (jihou != 1) return;
  if (time.second() == 0 && jihou_done == 0) {
    platform().beep();
    jihou_done = 1;
  } else if (time.second() == 1) {
    jihou_done = 0;
  }
}

Form* Toribe::tool(const QString& window_name) {
  auto it = tools_.find(window_name);
  return it == tools_.end() ? nullptr : it->second.get();
}

void Toribe::open_tool(const QString& window_name, qint16 Module1::*flag) {
  std::unique_ptr<Form>& window = tools_[window_name];
  if (!window && make_tool_) window = make_tool_(window_name);
  if (!window) {
    tools_.erase(window_name);
    return;
  }
  if (flag) m.*flag = 1;
  platform().show_modal(*window);
}

void Toribe::handle(Event& event) {
  const QString& name = event.name;
  switch (event.type) {
    case Event::Load:
      Form_Load();
      break;
    case Event::QueryUnload:
      Form_QueryUnload(event.cancel);
      if (!event.cancel) platform().quit();
      break;
    case Event::MouseDown:
      if (name == "Command13")
        Command13_MouseDown(event.index, event.button);
      else if (name == "Label1")
        Label1_MouseDown(event.index, event.button, event.shift);
      break;
    case Event::Click:
      if (name == "Option1")
        Option1_Click(event.index);
      else if (name == "Label1")
        Label1_Click(event.index);
      else if (name == "List2")
        List2_Click();
      else if (name == "Toolbar1")
        Toolbar1_ButtonClick(event.index);
      else if (name == this->name())
        Form_Click();
      else if (Control* control = find(name, event.index);
               control && control->kind == Kind::MenuItem)
        menu_click(name);
      break;
    case Event::MouseMove:
      if (name == this->name())
        Form_MouseMove();
      else if (name == "Label1")
        Label1_MouseMove(event.index);
      else if (name == "Label2")
        Label2_MouseMove(event.index);
      else if (name == "Image2")
        Image2_MouseMove();
      break;
    case Event::Change:
      if (name == "Text2") Text2_Change();
      break;
    default:
      break;
  }
}

// The main window as a frame: loading, closing, the menus and the toolbar.
#include "core/platform.h"
#include "settings/settings.h"
#include "toribe/toribe.h"

Toribe::Toribe(Module1& module1, Platform& platform, ToolFactory make_tool)
    : Form("toribe", platform), m(module1), make_tool_(std::move(make_tool)) {
  create_controls();
  set_routes<Toribe>({
      {Event::Load, {}, &Toribe::Form_Load},
      {Event::QueryUnload, {}, &Toribe::close_box},
      {Event::Click, {}, &Toribe::Form_Click},
      {Event::MouseMove, {}, &Toribe::Form_MouseMove},
      {Event::Click, "Toolbar1", &Toribe::Toolbar1_ButtonClick},
      {Event::MouseDown, "Command13", &Toribe::Command13_MouseDown},
      {Event::Click, "Option1", &Toribe::Option1_Click},
      {Event::MouseDown, "Label1", &Toribe::Label1_MouseDown},
      {Event::Click, "Label1", &Toribe::Label1_Click},
      {Event::MouseMove, "Label1", &Toribe::Label1_MouseMove},
      {Event::KeyDown, "Label1", &Toribe::Label1_KeyDown},
      {Event::MouseMove, "Label2", &Toribe::Label2_MouseMove},
      {Event::MouseMove, "Image2", &Toribe::Image2_MouseMove},
      {Event::Click, "List2", &Toribe::List2_Click},
      {Event::Change, "Text2", &Toribe::Text2_Change},
  });
  add_routes<Toribe>(menu_routes());
}

void Toribe::Form_Load() {
  m.flg_calc = m.flg_kansan = m.flg_syuuki = 0;
  m.flg_meisi = m.flg_kozu = m.flg_jyu = m.flg_nengou = m.flg_bas = 0;
  m.flg_numbers = m.flg_zouto = m.flg_timecal = 0;
  count1_mode = false;
  count2_step = Count2Step::Off;
  set_mode = Mode::None;
  holi_years = 10;
  jihou = false;
  jihou_done = false;

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
  c("mnu_notice").checked = notice_option(m);
  notice_date = today;
  read_memo();
  memo_refresh();
  m.load_flag = "0";
}

void Toribe::Form_QueryUnload(bool& cancel) {
  const MsgAnswer answer = platform().message("「トリベ」を終了しますか ?", MsgButtons::YesNo,
                                              MsgIcon::Question, "終　　了");
  cancel = answer != MsgAnswer::Yes;
}

void Toribe::close_box(bool& cancel) {
  Form_QueryUnload(cancel);
  if (!cancel) platform().quit();
}

void Toribe::close_main_window() {
  bool cancel = false;
  Form_QueryUnload(cancel);
  if (!cancel) platform().quit();
}

void Toribe::Form_Click() { centre(4); }

void Toribe::Form_MouseMove() {
  if (set_mode == Mode::None) hide_memo_pane();
}

void Toribe::Timer1_Timer() {
  const QTime time = platform().now().time();
  c("Label4").text = time.toString("HH:mm:ss");
  if (platform().today() != notice_date) tell_days_ahead();
  if (!jihou) return;
  if (time.second() == 0 && !jihou_done) {
    platform().beep();
    jihou_done = true;
  } else if (time.second() == 1) {
    jihou_done = false;
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
  m.shown_year = cur_year;
  m.shown_month = cur_month;
  platform().show_modal(*window);
}

// The main window's controls, laid out in twips below the menu bar and toolbar.
#include "calendar/month_layout.h"
#include "toribe/toribe.h"

namespace {

struct MenuEntry {
  const char* name;
  const char* caption;
};

const MenuEntry kMenus[] = {
    {"mnufile", "ファイル(&F)"},      {"mnushina", "お品書き(&O)"}, {"mnu_make_dat", "データ(&D)"},
    {"mnukankyou", "オプション(&O)"}, {"mnuhelp", "ヘルプ(&H)"},
};

struct MenuItemEntry {
  const char* menu;
  const char* name;
  const char* caption;
};

const MenuItemEntry kMenuItems[] = {
    {"mnufile", "mnuowari", "終了(X)"},
    {"mnushina", "mnu_memo", "メモ"},
    {"mnushina", "basdat_disp", "プロ野球勝敗表"},
    {"mnushina", "mun_numbers", "ナンバーズ大予想"},
    {"mnushina", "mnu_zouto", "贈答控え"},
    {"mnushina", "mnu_meisi", "名刺管理"},
    {"mnushina", "mnu_kozu", "こづかい帳"},
    {"mnushina", "men_jyu", "住所録"},
    {"mnushina", "mnu_nengou", "年号変換"},
    {"mnushina", "mnukara_day", "日数計算１"},
    {"mnushina", "mnukara2_day", "日数計算２"},
    {"mnushina", "mnu_calc", "電卓"},
    {"mnushina", "mnu_kansan", "換算"},
    {"mnushina", "mnutimecal", "時の計算"},
    {"mnushina", "mnu_syuuki", "周期表"},
    {"mnu_make_dat", "mnumemoichi", "登録済みメモ一覧(&A)"},
    {"mnu_make_dat", "mnu_yasumi", "ﾕｰｻﾞｰ休日の設定(&U)"},
    {"mnu_make_dat", "mnuusr_menol", "ﾕｰｻﾞｰ記念日の設定(&K)"},
    {"mnu_make_dat", "del_ukinen", "ﾕｰｻﾞｰ記念日の削除(&E)"},
    {"mnu_make_dat", "memo_all", "登録済みメモ削除(&D)"},
    {"mnukankyou", "mnu_delmemo", "メモの自動削除"},
    {"mnukankyou", "mnujihou", "１分毎時報を鳴らす"},
    {"mnukankyou", "mnu_law", "現行の祝日法"},
    {"mnuhelp", "mnuver", "バージョン情報(&A)"},
    {"mnuhelp", "mnuhow_to", "使い方(&M)"},
};

const char* const kToolTips[26] = {
    "プロ野球データ",
    "自らの運は自ら引こう",
    "年号変換",
    "電卓",
    "換算",
    "時の計算",
    "周期表",
    "メモ作成",
    "登録メモ一覧",
    "贈答控え",
    "小遣い帳",
    "名刺管理",
    "住所録",
    "何日１",
    "何日２",
    "ユーザー休日設定",
    "記念日",
    "さいころ",
    "",
    "",
    "",
    "",
    "",
    "本日にジャンプ",
    "ヘルプ",
    "終了",
};

const char* const kWeekdays[7] = {"日", "月", "火", "水", "木", "金", "土"};
const char* const kOptionCaptions[3] = {"通常", "ﾕｰｻﾞｰ", "総合"};
const Rgb kOptionColours[3] = {kBlack, {255, 128, 0}, kRed};

}  // namespace

void Toribe::create_controls() {
  for (const MenuEntry& menu : kMenus) add(Kind::Menu, menu.name).text = menu.caption;
  for (const MenuItemEntry& item : kMenuItems) {
    Control& control = add(Kind::MenuItem, item.name);
    control.parent = item.menu;
    control.text = item.caption;
  }
  for (int i = 1; i <= 26; ++i) {
    Control& button = add(Kind::ToolButton, "Toolbar1", i);
    button.tooltip = kToolTips[i - 1];
    button.picture = QString(":/toolbar/%1.png").arg(i, 2, 10, QChar('0'));
  }

  constexpr int kGridLeft = 120, kGridTop = 660;
  Control& title = place(add(Kind::Label, "Label3"), kGridLeft, 60, 2520, 300);
  title.align = Align::Center;
  title.font = {"ＭＳ Ｐゴシック", 12, true};
  title.fore = kBlack;
  for (int i = 0; i < 7; ++i) {
    const GridPlace at = weekday_heading_place(i, kGridLeft, kGridTop);
    Control& heading = place(add(Kind::Label, "Label2", i), at.left, at.top, at.width, at.height);
    heading.text = kWeekdays[i];
    heading.align = Align::Center;
    heading.fore = i == 0 ? kRed : i == 6 ? kBlue : kSystemColour;
  }
  for (int k = 0; k < 37; ++k) {
    const GridPlace at = month_cell_place(k, kGridLeft, kGridTop);
    Control& cell = place(add(Kind::Label, "Label1", k), at.left, at.top, at.width, at.height);
    cell.align = Align::Center;
    cell.back = kLightYellow;
  }
  for (int i = 0; i < 7; ++i) {
    Control& button = place(add(Kind::Button, "Command13", i), kGridLeft + 360 * i, 2220, 400, 300);
    button.text = i < 6 ? QString("<<|<|-|+|>|>>").split('|')[i] : QString("抜ける");
  }
  Control& leave = c("Command13", 6);
  leave.height = 660;
  leave.visible = false;

  Control& frame = place(add(Kind::Frame, "Frame1"), 2880, 0, 1500, 1020);
  frame.text = "ｶﾚﾝﾀﾞｰ";
  for (int i = 0; i < 3; ++i) {
    Control& option = place(add(Kind::Option, "Option1", i), 120, 240 + 240 * i, 1260, 240);
    option.parent = "Frame1";
    option.text = kOptionCaptions[i];
    option.fore = kOptionColours[i];
  }

  Control& clock = place(add(Kind::Label, "Label4"), 4500, 120, 1500, 420);
  clock.align = Align::Center;
  clock.font = {"ＭＳ ゴシック", 14, true};

  Control& info = place(add(Kind::TextBox, "Text1"), 2880, 1080, 3120, 600);
  info.multiline = true;
  info.locked = true;
  place(add(Kind::TextBox, "Text3"), 2880, 1740, 2640, 300).locked = true;
  place(add(Kind::TextBox, "Text4"), 2880, 2100, 2640, 300).locked = true;
  Control& day_icon = place(add(Kind::Image, "Image1"), 5640, 1740, 360, 300);
  day_icon.picture = ":/memo/day.png";
  day_icon.visible = false;
  Control& today_icon = place(add(Kind::Image, "Image2"), 5640, 2100, 360, 300);
  today_icon.picture = ":/memo/today.png";
  today_icon.visible = false;

  Control& pane = place(add(Kind::TextBox, "Text2"), kGridLeft, 2940, 5880, 1900);
  pane.multiline = true;
  pane.scrollbars = true;
  pane.visible = false;
  pane.ime = ImeMode::Hiragana;
  place(add(Kind::ListBox, "List2"), kGridLeft, 2940, 5880, 1900).visible = false;
  Control& sorter = add(Kind::ListBox, "List1");
  sorter.sorted = true;
  sorter.visible = false;
}

// The main window's menu items and toolbar buttons.
#include <optional>

#include "core/platform.h"
#include "settings/settings.h"
#include "toribe/toribe.h"

void Toribe::mnujihou_Click() {
  Control& item = c("mnujihou");
  item.checked = !item.checked;
  jihou = item.checked;
}

void Toribe::mnu_delmemo_Click() {
  Control& item = c("mnu_delmemo");
  item.checked = !item.checked;
  m.memo_del = item.checked ? 1 : 0;
  save_dat();
}

void Toribe::mnu_law_Click() {
  Control& item = c("mnu_law");
  item.checked = !item.checked;
  set_law_option(m, item.checked);
  disp_calen();
  save_dat();
}

void Toribe::jump_to_today() {
  const QDate today = platform().today();
  // The user-holiday setting mode edits the one year it registered.
  if (set_mode == Mode::HolidaySetting && today.year() != cur_year) return;
  cur_year = qint16(today.year());
  cur_month = qint16(today.month());
  disp_calen();
}

void Toribe::mnuhow_to_Click() { platform().show_help(); }

void Toribe::mnu_export_Click(MenuExport what, const QString& item) {
  export_from_menu(platform(), what, item);
}

void Toribe::mnu_import_Click(ContactBook book, const QString& item) {
  import_from_menu(platform(), m, book, item);
}

namespace {

// A menu item that opens a tool window, its flag (when it has one) set to 1.
Handler<Toribe> opens(const char* window, qint16 Module1::*flag = nullptr) {
  return [window, flag](Toribe& form, Event&) { form.open_tool(window, flag); };
}

// The item's words as a message box's title: without the "…" that says a dialog follows.
QString item_words(const Control& item) {
  QString words = item.text;
  if (words.endsWith(u'…')) words.chop(1);
  return words;
}

Handler<Toribe> exports(MenuExport what) {
  return
      [what](Toribe& form, Event& e) { form.mnu_export_Click(what, item_words(form.c(e.name))); };
}

Handler<Toribe> imports(ContactBook book) {
  return
      [book](Toribe& form, Event& e) { form.mnu_import_Click(book, item_words(form.c(e.name))); };
}

// A separator line between menu items; choosing it does nothing.
const Handler<Toribe> kSeparator = [](Toribe&, Event&) {};

// One line of the menu bar: a menu title (with kSubmenu) or an item and what choosing it does.
// A title with no parent stands on the menu bar; under a menu, it is a submenu.
struct MenuLine {
  const char* parent;
  const char* name;
  const char* caption;
  std::optional<Handler<Toribe>> on_click;
};
constexpr std::nullopt_t kSubmenu = std::nullopt;

// The menu bar, in the order shown.
const MenuLine kMenuBar[] = {
    {"", "mnufile", "ファイル(&F)", kSubmenu},
    {"mnufile", "mnu_print", "印刷(&P)", kSubmenu},
    {"mnu_print", "mnu_print_cal", "この月のカレンダー…", &Toribe::mnu_print_cal_Click},
    {"mnu_print", "mnu_print_label", "宛名ラベル…", &Toribe::mnu_print_label_Click},
    {"mnu_print", "mnu_print_card", "年賀状の宛名（はがき）…", &Toribe::mnu_print_card_Click},
    {"mnufile", "mnu_export", "書き出し", kSubmenu},
    {"mnu_export", "mnu_exp_cal", "カレンダー…", exports(MenuExport::Calendar)},
    {"mnu_export", "mnu_exp_adr", "住所録…", exports(MenuExport::Addresses)},
    {"mnu_export", "mnu_exp_card", "名刺…", exports(MenuExport::Cards)},
    {"mnu_export", "mnu_exp_koz", "こづかい帳…", exports(MenuExport::Ledger)},
    {"mnu_export", "mnu_exp_zou", "贈答控え…", exports(MenuExport::Gifts)},
    {"mnufile", "mnu_import", "読み込み", kSubmenu},
    {"mnu_import", "mnu_imp_adr", "住所録…", imports(ContactBook::Addresses)},
    {"mnu_import", "mnu_imp_card", "名刺…", imports(ContactBook::Cards)},
    {"mnufile", "mnu_file_line", "-", kSeparator},
    {"mnufile", "mnuowari", "終了(X)", &Toribe::close_main_window},
    {"", "mnushina", "お品書き(&O)", kSubmenu},
    {"mnushina", "mnu_memo", "メモ", &Toribe::mnu_memo_Click},
    {"mnushina", "basdat_disp", "プロ野球勝敗表", opens("Baseball", &Module1::flg_bas)},
    {"mnushina", "mun_numbers", "ナンバーズ大予想", opens("number", &Module1::flg_numbers)},
    {"mnushina", "mnu_zouto", "贈答控え", opens("Zouto", &Module1::flg_zouto)},
    {"mnushina", "mnu_meisi", "名刺管理", opens("Meishi", &Module1::flg_meisi)},
    {"mnushina", "mnu_kozu", "こづかい帳", opens("Kozukai", &Module1::flg_kozu)},
    {"mnushina", "men_jyu", "住所録", opens("jyusho", &Module1::flg_jyu)},
    {"mnushina", "mnu_nengou", "年号変換", opens("nengou", &Module1::flg_nengou)},
    {"mnushina", "mnukara_day", "日数計算１", &Toribe::mnukara_day_Click},
    {"mnushina", "mnukara2_day", "日数計算２", &Toribe::mnukara2_day_Click},
    {"mnushina", "mnu_calc", "電卓", opens("Calculator", &Module1::flg_calc)},
    {"mnushina", "mnu_kansan", "換算", opens("Calculator", &Module1::flg_kansan)},
    {"mnushina", "mnutimecal", "時の計算", opens("TimeCalc", &Module1::flg_timecal)},
    {"mnushina", "mnu_syuuki", "周期表", opens("Calculator", &Module1::flg_syuuki)},
    {"mnushina", "mnu_koyomi", "こよみ", opens("Koyomi")},
    {"", "mnu_make_dat", "データ(&D)", kSubmenu},
    {"mnu_make_dat", "mnumemoichi", "登録済みメモ一覧(&A)", &Toribe::mnumemoichi_Click},
    {"mnu_make_dat", "mnu_yasumi", "ﾕｰｻﾞｰ休日の設定(&U)", &Toribe::mnu_yasumi_Click},
    {"mnu_make_dat", "mnuusr_menol", "ﾕｰｻﾞｰ記念日の設定(&K)", &Toribe::mnuusr_menol_Click},
    {"mnu_make_dat", "del_ukinen", "ﾕｰｻﾞｰ記念日の削除(&E)", &Toribe::del_ukinen_Click},
    {"mnu_make_dat", "memo_all", "登録済みメモ削除(&D)", &Toribe::memo_all_Click},
    {"mnu_make_dat", "mnu_kensaku", "すべてのデータを検索(&S)", &Toribe::mnu_kensaku_Click},
    {"", "mnukankyou", "オプション(&O)", kSubmenu},
    {"mnukankyou", "mnu_delmemo", "メモの自動削除", &Toribe::mnu_delmemo_Click},
    {"mnukankyou", "mnujihou", "１分毎時報を鳴らす", &Toribe::mnujihou_Click},
    {"mnukankyou", "mnu_law", "現行の祝日法", &Toribe::mnu_law_Click},
    {"mnukankyou", "mnu_notice", "予定を通知", &Toribe::mnu_notice_Click},
    {"", "mnuhelp", "ヘルプ(&H)", kSubmenu},
    {"mnuhelp", "mnuver", "バージョン情報(&A)", opens("frmAbout")},
    {"mnuhelp", "mnuhow_to", "使い方(&M)", &Toribe::mnuhow_to_Click},
};

// The toolbar's buttons from 1: each tooltip and the menu item the button chooses, or for the
// two buttons no menu item stands for, what the button does. The inert buttons have neither.
struct ToolbarButton {
  const char* tooltip;
  const char* item;
  std::optional<Handler<Toribe>> own_action = std::nullopt;
};

const ToolbarButton kToolbar[] = {
    {"プロ野球データ", "basdat_disp"},
    {"自らの運は自ら引こう", "mun_numbers"},
    {"年号変換", "mnu_nengou"},
    {"電卓", "mnu_calc"},
    {"換算", "mnu_kansan"},
    {"時の計算", "mnutimecal"},
    {"周期表", "mnu_syuuki"},
    {"メモ作成", "mnu_memo"},
    {"登録メモ一覧", "mnumemoichi"},
    {"贈答控え", "mnu_zouto"},
    {"小遣い帳", "mnu_kozu"},
    {"名刺管理", "mnu_meisi"},
    {"住所録", "men_jyu"},
    {"何日１", "mnukara_day"},
    {"何日２", "mnukara2_day"},
    {"ユーザー休日設定", "mnu_yasumi"},
    {"記念日", "mnuusr_menol"},
    {"さいころ", "", opens("Dice", &Module1::flg_dice)},
    {"", ""},
    {"", ""},
    {"", ""},
    {"", ""},
    {"", ""},
    {"本日にジャンプ", "", &Toribe::jump_to_today},
    {"ヘルプ", "mnuhow_to"},
    {"終了", "mnuowari"},
};

}  // namespace

std::vector<RouteOf<Toribe>> Toribe::menu_routes() {
  std::vector<RouteOf<Toribe>> routes;
  for (const MenuLine& line : kMenuBar)
    if (line.on_click) routes.push_back({Event::Click, line.name, *line.on_click});
  return routes;
}

void Toribe::create_menus() {
  for (const MenuLine& line : kMenuBar) {
    Control& control = add(line.on_click ? Kind::MenuItem : Kind::Menu, line.name);
    control.parent = line.parent;
    control.text = line.caption;
  }
  c("mnu_kensaku").shortcut = "Ctrl+F";
  for (int i = 1; i <= int(std::size(kToolbar)); ++i) {
    Control& button = add(Kind::ToolButton, "Toolbar1", i);
    button.tooltip = kToolbar[i - 1].tooltip;
    button.picture = QString(":/toolbar/%1.png").arg(i, 2, 10, QChar('0'));
  }
}

void Toribe::Toolbar1_ButtonClick(int index) {
  if (index < 1 || index > int(std::size(kToolbar))) return;
  const ToolbarButton& button = kToolbar[index - 1];
  if (!button.own_action) return menu_click(button.item);
  Event event{Event::Click, "Toolbar1", index};
  button.own_action->call(*this, event);
}

void Toribe::menu_click(const QString& item) {
  if (item.isEmpty()) return;
  Event event{Event::Click, item};
  dispatch(event);
}
